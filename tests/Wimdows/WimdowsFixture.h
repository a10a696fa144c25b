// A window open for the length of a test, and a folder for the picture files a test makes.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Wimdows/Wimdows.h"
#include "WimdowsTesting.h"

namespace wt = Wimdows::testing;

// Colours as the window layer's drawing calls take them: 0x00BBGGRR.
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kBlue = 0xFF0000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;

class OpenWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        Wimdows::Window("Game", 1000, 750);
        ASSERT_EQ(Wimdows::State(), Wimdows::STATE_ACTIVE);
    }
    void TearDown() override { Wimdows::KillWindow(); }
};

class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "wimdows-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // A BMP file of one colour, or of the given colours.
    std::string Picture(const std::string& name, std::uint32_t width, std::uint32_t height,
                        std::uint32_t color) const {
        return Picture(name, width, height, std::vector<std::uint32_t>(std::size_t{width} * height, color));
    }
    std::string Picture(const std::string& name, std::uint32_t width, std::uint32_t height,
                        const std::vector<std::uint32_t>& pixels) const {
        const std::string file = File(name);
        EXPECT_TRUE(wt::SaveBitmapFile(file.c_str(), width, height, pixels));
        return file;
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
    std::string bytes(std::filesystem::file_size(path), '\0');
    std::ifstream(path, std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// The number of back-buffer pixels of a colour, and the box around them.
struct Extent {
    std::int32_t count = 0;
    std::int32_t left = 1 << 30;
    std::int32_t top = 1 << 30;
    std::int32_t right = -1;
    std::int32_t bottom = -1;
};

inline Extent ExtentOf(std::uint32_t color) {
    Extent e;
    const std::vector<std::uint32_t> frame = Wimdows::frames::BackFrame();
    const auto width = static_cast<std::int32_t>(wt::XLen());
    for (std::int32_t y = 0; y < static_cast<std::int32_t>(wt::YLen()); ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            if (frame[static_cast<std::size_t>(y * width + x)] == color) {
                ++e.count;
                e.left = std::min(e.left, x);
                e.top = std::min(e.top, y);
                e.right = std::max(e.right, x);
                e.bottom = std::max(e.bottom, y);
            }
        }
    }
    return e;
}
