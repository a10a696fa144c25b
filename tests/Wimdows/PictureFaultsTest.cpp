// Pictures that change, vanish or cannot be read while the game runs: memory holds one copy of each, a close
// is not held up by loading, and what cannot be read is said once, with the system's reason.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

using PictureFaults = OpenWindow;

// Rewrites a picture as a new play would find it: other pixels, and a modification time of its own.
void Rewrite(const TempDir& dir, const std::string& name, std::uint32_t color, int play) {
    const std::string file = dir.Picture(name, 8, 8, color);
    std::filesystem::last_write_time(
        file, std::filesystem::file_time_type::clock::now() + std::chrono::seconds(play));
}

TEST_F(PictureFaults, APictureChangedBetweenPlaysReplacesItsOldPixels) {
    TempDir dir;
    const std::string picture = dir.Picture("plane.bmp", 8, 8, kRed);
    const std::string mask = dir.Picture("mask.bmp", 8, 8, kWhite);
    const std::uint32_t first = LoadBitmap(picture.c_str(), 16, 16);
    const std::uint32_t firstMask = LoadBitmap(mask.c_str(), 16, 16);
    DrawMaskBitmap(first, firstMask, 0, 0);
    std::uint32_t last = first;
    for (int play = 1; play <= 6; ++play) {
        Rewrite(dir, "plane.bmp", play % 2 == 1 ? kGreen : kBlue, play);
        last = LoadBitmap(picture.c_str(), 16, 16);
        LoadBitmap(mask.c_str(), 16, 16);
    }
    EXPECT_EQ(wt::PicturesHeld(), 2u) << "one picture and one mask, however often the picture changed";
    EXPECT_TRUE(wt::SharePixels(first, last));
    // The sprite made from the first pixels is made again from the newest.
    DrawMaskBitmap(first, firstMask, 0, 0);
    EXPECT_EQ(wt::BackPixel(15, 15), kBlue);
}

TEST_F(PictureFaults, ACloseRequestEndsLoadingBeforeTheNextFile) {
    TempDir dir;
    const std::string picture = dir.Picture("sky.bmp", 8, 8, kRed);
    RequestClose();
    EXPECT_THROW(LoadBitmap(picture.c_str(), 1000, 750), WindowClosed);
    wt::ForgetCloseRequest();
    EXPECT_EQ(wt::BitLen(), 0u);
}

// Runs the test's loads in a folder of its own, as the game runs in its data folder.
class UnreadPictures : public OpenWindow {
  protected:
    void SetUp() override {
        OpenWindow::SetUp();
        std::filesystem::current_path(dir_.File(""));
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        OpenWindow::TearDown();
    }
    // What SayUnreadPictures printed, or "" when it said nothing.
    static std::string Said() {
        ::testing::internal::CaptureStderr();
        const bool said = SayUnreadPictures("game pictures");
        const std::string text = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(said, !text.empty());
        return text;
    }
    std::string Folder() const { return (std::filesystem::current_path() / "Bitmaps").string(); }

    const std::filesystem::path previous_ = std::filesystem::current_path();
    TempDir dir_;
};

TEST_F(UnreadPictures, AFolderWithoutPicturesIsARunWithoutPicturesAndSaysNothing) {
    EXPECT_EQ(LoadBitmap("Bitmaps\\Hemel.bmp", 1000, 750), 0u);
    EXPECT_EQ(Said(), "");
}

TEST_F(UnreadPictures, PicturesThatCannotBeReadAreSaidOnceWithTheFolderAndTheReason) {
    std::filesystem::create_directory("Bitmaps");
    dir_.Picture("Bitmaps/Zee.bmp", 8, 8, kBlack);
    std::filesystem::create_directory("Bitmaps/Hemel.bmp");
    std::ofstream("Bitmaps/Medal.bmp") << "no picture";

    EXPECT_EQ(LoadBitmap("Bitmaps\\Win.bmp", 8, 8), 0u);
    EXPECT_NE(LoadBitmap("Bitmaps\\Zee.bmp", 8, 8), 0u);
    EXPECT_EQ(Said(),
              "Saltwing: cannot read the game pictures in " + Folder() + ": No such file or directory\n");
    EXPECT_EQ(Said(), "") << "said once";

    EXPECT_EQ(LoadBitmap("Bitmaps\\Hemel.bmp", 8, 8), 0u);
    EXPECT_NE(Said().find(": not a regular file"), std::string::npos);
    EXPECT_EQ(LoadBitmap("Bitmaps\\Medal.bmp", 8, 8), 0u);
    EXPECT_NE(Said().find(": not a picture the game can show"), std::string::npos);
}

// A replay without pictures and then a play with them, in one process: the first window's unread pictures
// are not said as the second one's.
TEST_F(UnreadPictures, WhatOneWindowCouldNotReadIsNotSaidOfTheNext) {
    EXPECT_EQ(LoadBitmap("Bitmaps\\Hemel.bmp", 8, 8), 0u);
    KillWindow();
    std::filesystem::create_directory("Bitmaps");
    dir_.Picture("Bitmaps/Zee.bmp", 8, 8, kBlack);
    Window("Game", 1000, 750);
    EXPECT_NE(LoadBitmap("Bitmaps\\Zee.bmp", 8, 8), 0u);
    EXPECT_EQ(Said(), "");
    KillWindow();
    std::filesystem::remove_all("Bitmaps");
    Window("Game", 1000, 750);
    EXPECT_EQ(LoadBitmap("Bitmaps\\Zee.bmp", 8, 8), 0u);
    EXPECT_EQ(Said(), "") << "no pictures read in this window: a run without pictures";
}

TEST_F(UnreadPictures, AFolderDeletedAfterPicturesWereReadIsSaid) {
    std::filesystem::create_directory("Bitmaps");
    dir_.Picture("Bitmaps/tidewind.bmp", 8, 8, kBlack);
    EXPECT_NE(LoadBitmap("Bitmaps\\tidewind.bmp", 8, 8), 0u);
    std::filesystem::remove_all("Bitmaps");
    EXPECT_EQ(LoadBitmap("Bitmaps\\Hemel.bmp", 8, 8), 0u);
    EXPECT_EQ(Said(),
              "Saltwing: cannot read the game pictures in " + Folder() + ": No such file or directory\n");
}

}  // namespace
