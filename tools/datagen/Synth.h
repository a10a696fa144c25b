// Small building blocks for synthesising the game's sounds: buffers, noise, filters, envelopes.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "Random.h"

namespace datagen {

// Every sound is made at the rate the game opens its mixer at, so nothing is resampled when it plays.
inline constexpr int kRate = 32000;

using Signal = std::vector<double>;

inline std::size_t Samples(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kRate));
}
inline double Seconds(std::size_t sample) {
    return static_cast<double>(sample) / kRate;
}
inline double MidiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}
inline double Db(double gain) {
    return 20.0 * std::log10(gain);
}

// One-pole filters: gentle slopes for noise colouring.
class OnePole {
  public:
    explicit OnePole(double cutoffHz) { SetCutoff(cutoffHz); }
    void SetCutoff(double cutoffHz) { a_ = 1.0 - std::exp(-2.0 * M_PI * cutoffHz / kRate); }
    double LowPass(double x) { return z_ += a_ * (x - z_); }
    double HighPass(double x) { return x - LowPass(x); }

  private:
    double a_ = 0;
    double z_ = 0;
};

// A resonant band-pass (constant peak gain), for splashes, whistles and metal.
class BandPass {
  public:
    BandPass(double centreHz, double q);
    double operator()(double x);

  private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

Signal Noise(std::size_t length, std::uint64_t seed);

// Adds `part` into `into` starting at sample `at`, scaled by `gain`; with `wrap` the part runs on from the
// start of `into`, so that a loop's tail sounds under its beginning.
void Mix(Signal& into, const Signal& part, std::size_t at, double gain, bool wrap = false);

// Runs a filter over a looping buffer so that its end flows into its start: one pass to settle, a second to
// keep.
template <typename Filter>
void FilterLoop(Signal& loop, Filter filter) {
    for (const double x : loop) {
        filter(x);
    }
    for (double& x : loop) {
        x = filter(x);
    }
}

double Peak(const Signal& signal);
double Rms(const Signal& signal);
void Normalise(Signal& signal, double peakDb);
void FadeOut(Signal& signal, double seconds);

// exp(-t / tau) after an attack ramp of `attack` seconds.
inline double Strike(double t, double attack, double tau) {
    return t < attack ? t / attack : std::exp(-(t - attack) / tau);
}

}  // namespace datagen
