// The desktop icon: the player's aeroplane on a round badge of sky and sea. The large one is not one of the
// game's files: it is installed for the desktop's application menu. The window carries a small one, which
// is a game picture with a mask (see IconArt in Art.h).
#pragma once

#include <filesystem>

namespace datagen {

inline constexpr int kIconSize = 256;

// Writes the icon as a kIconSize × kIconSize PNG with a transparent background.
void WriteIcon(const std::filesystem::path& path);

}  // namespace datagen
