// The bitmap table, loading pictures, drawing them plain and through masks, buffering and presenting.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "WimdowsState.h"

namespace Wimdows {

namespace {

using namespace detail;

// Limits of a picture the layer accepts, from the file or as the size asked for.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

struct FileFacts {
    std::int64_t size = 0;
    std::int64_t modified = 0;
};

std::optional<FileFacts> Inspect(const std::string& path) {
    struct stat facts {};
    if (stat(path.c_str(), &facts) != 0 || !S_ISREG(facts.st_mode)) {
        return std::nullopt;
    }
    return FileFacts{facts.st_size, facts.st_mtim.tv_sec * 1'000'000'000 + facts.st_mtim.tv_nsec};
}

// Notes why a picture could not be read, unless an earlier one is still to be said.
void NoteUnread(std::string reason) {
    std::string& unread = M().unreadPicture;
    if (unread.empty()) {
        unread = std::move(reason);
    }
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

std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
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

Uint32& PixelAt(SDL_Surface* surface, int x, int y) {
    auto* row = static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch;
    return reinterpret_cast<Uint32*>(row)[x];
}

// Nearest neighbour: every pixel takes the source pixel under its centre. (SDL's own stretch drifts by up
// to two pixels over the height of the window.)
SurfacePtr Stretch(SDL_Surface* source, int width, int height) {
    SurfacePtr target = MakeSurface(width, height);
    if (!target) {
        return nullptr;
    }
    const auto nearest = [](int i, int from, int to) {
        return static_cast<int>((2 * std::int64_t{i} + 1) * from / (2 * std::int64_t{to}));
    };
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        columns[static_cast<std::size_t>(x)] = nearest(x, source->w, width);
    }
    for (int y = 0; y < height; ++y) {
        const int sourceY = nearest(y, source->h, height);
        for (int x = 0; x < width; ++x) {
            PixelAt(target.get(), x, y) = PixelAt(source, columns[static_cast<std::size_t>(x)], sourceY);
        }
    }
    return target;
}

// The file converted to the back buffer's format (paletted files cannot be copied as they are; 32-bit ones
// would blend) and stretched to the size asked for; 0 keeps the file's size.
SharedSurface LoadScaled(const std::string& path, std::uint32_t width, std::uint32_t height) {
    const SurfacePtr file(SDL_LoadBMP(path.c_str()));
    if (!file) {
        return nullptr;
    }
    SurfacePtr converted(SDL_ConvertSurfaceFormat(file.get(), kPixelFormat, 0));
    if (!converted) {
        return nullptr;
    }
    const int w = width != 0 ? static_cast<int>(width) : converted->w;
    const int h = height != 0 ? static_cast<int>(height) : converted->h;
    if (w != converted->w || h != converted->h) {
        converted = Stretch(converted.get(), w, h);
    }
    if (converted) {
        SDL_SetSurfaceBlendMode(converted.get(), SDL_BLENDMODE_NONE);
    }
    return SharedSurface(converted.release(), SurfaceDeleter{});
}

// The table only grows, so every load takes the next number. Needs drawMutex held.
std::uint32_t AddBitmap(const SharedSurface& pixels) {
    Module& m = M();
    m.bit.push_back(
        BitStruct{pixels, static_cast<std::uint32_t>(pixels->w), static_cast<std::uint32_t>(pixels->h)});
    return static_cast<std::uint32_t>(m.bit.size());
}

// A file read again after it changed: handles that showed its old pixels show the new ones, and sprites
// made from the old ones go, so that the old pixels are freed. Needs drawMutex held.
void Replace(const SharedSurface& old, const SharedSurface& pixels) {
    Module& m = M();
    for (BitStruct& entry : m.bit) {
        if (entry.hbit == old) {
            entry = BitStruct{pixels, static_cast<std::uint32_t>(pixels->w),
                              static_cast<std::uint32_t>(pixels->h)};
        }
    }
    std::erase_if(m.masked, [&old](const auto& sprite) {
        return sprite.first.first == old.get() || sprite.first.second == old.get();
    });
}

// The entry of a handle, or nullptr for 0, a number past the table, or a free entry. Needs drawMutex held.
const BitStruct* Entry(std::uint32_t handle) {
    Module& m = M();
    if (handle == 0 || handle > m.bit.size() || !m.bit[handle - 1].hbit) {
        return nullptr;
    }
    return &m.bit[handle - 1];
}

// A colour that no pixel of the picture has.
Uint32 UnusedColor(SDL_Surface* image) {
    std::vector<Uint32> used;
    used.reserve(static_cast<std::size_t>(image->w) * static_cast<std::size_t>(image->h));
    for (int y = 0; y < image->h; ++y) {
        for (int x = 0; x < image->w; ++x) {
            used.push_back(PixelAt(image, x, y) & 0xFFFFFFu);
        }
    }
    std::sort(used.begin(), used.end());
    Uint32 key = 0xFF00FFu;
    while (std::binary_search(used.begin(), used.end(), key)) {
        key = (key + 1) & 0xFFFFFFu;
    }
    return key;
}

// A mask pixel counts as white when it is light; masks are two-colour pictures.
bool IsWhite(Uint32 pixel) {
    return ((pixel >> 16) & 0xFFu) + ((pixel >> 8) & 0xFFu) + (pixel & 0xFFu) >= 384;
}

// The picture with a key colour wherever the mask is black (or has no pixel), colour-keyed with RLE: one
// fast block copy per draw that gives the same picture as a copy through the mask.
SurfacePtr MakeMaskedSprite(SDL_Surface* image, SDL_Surface* mask) {
    SurfacePtr sprite(SDL_DuplicateSurface(image));
    if (!sprite) {
        return nullptr;
    }
    const Uint32 key = UnusedColor(image);
    for (int y = 0; y < sprite->h; ++y) {
        for (int x = 0; x < sprite->w; ++x) {
            if (x >= mask->w || y >= mask->h || !IsWhite(PixelAt(mask, x, y))) {
                PixelAt(sprite.get(), x, y) = key;
            }
        }
    }
    SDL_SetSurfaceBlendMode(sprite.get(), SDL_BLENDMODE_NONE);
    SDL_SetColorKey(sprite.get(), SDL_TRUE, key);
    SDL_SetSurfaceRLE(sprite.get(), 1);
    return sprite;
}

// Copies a surface into the back buffer at (x, y), clipped; shows it at once when unbuffered.
void Blit(SDL_Surface* source, std::int32_t x, std::int32_t y) {
    SDL_Rect target{Far(x), Far(y), source->w, source->h};
    if (SDL_HasColorKey(source) == SDL_TRUE) {
        SDL_BlitSurface(source, nullptr, M().back.get(), &target);
    } else {
        CopyPixels(source, {0, 0, source->w, source->h}, M().back.get(), {target.x, target.y});
    }
    ShowIfUnbuffered(target);
}

}  // namespace

namespace detail {

void PresentArea(SDL_Rect area) {
    Module& m = M();
    if (!m.back || !m.handOver) {
        return;
    }
    const SDL_Rect whole{0, 0, m.back->w, m.back->h};
    SDL_Rect visible;
    if (SDL_IntersectRect(&area, &whole, &visible) != SDL_TRUE) {
        return;
    }
    // Only this thread writes the front buffer, and it holds drawMutex, under which the window thread
    // releases it: comparing needs no lock, so presenting never waits for it.
    const std::vector<SDL_Rect>& changed = m.changes.Find(m.back.get(), m.front.get(), visible);
    if (changed.empty()) {
        return;
    }
    {
        std::lock_guard lock(m.frontMutex);
        for (const SDL_Rect& r : changed) {
            CopyPixels(m.back.get(), r, m.front.get(), {r.x, r.y});
        }
        m.dirty.insert(m.dirty.end(), changed.begin(), changed.end());
        if (m.dirty.size() > kMostDirtyAreas) {
            // Frames pile up while nothing is presented (a hidden window): one area holds them all.
            SDL_Rect all = m.dirty.front();
            for (const SDL_Rect& r : m.dirty) {
                SDL_UnionRect(&all, &r, &all);
            }
            m.dirty.assign(1, all);
        }
        ++m.submitted;
    }
    m.wake.Notify();
}

void ShowIfUnbuffered(const SDL_Rect& area) {
    if (!M().buffering) {
        PresentArea(area);
    }
}

SurfacePtr LoadPictureFile(const std::string& path) {
    const std::optional<FileFacts> facts = Inspect(path);
    if (!facts || !PlausibleBmp(path, facts->size)) {
        return nullptr;
    }
    return SurfacePtr(SDL_LoadBMP(path.c_str()));
}

SDL_Rect BoxOf(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    const std::int32_t left = Far(std::min(x0, x1));
    const std::int32_t top = Far(std::min(y0, y1));
    return SDL_Rect{left, top, Far(std::max(x0, x1)) - left + 1, Far(std::max(y0, y1)) - top + 1};
}

}  // namespace detail

std::uint32_t LoadBitmap(const char* file, std::uint32_t width, std::uint32_t height) {
    ThrowIfClosedByPlayer();  // a start loads dozens of pictures: a close need not wait for them all
    if (file == nullptr || !SizeAllowed(width, height)) {
        return 0;
    }
    std::string path(file);
    std::replace(path.begin(), path.end(), '\\', '/');  // the game names its files with Windows separators
    const std::optional<FileFacts> facts = Inspect(path);
    if (!facts || !PlausibleBmp(path, facts->size)) {
        NoteUnreadFile(path);
        return 0;
    }
    Module& m = M();
    const BitmapKey key{path, width, height};
    {
        std::lock_guard lock(m.drawMutex);
        if (const auto known = m.loaded.find(key); known != m.loaded.end() &&
                                                   known->second.size == facts->size &&
                                                   known->second.modified == facts->modified) {
            return AddBitmap(known->second.pixels);
        }
    }
    const SharedSurface pixels = LoadScaled(path, width, height);
    if (!pixels) {
        NoteUnreadFile(path);
        return 0;
    }
    std::lock_guard lock(m.drawMutex);
    m.picturesRead = true;
    LoadedPicture& entry = m.loaded[key];
    if (entry.pixels) {
        Replace(entry.pixels, pixels);
    }
    entry = LoadedPicture{facts->size, facts->modified, pixels};
    return AddBitmap(pixels);
}

bool SayUnreadPictures(const char* what) {
    Module& m = M();
    const std::string reason = std::exchange(m.unreadPicture, {});
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error) / "Bitmaps";
    // Tests and replays run in a folder without pictures on purpose: nothing to say there.
    if (reason.empty() || (!m.picturesRead && !std::filesystem::exists(folder, error))) {
        return false;
    }
    std::cerr << "Saltwing: cannot read the " << what << " in " << folder.string() << ": " << reason
              << std::endl;
    return true;
}

bool PicturesRead() {
    return M().picturesRead;
}

void DrawBitmap(std::uint32_t bitmap, std::int32_t x, std::int32_t y) {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    const BitStruct* entry = Entry(bitmap);
    if (m.back && entry != nullptr) {
        Blit(entry->hbit.get(), x, y);
    }
}

void DrawMaskBitmap(std::uint32_t bitmap, std::uint32_t maskbitmap, std::int32_t x, std::int32_t y) {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    const BitStruct* image = Entry(bitmap);
    const BitStruct* mask = Entry(maskbitmap);
    if (!m.back || image == nullptr || mask == nullptr) {
        return;
    }
    SurfacePtr& sprite = m.masked[{image->hbit.get(), mask->hbit.get()}];
    if (!sprite) {
        sprite = MakeMaskedSprite(image->hbit.get(), mask->hbit.get());
    }
    if (sprite) {
        Blit(sprite.get(), x, y);
    }
}

void SetBuffering(bool state) {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    if (!m.back) {
        return;
    }
    if (m.buffering && !state) {
        PresentArea(SDL_Rect{0, 0, m.back->w, m.back->h});
    }
    m.buffering = state;
}

void UpdateWindow() {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    if (m.back) {
        PresentArea(SDL_Rect{0, 0, m.back->w, m.back->h});
    }
}

}  // namespace Wimdows
