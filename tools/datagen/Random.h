// A small seeded generator, so that every build draws the same clouds, waves and noise.
#pragma once

#include <cstdint>

namespace datagen {

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

    double Uniform(double low, double high) { return low + (high - low) * Unit(); }

    // Splitmix64: tiny, fast and the same on every platform.
    double Unit() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

  private:
    std::uint64_t state_;
};

}  // namespace datagen
