// Synthesises every sound of the manifest into the data folder.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace datagen {

struct SoundSummary {
    std::string_view name;
    double seconds;
    double peakDb;
    double rmsDb;
};

std::vector<SoundSummary> MakeSounds(const std::filesystem::path& folder);

}  // namespace datagen
