// The program's icon: the player's aeroplane on a round badge of sky and sea. The desktop gets it in every
// size it asks for and as a scalable picture (installed into the hicolor theme); the window carries a game
// picture with a mask drawn in the bold design of the small sizes (see IconArt in Art.h).
#pragma once

#include <array>
#include <filesystem>

namespace datagen {

// The sizes desktops ask for; the design is drawn at kIconDesign and scaled, and at kSmallIcon or less it
// is a bold silhouette, since the detailed aeroplane smudges at task-bar sizes.
inline constexpr std::array<int, 8> kIconSizes{16, 24, 32, 48, 64, 128, 256, 512};
inline constexpr int kIconDesign = 256;
inline constexpr int kSmallIcon = 32;

// Writes <folder>/icons/hicolor/<n>x<n>/apps/saltwing.png for every size, with a transparent background,
// and <folder>/icons/hicolor/scalable/apps/saltwing.svg.
void WriteIcons(const std::filesystem::path& folder);

}  // namespace datagen
