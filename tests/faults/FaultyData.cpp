#include "FaultyData.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace faults {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<char>;

Bytes ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void PutLittleEndian(Bytes& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    }
}

// A 24-bit BMP header that claims 13 million × 60 pixels, followed by a few bytes of pixels.
Bytes HugeBitmap() {
    Bytes bytes(54 + 64, '\x5A');
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittleEndian(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
    PutLittleEndian(bytes, 10, 54, 4);
    PutLittleEndian(bytes, 14, 40, 4);
    PutLittleEndian(bytes, 18, 13'000'000, 4);
    PutLittleEndian(bytes, 22, 60, 4);
    PutLittleEndian(bytes, 26, 1, 2);
    PutLittleEndian(bytes, 28, 24, 2);
    PutLittleEndian(bytes, 30, 0, 4);
    return bytes;
}

// A WAVE header (stereo, 16 bits, 32000 Hz) whose sample data claims almost 2 GB, followed by a few bytes.
Bytes HugeSound() {
    Bytes bytes(44 + 64, '\x11');
    const std::array<std::pair<std::size_t, const char*>, 4> tags{
        {{0, "RIFF"}, {8, "WAVE"}, {12, "fmt "}, {36, "data"}}};
    for (const auto& [at, tag] : tags) {
        std::copy(tag, tag + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
    }
    PutLittleEndian(bytes, 4, 0x7FFF'FFF8u, 4);
    PutLittleEndian(bytes, 16, 16, 4);
    PutLittleEndian(bytes, 20, 1, 2);
    PutLittleEndian(bytes, 22, 2, 2);
    PutLittleEndian(bytes, 24, 32000, 4);
    PutLittleEndian(bytes, 28, 32000 * 4, 4);
    PutLittleEndian(bytes, 32, 4, 2);
    PutLittleEndian(bytes, 34, 16, 2);
    PutLittleEndian(bytes, 40, 0x7FFF'FFD0u, 4);
    return bytes;
}

Bytes Garbage(std::size_t size, const std::string& seed) {
    std::seed_seq seq(seed.begin(), seed.end());
    std::mt19937 random(seq);
    Bytes bytes(size);
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFFu);
    }
    return bytes;
}

}  // namespace

std::string NameOf(Fault fault) {
    switch (fault) {
        case Fault::Missing:
            return "missing";
        case Fault::Empty:
            return "empty";
        case Fault::Truncated:
            return "truncated";
        case Fault::Garbage:
            return "garbage";
        case Fault::HugeHeader:
            return "huge-size header";
        case Fault::Folder:
            return "a folder in its place";
        case Fault::Fifo:
            return "a named pipe in its place";
    }
    return "?";
}

FaultyData::FaultyData(const fs::path& source) : source_(fs::absolute(source)) {
    std::string pattern = (fs::temp_directory_path() / "saltwing-faults-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    folder_ = pattern;
    for (const char* sub : {"Bitmaps", "audio"}) {
        fs::create_directory(folder_ / sub);
        for (const fs::directory_entry& entry : fs::directory_iterator(source_ / sub)) {
            fs::create_symlink(entry.path(), folder_ / sub / entry.path().filename());
        }
    }
    if (fs::exists(source_ / "fonts")) {
        fs::create_directory_symlink(source_ / "fonts", folder_ / "fonts");
    }
}

FaultyData::~FaultyData() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void FaultyData::Spoil(const std::string& file, Fault fault) {
    const fs::path original = source_ / file;
    const fs::path target = folder_ / file;
    fs::remove_all(target);
    const bool picture = original.extension() == ".bmp";
    switch (fault) {
        case Fault::Missing:
            break;
        case Fault::Empty:
            WriteAll(target, {});
            break;
        case Fault::Truncated: {
            Bytes bytes = ReadAll(original);
            bytes.resize(bytes.size() / 2);
            WriteAll(target, bytes);
            break;
        }
        case Fault::Garbage:
            WriteAll(target, Garbage(static_cast<std::size_t>(fs::file_size(original)), file));
            break;
        case Fault::HugeHeader:
            WriteAll(target, picture ? HugeBitmap() : HugeSound());
            break;
        case Fault::Folder:
            fs::create_directory(target);
            break;
        case Fault::Fifo:
            // Nobody ever writes into it: opening it for reading would wait for ever.
            if (mkfifo(target.c_str(), 0600) != 0) {
                throw std::runtime_error("cannot make a named pipe");
            }
            break;
    }
}

void FaultyData::Restore(const std::string& file) {
    fs::remove_all(folder_ / file);
    fs::create_symlink(source_ / file, folder_ / file);
}

}  // namespace faults
