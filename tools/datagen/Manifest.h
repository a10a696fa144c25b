// Every picture and sound file the game loads, with the size it loads it at. The generator makes exactly
// these files; the data tests check the built folder against this list.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace datagen {

enum class Kind { Colour, Mask, Sound };

struct Entry {
    std::string_view name;  // spelled as the game spells it, folder separator included
    Kind kind;
    int width = 0;
    int height = 0;
    std::string_view mask = {};  // colour pictures drawn through a mask: that mask's name
};

std::span<const Entry> Manifest();

// The game writes "Bitmaps\X.bmp" and, for a few hover pictures, "Bitmaps/X.bmp"; on disk both are X.bmp
// in the Bitmaps folder.
std::string DiskPath(std::string_view name);

// Looks a file up by its name in either spelling of the separator.
const Entry* Find(std::string_view name);

// The colour picture whose shape a mask cuts out: the first one drawn through it.
const Entry* SpriteOf(const Entry& mask);

}  // namespace datagen
