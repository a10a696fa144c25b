// Draws every picture of the manifest and keeps the results for writing and for the contact sheet.
#pragma once

#include <filesystem>
#include <map>
#include <string_view>

#include "Image.h"

namespace datagen {

struct Pictures {
    std::map<std::string_view, Image> colour;  // by the manifest's file name
    std::map<std::string_view, Mask> masks;
};

// Throws when the manifest and the painters disagree about which pictures exist.
Pictures DrawPictures();

void WritePictures(const std::filesystem::path& folder, const Pictures& pictures);

}  // namespace datagen
