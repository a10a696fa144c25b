// The bitmap table: loading pictures into it, and drawing them plain and through masks.
#include <filesystem>
#include <iostream>

#include "WimdowsState.h"

namespace Wimdows {

namespace {

using namespace detail;

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

}  // namespace

namespace detail {

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
        DrawOpaque(entry->hbit, {Far(x), Far(y)});
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
    SharedSurface& sprite = m.masked[{image->hbit.get(), mask->hbit.get()}];
    if (!sprite) {
        sprite = MakeMaskedSprite(image->hbit.get(), mask->hbit.get());
    }
    if (sprite) {
        DrawPicture(sprite, {Far(x), Far(y)});
    }
}

}  // namespace Wimdows
