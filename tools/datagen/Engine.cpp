#include <algorithm>

#include "SoundMakers.h"

namespace datagen {
namespace {

// The engine fires 50 times a second in a pattern of four cylinders of slightly different voice; the loop
// holds a whole number of patterns, and of blade throbs, so that it repeats without a seam.
constexpr std::size_t kFiring = 640;
constexpr int kCylinders = 4;
constexpr std::size_t kLoop = 64000;
constexpr double kBladeHz = 100;
static_assert(kLoop % (kFiring * kCylinders) == 0);

// One cylinder's bang: a burst of dark noise over a low thump.
Signal Firing(int cylinder) {
    const auto seed = static_cast<std::uint64_t>(20 + cylinder);
    Signal out = Noise(kFiring, seed);
    OnePole dark(650 + 90.0 * cylinder);
    const double weight = cylinder % 2 == 0 ? 1.0 : 0.8;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        out[i] = weight * (dark.LowPass(out[i]) * 5 * std::exp(-t / 0.006) +
                           0.5 * std::sin(2 * M_PI * 70 * t) * std::exp(-t / 0.009));
    }
    return out;
}

// Air torn by the propeller: band-limited noise throbbing with the blades.
Signal PropWash(std::size_t length, std::uint64_t seed) {
    Signal wash = Noise(length, seed);
    FilterLoop(wash, [band = BandPass(700, 0.6)](double x) mutable { return band(x); });
    for (std::size_t i = 0; i < wash.size(); ++i) {
        wash[i] *= 0.6 + 0.4 * std::sin(2 * M_PI * kBladeHz * Seconds(i));
    }
    return wash;
}

}  // namespace

Signal EngineLoop() {
    Signal loop(kLoop);
    // Firings fall halfway through the loop's first beat, so that it starts and ends on the quiet between
    // two.
    for (std::size_t i = 0; i < kLoop / kFiring; ++i) {
        Mix(loop, Firing(static_cast<int>(i % kCylinders)), i * kFiring + kFiring / 2, 1.0, true);
    }
    Mix(loop, PropWash(kLoop, 30), 0, 0.5, true);
    FilterLoop(loop, [smooth = OnePole(3200)](double x) mutable { return smooth.LowPass(x); });
    return loop;
}

// The starter turns the engine over, quicker and quicker, two backfires as it catches, then it runs up past
// its cruising speed and settles into the loop, which the game starts at the same moment.
Signal EngineStart() {
    constexpr double kLength = 3.6;
    Signal out(Samples(kLength));
    Signal whine(Samples(1.3));
    double phase = 0;
    for (std::size_t i = 0; i < whine.size(); ++i) {
        const double t = Seconds(i);
        phase += 2 * M_PI * (240 + 380 * t / 1.3) / kRate;
        whine[i] = std::min(1.0, t / 0.1) * (t > 1.1 ? std::exp(-(t - 1.1) / 0.08) : 1.0) * std::sin(phase);
    }
    Mix(out, whine, 0, 0.1);

    int cylinder = 0;
    double interval = 0.22;
    for (double t = 0.05; t < 1.05; t += interval, interval *= 0.86) {
        Mix(out, Firing(cylinder++ % kCylinders), Samples(t), 0.55);
    }
    for (const double backfire : {1.1, 1.28}) {
        Mix(out, Firing(cylinder++ % kCylinders), Samples(backfire), 1.8);
    }

    auto rate = [](double t) {
        return t < 2.2 ? 12 + 63 * (t - 1.35) / 0.85 : 50 + 25 * std::exp(-(t - 2.2) / 0.25);
    };
    auto level = [](double t) {
        return std::clamp((t - 1.35) / 0.3, 0.0, 1.0) * std::clamp((3.5 - t) / 0.9, 0.0, 1.0);
    };
    for (double t = 1.35; t < kLength; t += 1.0 / rate(t)) {
        Mix(out, Firing(cylinder++ % kCylinders), Samples(t), 0.8 * level(t));
    }
    const Signal wash = PropWash(out.size(), 31);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        out[i] += 0.5 * wash[i] * level(t) * (t > 1.35 ? rate(t) / 75 : 0.0);
    }
    return out;
}

}  // namespace datagen
