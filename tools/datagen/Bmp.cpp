#include "Bmp.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace datagen {
namespace {

class LittleEndian {
  public:
    void U16(std::uint32_t v) { Bytes(v, 2); }
    void U32(std::uint32_t v) { Bytes(v, 4); }
    void Byte(std::uint32_t v) { data_.push_back(static_cast<char>(v & 0xFFu)); }
    const std::vector<char>& Data() const { return data_; }

  private:
    void Bytes(std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) {
            Byte(v >> (8 * i));
        }
    }
    std::vector<char> data_;
};

// Rows are stored bottom-up, each padded to a multiple of four bytes.
std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31u) / 32u * 4u;
}

LittleEndian Headers(int width, int height, int bitsPerPixel, std::uint32_t paletteEntries) {
    const std::uint32_t offset = 14u + 40u + 4u * paletteEntries;
    const std::uint32_t imageBytes = RowBytes(width, bitsPerPixel) * static_cast<std::uint32_t>(height);
    LittleEndian out;
    out.Byte('B');
    out.Byte('M');
    out.U32(offset + imageBytes);
    out.U32(0);
    out.U32(offset);
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    out.U16(1);
    out.U16(static_cast<std::uint32_t>(bitsPerPixel));
    out.U32(0);  // uncompressed
    out.U32(imageBytes);
    out.U32(2835);  // 72 dots per inch
    out.U32(2835);
    out.U32(paletteEntries);
    out.U32(0);
    return out;
}

void Save(const std::filesystem::path& path, const std::vector<char>& data) {
    std::ofstream file(path, std::ios::binary);
    file.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

void WriteColourBmp(const std::filesystem::path& path, const Image& image) {
    LittleEndian out = Headers(image.width, image.height, 24, 0);
    const std::uint32_t padding = RowBytes(image.width, 24) - 3u * static_cast<std::uint32_t>(image.width);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t argb = image.At(x, y);
            out.Byte(argb);
            out.Byte(argb >> 8);
            out.Byte(argb >> 16);
        }
        for (std::uint32_t i = 0; i < padding; ++i) {
            out.Byte(0);
        }
    }
    Save(path, out.Data());
}

void WriteMaskBmp(const std::filesystem::path& path, const Mask& mask) {
    LittleEndian out = Headers(mask.width, mask.height, 1, 2);
    out.U32(0x000000);
    out.U32(0xFFFFFF);
    const std::uint32_t rowBytes = RowBytes(mask.width, 1);
    for (int y = mask.height - 1; y >= 0; --y) {
        std::vector<std::uint32_t> row(rowBytes, 0);
        for (int x = 0; x < mask.width; ++x) {
            if (mask.on[static_cast<std::size_t>(y * mask.width + x)] != 0) {
                row[static_cast<std::size_t>(x / 8)] |= 0x80u >> (x % 8);
            }
        }
        for (const std::uint32_t byte : row) {
            out.Byte(byte);
        }
    }
    Save(path, out.Data());
}

}  // namespace datagen
