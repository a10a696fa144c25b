// The sounds in the data folder, decoded as the game's mixer will decode them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Decoded.h"
#include "Manifest.h"

namespace {

using datatest::Decode;
using datatest::Decoded;

double Peak(const std::vector<double>& samples) {
    double peak = 0;
    for (const double x : samples) {
        peak = std::max(peak, std::abs(x));
    }
    return peak;
}

double Rms(const std::vector<double>& samples) {
    double sum = 0;
    for (const double x : samples) {
        sum += x * x;
    }
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

double FromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

TEST(Sounds, EverySoundDecodesIsAudibleAndStaysBelowFullScale) {
    for (const datagen::Entry& entry : datagen::Manifest()) {
        if (entry.kind != datagen::Kind::Sound) {
            continue;
        }
        SCOPED_TRACE(std::string(entry.name));
        const Decoded sound = Decode(entry.name);
        ASSERT_TRUE(sound.rate == 32000 || sound.rate == 44100) << "rate " << sound.rate;
        ASSERT_GT(sound.samples.size(), static_cast<std::size_t>(sound.rate / 20));
        EXPECT_LE(Peak(sound.samples), FromDb(-1));
        EXPECT_GE(Rms(sound.samples), FromDb(-40));
    }
}

// The engine sound repeats for as long as the aeroplane flies: the step from its last sample back to its
// first must be no bigger than the steps around it, or every repeat clicks.
TEST(Sounds, EngineLoopEndsMeetWithoutAClick) {
    const std::vector<double> loop = Decode("audio/xspitfire_rpm3.wav").samples;
    constexpr std::size_t kAround = 64;
    ASSERT_GT(loop.size(), 4 * kAround);
    double around = 0;
    for (std::size_t i = 1; i < kAround; ++i) {
        around = std::max({around, std::abs(loop[i] - loop[i - 1]),
                           std::abs(loop[loop.size() - i] - loop[loop.size() - i - 1])});
    }
    EXPECT_LE(std::abs(loop.front() - loop.back()), around);
}

}  // namespace
