// The mix as a player hears it: each sound's level measured from its file plus the volume the game plays it
// at, the engine's voice where small speakers can play it, and effects that fade out instead of stopping.
// The table of levels is printed, so that a change to a sound shows its effect on the mix.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Decoded.h"

namespace {

using datatest::Decode;
using datatest::Decoded;

double Db(double power) {
    return 10 * std::log10(std::max(power, 1e-20));
}

double Power(const std::vector<double>& samples, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) {
        sum += samples[i] * samples[i];
    }
    return sum;
}

// The loudest stretch of 400 ms, in dBFS (a shorter sound counts as followed by silence).
double LoudestDb(const Decoded& sound) {
    const auto window = static_cast<std::size_t>(sound.rate * 2 / 5);
    double loudest = 0;
    const std::size_t last = sound.samples.size() > window ? sound.samples.size() - window : 0;
    for (std::size_t at = 0; at <= last; at += window / 8) {
        loudest = std::max(loudest, Power(sound.samples, at, std::min(at + window, sound.samples.size())));
    }
    return Db(loudest / static_cast<double>(window));
}

double WholeDb(const Decoded& sound) {
    return Db(Power(sound.samples, 0, sound.samples.size()) / static_cast<double>(sound.samples.size()));
}

// A fourth-order Butterworth filter (two biquads) from the usual cookbook.
std::vector<double> Filtered(const std::vector<double>& in, int rate, double hz, bool highPass) {
    const double w = 2 * M_PI * hz / rate;
    const double alpha = std::sin(w) / (2 * M_SQRT1_2);
    const double c = std::cos(w);
    const double b1 = highPass ? -(1 + c) : 1 - c;
    const double b0 = highPass ? (1 + c) / 2 : (1 - c) / 2;
    const double a0 = 1 + alpha;
    std::vector<double> out = in;
    for (int stage = 0; stage < 2; ++stage) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double& x : out) {
            const double y = (b0 * x + b1 * x1 + b0 * x2 + 2 * c * y1 - (1 - alpha) * y2) / a0;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            x = y;
        }
    }
    return out;
}

// The share of a sound's energy below (or above) a frequency.
double Share(const Decoded& sound, double hz, bool above) {
    const std::vector<double> band = Filtered(sound.samples, sound.rate, hz, above);
    return Power(band, 0, band.size()) / Power(sound.samples, 0, sound.samples.size());
}

// What the game plays each sound at (0 to 255), and whether it loops.
struct Heard {
    std::string_view name;
    double volume;
    bool loops;
};
constexpr Heard kHeard[] = {
    {"audio/Shot.wav", 250, false},
    {"audio/Bomb.wav", 250, false},
    {"audio/Crash_Bullet.wav", 250, false},
    {"audio/Crash_Air.wav", 250, false},
    {"audio/Crash_Water.wav", 250, false},
    {"audio/BossExplosion.wav", 250, false},
    {"audio/spitfire_startup.wav", 250, false},
    {"audio/xspitfire_rpm3.wav", 40, true},
    {"audio/Intro_Menu.mp3", 100, true},
    {"audio/Win_Song.mp3", 100, false},
};

// The level a player hears: the loudest 400 ms of an effect, the whole of a loop, at its playing volume.
double HeardDb(const Heard& heard) {
    const Decoded sound = Decode(heard.name);
    return (heard.loops ? WholeDb(sound) : LoudestDb(sound)) + 20 * std::log10(heard.volume / 255);
}

double HeardDb(std::string_view name) {
    for (const Heard& heard : kHeard) {
        if (heard.name == name) {
            return HeardDb(heard);
        }
    }
    return 0;
}

TEST(Mix, TheGunTheEngineAndTheTuneSitWithTheExplosions) {
    std::vector<double> blasts;
    std::printf("%-28s %9s %9s\n", "sound", "file dB", "heard dB");
    for (const Heard& heard : kHeard) {
        const Decoded sound = Decode(heard.name);
        ASSERT_FALSE(sound.samples.empty()) << heard.name;
        const double file = heard.loops ? WholeDb(sound) : LoudestDb(sound);
        std::printf("%-28s %9.1f %9.1f\n", std::string(heard.name).c_str(), file, HeardDb(heard));
    }
    for (const char* blast : {"audio/Bomb.wav", "audio/Crash_Bullet.wav", "audio/Crash_Air.wav",
                              "audio/Crash_Water.wav", "audio/BossExplosion.wav"}) {
        blasts.push_back(HeardDb(blast));
    }
    std::sort(blasts.begin(), blasts.end());
    const double median = blasts[blasts.size() / 2];
    EXPECT_NEAR(HeardDb("audio/Shot.wav"), median, 8) << "the gun against the bomb and the crashes";
    EXPECT_NEAR(HeardDb("audio/xspitfire_rpm3.wav"), HeardDb("audio/Intro_Menu.mp3"), 6)
        << "the engine against the tune";
}

TEST(Mix, TheEngineSpeaksWhereSmallSpeakersCanPlayIt) {
    const Decoded engine = Decode("audio/xspitfire_rpm3.wav");
    ASSERT_FALSE(engine.samples.empty());
    const double below = Share(engine, 100, false);
    std::printf("engine: %.1f%% of its energy below 100 Hz, %.1f%% above 2 kHz\n", 100 * below,
                100 * Share(engine, 2000, true));
    EXPECT_LE(below, 0.10);
    EXPECT_LE(Share(engine, 2000, true), 0.25) << "the engine hisses instead of roaring";
}

TEST(Mix, TheTuneHasBrightnessAboveFourKilohertz) {
    const Decoded tune = Decode("audio/Intro_Menu.mp3");
    ASSERT_FALSE(tune.samples.empty());
    const double above = Share(tune, 4000, true);
    std::printf("tune: %.2f%% of its energy above 4 kHz, %.1f s a loop\n", 100 * above,
                static_cast<double>(tune.samples.size()) / tune.rate);
    EXPECT_GE(above, 0.005);
}

// A sound cut off while it still rings ends in a click.
TEST(Mix, EveryEffectFadesOutBeforeItsEnd) {
    for (const Heard& heard : kHeard) {
        if (heard.loops) {
            continue;
        }
        SCOPED_TRACE(std::string(heard.name));
        const Decoded sound = Decode(heard.name);
        const auto tail = static_cast<std::size_t>(sound.rate / 100);
        ASSERT_GT(sound.samples.size(), tail);
        double peak = 0;
        for (std::size_t i = sound.samples.size() - tail; i < sound.samples.size(); ++i) {
            peak = std::max(peak, std::abs(sound.samples[i]));
        }
        EXPECT_LT(20 * std::log10(std::max(peak, 1e-10)), -50) << "the last 10 ms";
    }
}

}  // namespace
