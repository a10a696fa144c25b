#include "Synth.h"

#include <algorithm>

namespace datagen {

BandPass::BandPass(double centreHz, double q) {
    const double w = 2.0 * M_PI * centreHz / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2.0 * std::cos(w) / a0;
    a2_ = (1.0 - alpha) / a0;
}

double BandPass::operator()(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

Signal Noise(std::size_t length, std::uint64_t seed) {
    Random random(seed);
    Signal noise(length);
    for (double& x : noise) {
        x = random.Uniform(-1.0, 1.0);
    }
    return noise;
}

void Mix(Signal& into, const Signal& part, std::size_t at, double gain, bool wrap) {
    for (std::size_t i = 0; i < part.size(); ++i) {
        std::size_t j = at + i;
        if (j >= into.size()) {
            if (!wrap) {
                return;
            }
            j %= into.size();
        }
        into[j] += gain * part[i];
    }
}

double Peak(const Signal& signal) {
    double peak = 0;
    for (const double x : signal) {
        peak = std::max(peak, std::abs(x));
    }
    return peak;
}

double Rms(const Signal& signal) {
    double sum = 0;
    for (const double x : signal) {
        sum += x * x;
    }
    return signal.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(signal.size()));
}

void Normalise(Signal& signal, double peakDb) {
    const double peak = Peak(signal);
    if (peak <= 0) {
        return;
    }
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& x : signal) {
        x *= gain;
    }
}

void FadeOut(Signal& signal, double seconds) {
    const std::size_t length = std::min(signal.size(), Samples(seconds));
    for (std::size_t i = 0; i < length; ++i) {
        signal[signal.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(length);
    }
}

}  // namespace datagen
