#include "Instruments.h"

#include <algorithm>
#include <functional>

namespace datagen {
namespace {

constexpr double kTwoPi = 2.0 * M_PI;

// Attack, decay to a sustain level, and an exponential release once the note is let go.
double Adsr(double t, double held, double attack, double decay, double sustain, double release) {
    double level = t < attack ? t / attack : sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    if (t > held) {
        level *= std::exp(-(t - held) / release);
    }
    return level;
}

// Renders `seconds` of a voice whose sample depends on the time and on a running phase at `hz`.
Signal Voice(double seconds, double hz, const std::function<double(double t, double phase)>& sample,
             double vibratoDepth = 0) {
    Signal out(Samples(seconds));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        const double vibrato =
            vibratoDepth * std::sin(kTwoPi * 5.2 * t) * std::clamp((t - 0.15) / 0.25, 0.0, 1.0);
        phase += kTwoPi * hz * (1.0 + vibrato) / kRate;
        out[i] = sample(t, phase);
    }
    return out;
}

Signal Burst(double seconds, std::uint64_t seed, const std::function<double(double t, double noise)>& shape) {
    Signal out = Noise(Samples(seconds), seed);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = shape(Seconds(i), out[i]);
    }
    return out;
}

}  // namespace

Signal Lead(double hz, double held) {
    return Voice(
        held + 0.4, hz,
        [held](double t, double phase) {
            const double index = 0.5 + 1.4 * std::exp(-t / 0.07);
            return Adsr(t, held, 0.015, 0.18, 0.7, 0.09) * std::sin(phase + index * std::sin(phase));
        },
        0.006);
}

Signal Bell(double hz) {
    return Voice(1.2, hz, [](double t, double phase) {
        const double index = 2.2 * std::exp(-t / 0.12);
        return Strike(t, 0.002, 0.35) * std::sin(phase + index * std::sin(3.5 * phase));
    });
}

Signal Brass(double hz, double held) {
    return Voice(held + 0.5, hz, [held](double t, double phase) {
        const double envelope = Adsr(t, held, 0.04, 0.25, 0.8, 0.12);
        const double brightness = 0.25 + 0.55 * envelope;
        double x = 0;
        double gain = 1;
        for (int n = 1; n <= 12; ++n) {
            x += gain / n * std::sin(n * phase);
            gain *= brightness;
        }
        return envelope * x;
    });
}

Signal Bass(double hz, double held) {
    return Voice(held + 0.3, hz, [held](double t, double phase) {
        const double envelope = Strike(t, 0.006, 0.45) * (t > held ? std::exp(-(t - held) / 0.05) : 1.0);
        return envelope * (std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase));
    });
}

Signal Pad(double hz, double held) {
    Signal out(Samples(held + 0.8));
    for (const double detune : {0.997, 1.0, 1.003}) {
        Mix(out,
            Voice(held + 0.8, hz * detune,
                  [held](double t, double phase) {
                      return Adsr(t, held, 0.15, 0.6, 0.8, 0.3) *
                             (std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase));
                  }),
            0, 1.0 / 3);
    }
    return out;
}

Signal Kick() {
    Signal out(Samples(0.25));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = Seconds(i);
        phase += kTwoPi * (45 + 75 * std::exp(-t / 0.03)) / kRate;
        out[i] = std::exp(-t / 0.08) * std::sin(phase);
    }
    return out;
}

Signal Shaker(std::uint64_t seed) {
    OnePole filter(5000);
    return Burst(0.08, seed,
                 [&filter](double t, double n) { return Strike(t, 0.002, 0.018) * filter.HighPass(n); });
}

Signal Rim(std::uint64_t seed) {
    BandPass filter(1900, 2.5);
    return Burst(0.1, seed, [&filter](double t, double n) { return std::exp(-t / 0.02) * filter(n) * 3; });
}

Signal Timpani(double hz, double held, std::uint64_t seed) {
    OnePole filter(300);
    Signal drum = Burst(held + 1.2, seed,
                        [&filter](double t, double n) { return Strike(t, 0.004, 0.08) * filter.LowPass(n); });
    Mix(drum,
        Voice(held + 1.2, hz,
              [held](double t, double phase) {
                  return Strike(t, 0.004, held * 0.6 + 0.3) * (std::sin(phase) + 0.3 * std::sin(1.5 * phase));
              }),
        0, 0.8);
    return drum;
}

Signal Cymbal(double seconds, std::uint64_t seed) {
    OnePole filter(6000);
    return Burst(seconds, seed, [&filter, seconds](double t, double n) {
        return Strike(t, 0.004, seconds / 3) * filter.HighPass(n);
    });
}

}  // namespace datagen
