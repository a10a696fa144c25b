// A private copy of the game's data folder in which single files can be spoiled and restored. The copy is
// a tree of symbolic links to the generated files, so spoiling one replaces only that link.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace faults {

enum class Fault { Missing, Empty, Truncated, Garbage, HugeHeader, Folder, Fifo };

std::string NameOf(Fault fault);

class FaultyData {
  public:
    // Mirrors Bitmaps/, audio/ and fonts/ of `source` into a new temporary folder.
    explicit FaultyData(const std::filesystem::path& source);
    ~FaultyData();
    FaultyData(const FaultyData&) = delete;
    FaultyData& operator=(const FaultyData&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    // `file` is relative to the data folder, e.g. "Bitmaps/Hemel.bmp".
    void Spoil(const std::string& file, Fault fault);
    void Restore(const std::string& file);

  private:
    std::filesystem::path source_;
    std::filesystem::path folder_;
};

}  // namespace faults
