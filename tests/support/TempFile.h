// Files of the tests' own making (sounds, pictures) in the temporary folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace testsupport {

// A file with the given contents under a name of its own per process, removed again with the object.
class TempFile {
  public:
    TempFile(const std::string& name, const std::string& contents)
        : path_(std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "-" + name)) {
        std::ofstream(path_, std::ios::binary) << contents;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const char* c_str() const { return path_.c_str(); }

  private:
    std::filesystem::path path_;
};

// Appends the low `bytes` bytes of v, least significant first, as file headers want them.
inline void PutLittleEndian(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

}  // namespace testsupport
