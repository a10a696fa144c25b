// Every picture and sound file of the game spoiled in every way a disk or a careless copy can spoil it: the
// menu shows, a play starts and runs, and nothing crashes. One test per kind of fault; within it the
// pictures are spoiled one at a time. Sounds are spoiled all at once: the sound table keeps a sample per
// file name for the life of the process, so only a file's first load can meet the fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FaultyData.h"
#include "Manifest.h"
#include "MenuAndPlay.h"

namespace {

using faults::Fault;

constexpr long long kPlayHundredths = 150;

void ExpectMenuAndPlay(const std::string& what) {
    const faults::ProgramRun run = faults::RunMenuAndPlay(kPlayHundredths);
    EXPECT_EQ(run.status, 0) << what;
    EXPECT_FALSE(run.timedOut) << what;
    EXPECT_GT(run.playFrames, 50) << what;
}

// With no picture readable at all the menu cannot be drawn: Start says so and ends the game with status 1,
// at once, rather than running a black play.
void ExpectEndAtStart(const std::string& what) {
    const faults::ProgramRun run = faults::RunMenuAndPlay(kPlayHundredths);
    EXPECT_EQ(run.status, 1) << what;
    EXPECT_FALSE(run.timedOut) << what;
    EXPECT_EQ(run.playFrames, 0) << what;
}

// A fault that hangs or not whatever the file (a named pipe) needs no more than one run with every file
// spoiled at once.
enum class Pictures { OneAtATime, AllAtOnce };

void RunWithEveryFileSpoiled(Fault fault, Pictures pictures = Pictures::OneAtATime) {
    const std::filesystem::path built = std::filesystem::current_path();
    if (!std::filesystem::exists(built / "Bitmaps/Hemel.bmp")) {
        GTEST_SKIP() << "no generated game data in the working directory";
    }
    faults::FaultyData data(built);
    std::filesystem::current_path(data.Folder());

    const bool allAtOnce = pictures == Pictures::AllAtOnce;
    for (const datagen::Entry& entry : datagen::Manifest()) {
        if (entry.kind == datagen::Kind::Sound || allAtOnce) {
            data.Spoil(datagen::DiskPath(entry.name), fault);
        }
    }
    if (allAtOnce) {
        ExpectEndAtStart("every file " + faults::NameOf(fault));
        std::filesystem::current_path(built);
        return;
    }
    ExpectMenuAndPlay("every sound " + faults::NameOf(fault));
    for (const datagen::Entry& entry : datagen::Manifest()) {
        if (entry.kind == datagen::Kind::Sound) {
            data.Restore(datagen::DiskPath(entry.name));
        }
    }

    for (const datagen::Entry& entry : datagen::Manifest()) {
        if (entry.kind == datagen::Kind::Sound) {
            continue;
        }
        const std::string file = datagen::DiskPath(entry.name);
        data.Spoil(file, fault);
        ExpectMenuAndPlay(file + " " + faults::NameOf(fault));
        data.Restore(file);
    }
    std::filesystem::current_path(built);
}

TEST(SpoiledGameFiles, MissingFilesLeaveAPlayableGame) {
    RunWithEveryFileSpoiled(Fault::Missing);
}

TEST(SpoiledGameFiles, EmptyFilesLeaveAPlayableGame) {
    RunWithEveryFileSpoiled(Fault::Empty);
}

TEST(SpoiledGameFiles, TruncatedFilesLeaveAPlayableGame) {
    RunWithEveryFileSpoiled(Fault::Truncated);
}

TEST(SpoiledGameFiles, GarbageFilesLeaveAPlayableGame) {
    RunWithEveryFileSpoiled(Fault::Garbage);
}

TEST(SpoiledGameFiles, FilesClaimingAHugeSizeLeaveAPlayableGame) {
    RunWithEveryFileSpoiled(Fault::HugeHeader);
}

TEST(SpoiledGameFiles, FoldersInPlaceOfFilesLeaveAPlayableGame) {
    RunWithEveryFileSpoiled(Fault::Folder);
}

TEST(SpoiledGameFiles, NamedPipesInPlaceOfEveryFileEndTheGameAtStartWithoutHanging) {
    RunWithEveryFileSpoiled(Fault::Fifo, Pictures::AllAtOnce);
}

}  // namespace
