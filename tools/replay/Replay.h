// Plays a recording back headless on the virtual clock through the program's screens, and makes the
// recording of the automatic player's whole game.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>

#include "FrameHashes.h"
#include "Recording.h"
#include "ScreenRun.h"

namespace replay {

struct Outcome {
    Summary summary;
    std::vector<FrameHashes::Sample> samples;  // the frame-hash chain every `sampleEvery` frames
};

// The clock starts at VirtualClock::DefaultStart with the random source at 0; every event is delivered at
// its moment after that start. A frame is every presented frame of a play and the picture every screen
// leaves behind; every `stride`-th of them is hashed. The run ends with the program, or a second after the
// recording's end.
Outcome Play(const Recording& recording, std::int64_t sampleEvery, std::int64_t stride,
             std::ostream* perFrame = nullptr);

// Plays the recording as Play does, in `dataFolder` with the game's pictures when given, and tells `watcher`
// of every screen and frame.
Summary PlayWatched(const Recording& recording, Watcher& watcher,
                    const std::optional<std::filesystem::path>& dataFolder = std::nullopt);

// Plays the recording as Play does, but in `dataFolder` with the game's pictures, and writes every frame
// that `wanted` picks (frames counted as Play counts them, from 1) into `outFolder` as frame-NNNNNN.png. A
// frame that cannot be written ends the writing, not the run.
struct Rendering {
    Summary summary;
    std::int64_t written = 0;
    std::optional<std::filesystem::path> failed;  // the first file that could not be written
};
Rendering Render(const Recording& recording, const std::filesystem::path& dataFolder,
                 const std::filesystem::path& outFolder,
                 const std::function<bool(std::int64_t frame)>& wanted);

// Plays the recording as Play does, but in a real window with the game's pictures and sounds, at the speed
// it was played. Escape or closing the window stops it early (the summary then says "stopped").
Summary Watch(const Recording& recording, const std::filesystem::path& dataFolder);

// The automatic player's game: Start in the main menu, every level played to its end with a retry after
// every crash, the win, the menu button, Exit.
struct AutoPlayRun {
    Recording recording;
    Summary summary;  // of the run that was recorded
};
AutoPlayRun RecordAutoPlay();

}  // namespace replay
