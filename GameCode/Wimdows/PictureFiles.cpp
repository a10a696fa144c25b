// Picture files: what the layer accepts before SDL reads a file, and why a file could not be read.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

// Limits of a picture the layer accepts.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

// Notes why a picture could not be read, unless an earlier one is still to be said.
void NoteUnread(std::string reason) {
    std::string& unread = M().unreadPicture;
    if (unread.empty()) {
        unread = std::move(reason);
    }
}

std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

}  // namespace

std::optional<FileFacts> Inspect(const std::string& path) {
    struct stat facts {};
    if (stat(path.c_str(), &facts) != 0 || !S_ISREG(facts.st_mode)) {
        return std::nullopt;
    }
    return FileFacts{facts.st_size, facts.st_mtim.tv_sec * 1'000'000'000 + facts.st_mtim.tv_nsec};
}

// The system's reason when the file cannot be opened (missing, no permission, no descriptor left), else
// what is wrong with what it holds.
void NoteUnreadFile(const std::string& path) {
    struct stat facts {};
    if (stat(path.c_str(), &facts) != 0) {
        NoteUnread(std::strerror(errno));
    } else if (!S_ISREG(facts.st_mode)) {
        NoteUnread("not a regular file");
    } else if (const int opened = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); opened < 0) {
        NoteUnread(std::strerror(errno));
    } else {
        close(opened);
        NoteUnread("not a picture the game can show");
    }
}

bool SizeAllowed(std::int64_t width, std::int64_t height) {
    return width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

// Sound fix: a forged header (13 million × 60 pixels in a small file) makes SDL allocate gigabytes for
// seconds. The picture's size is checked against sane limits and against what the file can hold.
bool PlausibleBmp(const std::string& path, std::int64_t fileSize) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[34] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    const std::streamsize got = in.gcount();
    if (got < 26 || header[0] != 'B' || header[1] != 'M') {
        return false;
    }
    const std::uint32_t infoSize = LittleEndian(header + 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) {
        width = LittleEndian(header + 18, 2);
        height = LittleEndian(header + 20, 2);
        bits = LittleEndian(header + 24, 2);
    } else if (infoSize >= 16 && got == sizeof header) {
        width = static_cast<std::int32_t>(LittleEndian(header + 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(header + 22, 4));
        bits = LittleEndian(header + 28, 2);
        compression = infoSize >= 20 ? LittleEndian(header + 30, 4) : 0;
    } else {
        return false;
    }
    height = height < 0 ? -height : height;  // negative: rows stored top-down
    if (width < 1 || height < 1 || !SizeAllowed(width, height)) {
        return false;
    }
    switch (compression) {
        case 0:    // plain
        case 3:    // bit fields
        case 6: {  // bit fields with alpha
            const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
            return rowBytes * height <= fileSize;
        }
        case 1:  // run-length, 8 bits: at most 255 pixels per two bytes
        case 2:  // run-length, 4 bits
            return width * height <= fileSize * 128;
        default:
            return false;
    }
}

SurfacePtr LoadPictureFile(const std::string& path) {
    const std::optional<FileFacts> facts = Inspect(path);
    if (!facts || !PlausibleBmp(path, facts->size)) {
        return nullptr;
    }
    return SurfacePtr(SDL_LoadBMP(path.c_str()));
}

}  // namespace Wimdows::detail
