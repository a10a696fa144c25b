// Where the game's pictures and sounds are.
#include "Game.h"

namespace Game {

namespace {

bool HoldsData(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder / "Bitmaps", error) &&
           std::filesystem::is_directory(folder / "audio", error);
}

}  // namespace

std::filesystem::path InstalledDataFolder(const std::filesystem::path& programFolder) {
    return (programFolder / ".." / "share" / "saltwing").lexically_normal();
}

std::optional<std::filesystem::path> FindDataFolder(const std::filesystem::path& workingDirectory,
                                                    const std::filesystem::path& programFolder) {
    if (HoldsData(workingDirectory)) {
        return workingDirectory;
    }
    if (const std::filesystem::path installed = InstalledDataFolder(programFolder); HoldsData(installed)) {
        return installed;
    }
    return std::nullopt;
}

}  // namespace Game
