// Frames of the back buffer as PNG files, written by cairo.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace replay {

// Writes `frame` (colours 0x00BBGGRR, row by row from the top, `width` pixels a row) as an opaque PNG file.
// False if the frame is not whole rows or the file could not be written.
bool WritePng(const std::filesystem::path& file, const std::vector<std::uint32_t>& frame, std::int32_t width);

}  // namespace replay
