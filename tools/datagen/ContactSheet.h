// One PNG that shows every picture with its name, each mask beside its sprite and the sprite as the game
// draws it through the mask, and a table of the sounds: the generated data at a glance, for review.
#pragma once

#include <filesystem>
#include <vector>

#include "Pictures.h"
#include "Sounds.h"

namespace datagen {

void WriteContactSheet(const std::filesystem::path& path, const Pictures& pictures,
                       const std::vector<SoundSummary>& sounds);

}  // namespace datagen
