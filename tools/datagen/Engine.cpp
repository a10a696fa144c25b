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

// One cylinder's bang: a burst of noise over a knock, voiced in the few hundred hertz that laptop speakers
// and headphones alike can play; the firing rate itself is felt in the rhythm, not heard as a drone.
Signal Firing(int cylinder) {
    const auto seed = static_cast<std::uint64_t>(20 + cylinder);
    Signal out = Noise(kFiring, seed);
    BandPass bark(520 + 70.0 * cylinder, 0.9);
    const double weight = cylinder % 2 == 0 ? 1.0 : 0.8;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        out[i] = weight * (bark(out[i]) * 4 * std::exp(-t / 0.007) +
                           0.45 * std::sin(2 * M_PI * 190 * t) * std::exp(-t / 0.008));
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
    FilterLoop(loop, [smooth = OnePole(2600)](double x) mutable { return smooth.LowPass(x); });
    for (int pass = 0; pass < 3; ++pass) {
        FilterLoop(loop, [rumble = OnePole(150)](double x) mutable { return rumble.HighPass(x); });
    }
    // A gentle saturation evens the firings out, so the engine sounds full at the low volume it plays at.
    const double peak = Peak(loop);
    for (double& x : loop) {
        x = std::tanh(1.6 * x / peak);
    }
    return loop;
}

// The starter whines and turns the engine over once; it catches with a backfire, runs up past its cruising
// speed and settles under the loop, which the game starts at the same moment.
Signal EngineStart() {
    constexpr double kLength = 2.6;
    constexpr double kCatch = 0.55;
    Signal out(Samples(kLength));
    Signal whine(Samples(kCatch + 0.1));
    double phase = 0;
    for (std::size_t i = 0; i < whine.size(); ++i) {
        const double t = Seconds(i);
        phase += 2 * M_PI * (260 + 300 * t / kCatch) / kRate;
        whine[i] = std::min(1.0, t / 0.06) * std::clamp((kCatch + 0.1 - t) / 0.1, 0.0, 1.0) * std::sin(phase);
    }
    Mix(out, whine, 0, 0.12);
    Mix(out, Firing(0), Samples(0.2), 0.5);
    Mix(out, Firing(1), Samples(kCatch), 1.6);

    auto rate = [](double t) {
        return t < 1.2 ? 20 + 55 * (t - kCatch) / (1.2 - kCatch) : 50 + 25 * std::exp(-(t - 1.2) / 0.25);
    };
    auto level = [](double t) {
        return std::clamp((t - kCatch) / 0.15, 0.0, 1.0) * std::clamp((kLength - 0.1 - t) / 0.9, 0.0, 1.0);
    };
    int cylinder = 2;
    for (double t = kCatch + 0.05; t < kLength; t += 1.0 / rate(t)) {
        Mix(out, Firing(cylinder++ % kCylinders), Samples(t), 0.8 * level(t));
    }
    const Signal wash = PropWash(out.size(), 31);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        out[i] += 0.5 * wash[i] * level(t) * (t > kCatch ? rate(t) / 75 : 0.0);
    }
    FadeOut(out, 0.1);
    return out;
}

}  // namespace datagen
