// Game: the program entry. It finds the game's data, opens the menu and runs the screens one after another.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>

#include "Game/Screen/Screen.h"

namespace Game {

// Shows one screen and returns the one that follows.
Screen Run(Screen screen);

// Opens /dev/null on closed standard descriptors, ignores SIGPIPE, and makes SIGTERM and SIGINT close the
// window, so that the run ends with status 0. First thing in main.
void PrepareProcess();

// Opens the menu and runs screens until Exit (status 0) or Abort (status 1). A window closed from its
// title bar also ends the run, with status 0.
int RunProgram();
// Ends the process with `status`; at once, without the destructors of exit, when the window's thread had to
// be left behind in a display that does not answer.
[[noreturn]] void EndProgram(int status);

// The data installed beside the program: <program folder>/../share/saltwing.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& programFolder);
// The folder holding Bitmaps/ and audio/: the working directory, else the installed data; none if neither.
std::optional<std::filesystem::path> FindDataFolder(const std::filesystem::path& workingDirectory,
                                                    const std::filesystem::path& programFolder);

// The arguments after the program's name. None: start the game (there are none). Otherwise the status to
// exit with: 0 after --help (usage and controls) or --version on `out`, 1 if `out` could not take it, 2
// after one line on `err` for anything else.
std::optional<int> HandleCommandLine(std::span<const char* const> arguments, std::ostream& out,
                                     std::ostream& err);

}  // namespace Game
