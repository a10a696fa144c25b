#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "Game/Game.h"

namespace {

namespace fs = std::filesystem;

class DataFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(working_);
        fs::create_directories(program_);
    }
    void TearDown() override { fs::remove_all(root_); }
    static void AddData(const fs::path& folder) {
        fs::create_directories(folder / "Bitmaps");
        fs::create_directories(folder / "audio");
    }

    const fs::path root_ = fs::temp_directory_path() / ("saltwing-data-" + std::to_string(getpid()));
    const fs::path working_ = root_ / "somewhere";
    const fs::path program_ = root_ / "prefix" / "bin";
    const fs::path installed_ = root_ / "prefix" / "share" / "saltwing";
};

TEST_F(DataFolder, TheWorkingDirectoryComesFirst) {
    AddData(working_);
    AddData(installed_);
    EXPECT_EQ(Game::FindDataFolder(working_, program_), working_);
}

TEST_F(DataFolder, ElseTheDataInstalledBesideTheProgram) {
    fs::create_directories(working_ / "Bitmaps");
    AddData(installed_);
    EXPECT_EQ(Game::InstalledDataFolder(program_), installed_);
    EXPECT_EQ(Game::FindDataFolder(working_, program_), installed_);
}

TEST_F(DataFolder, NoneWhenNeitherHoldsBothFolders) {
    fs::create_directories(working_ / "audio");
    fs::create_directories(installed_ / "Bitmaps");
    EXPECT_EQ(Game::FindDataFolder(working_, program_), std::nullopt);
}

}  // namespace
