#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "Music/Music.h"
#include "MusicTestSupport.h"

namespace {

std::vector<char> ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool HasSound(const std::vector<char>& mix) {
    return std::any_of(mix.begin(), mix.end(), [](char byte) { return byte != 0; });
}

// SDL's disk driver writes the real mix to a file, in real time.
TEST(MixedOutput, APlayedSoundReachesTheOutput) {
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "-mix.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    ASSERT_TRUE(Music::InitMusic());
    const testsupport::TempFile sound = testsupport::SquareWav("mixed", 300);
    const std::uint32_t h = Music::LoadSound(sound.c_str());
    ASSERT_NE(h, 0u);

    ASSERT_TRUE(testsupport::Eventually([&] { return !ReadAll(output).empty(); }));
    EXPECT_FALSE(HasSound(ReadAll(output)));
    Music::PlaySound(h, false);
    Music::SetSoundVolume(h, 255);
    EXPECT_TRUE(testsupport::Eventually([&] { return HasSound(ReadAll(output)); }));
    std::filesystem::remove(output);
}

}  // namespace
