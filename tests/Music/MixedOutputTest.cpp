#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Music.h"
#include "MusicTestSupport.h"

namespace {

bool HasSound(const std::filesystem::path& output) {
    std::ifstream in(output, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (const char byte : bytes) {
        if (byte != 0) {
            return true;
        }
    }
    return false;
}

// SDL's disk driver writes the real mix to a file, in real time.
TEST(MixedOutput, APlayedSoundReachesTheOutput) {
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "-mix.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    ASSERT_TRUE(Music::InitMusic());
    const testsupport::SquareWav sound("mixed", 300);
    const std::uint32_t h = Music::LoadSound(sound.c_str());
    ASSERT_NE(h, 0u);

    ASSERT_TRUE(testsupport::Eventually([&] { return std::filesystem::file_size(output) > 0; }));
    EXPECT_FALSE(HasSound(output));
    Music::PlaySound(h, false);
    Music::SetSoundVolume(h, 255);
    EXPECT_TRUE(testsupport::Eventually([&] { return HasSound(output); }));
    std::filesystem::remove(output);
}

}  // namespace
