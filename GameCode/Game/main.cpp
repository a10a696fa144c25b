// The program entry: --help or --version, or else find the data, then the menu and the screens until Exit.
#include <filesystem>
#include <iostream>
#include <system_error>
#include <thread>

#include "Game.h"

namespace {

int Start(int argc, char** argv) {
    if (const std::optional<int> status =
            Game::HandleCommandLine({argv + 1, argv + argc}, std::cout, std::cerr)) {
        return *status;
    }
    std::error_code error;
    const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
    const std::filesystem::path programFolder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::optional<std::filesystem::path> data = Game::FindDataFolder(workingDirectory, programFolder);
    if (!data.has_value()) {
        std::cerr << "Saltwing: no game data found (looked for Bitmaps/ and audio/ in "
                  << workingDirectory.string() << " and " << Game::InstalledDataFolder(programFolder).string()
                  << ")" << std::endl;
        return 1;
    }
    std::filesystem::current_path(*data, error);
    if (error) {
        std::cerr << "Saltwing: cannot enter the game data folder " << data->string() << ": "
                  << error.message() << std::endl;
        return 1;
    }
    return Game::RunProgram();
}

}  // namespace

int main(int argc, char** argv) {
    Game::PrepareProcess();
    // The program's own stack is only as large as `ulimit -s` allows, and the font library alone needs more
    // than 16 kB: the game runs on a thread, which gets the stack that PrepareProcess gives every thread.
    int status = 0;
    try {
        std::thread game([&] { status = Start(argc, argv); });
        game.join();
    } catch (const std::system_error&) {
        status = Start(argc, argv);
    }
    Game::EndProgram(status);
}
