#include "Changes.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "Pixels.h"

namespace Wimdows::changes {

namespace {

// 64 pixels are one 256-byte compare; 16 rows keep the rectangles few enough for one request each.
constexpr int kTileWidth = 64;
constexpr int kTileHeight = 16;

const Uint32* At(const SDL_Surface* surface, int x, int y) {
    return detail::Row(surface, y) + x;
}

bool RowDiffers(const SDL_Surface* now, const SDL_Surface* before, int x0, int x1, int y) {
    return std::memcmp(At(now, x0, y), At(before, x0, y), static_cast<std::size_t>(x1 - x0) * 4) != 0;
}

int TilesOver(int length, int tile) {
    return (length + tile - 1) / tile;
}

}  // namespace

template <class Marked>
const std::vector<SDL_Rect>& Finder::Scan(const SDL_Surface* now, const SDL_Surface* before,
                                          const SDL_Rect& area, Marked marked) {
    std::vector<SDL_Rect>& changed = found_;
    changed.clear();
    if (area.w <= 0 || area.h <= 0) {
        return changed;
    }
    const int left = area.x;
    const int right = area.x + area.w;
    const int firstColumn = left / kTileWidth;
    const int columns = (right - 1) / kTileWidth - firstColumn + 1;
    const auto columnLeft = [&](int c) { return std::max(left, (firstColumn + c) * kTileWidth); };
    const auto columnRight = [&](int c) { return std::min(right, (firstColumn + c + 1) * kTileWidth); };
    changedTiles_.assign(static_cast<std::size_t>(columns), false);
    // A tile's flag, to read or to set.
    const auto changedTile = [&](int c) -> std::vector<bool>::reference {
        return changedTiles_[static_cast<std::size_t>(c)];
    };
    for (int top = area.y; top < area.y + area.h;) {
        const int band = top / kTileHeight;
        const int bottom = std::min((band + 1) * kTileHeight, area.y + area.h);
        const auto looked = [&](int c) { return marked(firstColumn + c, band); };
        int first = 0;
        int last = columns - 1;
        while (first <= last && !looked(first)) {
            ++first;
        }
        while (last >= first && !looked(last)) {
            --last;
        }
        std::fill(changedTiles_.begin(), changedTiles_.end(), false);
        for (int y = top; first <= last && y < bottom; ++y) {
            // Most rows are the same as before: one compare of the whole row tells.
            if (!RowDiffers(now, before, columnLeft(first), columnRight(last), y)) {
                continue;
            }
            for (int c = first; c <= last; ++c) {
                if (looked(c) && !changedTile(c)) {
                    changedTile(c) = RowDiffers(now, before, columnLeft(c), columnRight(c), y);
                }
            }
        }
        const std::size_t bandBegin = changed.size();
        for (int c = first; c <= last;) {
            if (!changedTile(c)) {
                ++c;
                continue;
            }
            const int runFirst = c;
            while (c <= last && changedTile(c)) {
                ++c;
            }
            const SDL_Rect run{columnLeft(runFirst), top, columnRight(c - 1) - columnLeft(runFirst),
                               bottom - top};
            // A run under one of the same width in the band above lengthens it instead.
            const auto bandStart = changed.begin() + static_cast<std::ptrdiff_t>(bandBegin);
            const auto above = std::find_if(changed.begin(), bandStart, [&](const SDL_Rect& r) {
                return r.x == run.x && r.w == run.w && r.y + r.h == top;
            });
            if (above != bandStart) {
                above->h += run.h;
            } else {
                changed.push_back(run);
            }
        }
        top = bottom;
    }
    return changed;
}

const std::vector<SDL_Rect>& Finder::Find(const SDL_Surface* now, const SDL_Surface* before,
                                          const SDL_Rect& area) {
    return Scan(now, before, area, [](int, int) { return true; });
}

std::size_t Finder::MarkOf(int column, int band) const {
    return static_cast<std::size_t>(band * markColumns_ + column);
}

void Finder::Mark(const SDL_Rect& area, int width, int height) {
    if (width != width_ || height != height_) {
        width_ = width;
        height_ = height;
        markColumns_ = TilesOver(width, kTileWidth);
        marks_.assign(MarkOf(0, TilesOver(height, kTileHeight)), true);
        anyMarked_ = true;
        return;
    }
    const SDL_Rect whole{0, 0, width, height};
    SDL_Rect inside;
    if (SDL_IntersectRect(&area, &whole, &inside) != SDL_TRUE) {
        return;
    }
    const int firstColumn = inside.x / kTileWidth;
    const int lastColumn = (inside.x + inside.w - 1) / kTileWidth;
    for (int band = inside.y / kTileHeight; band <= (inside.y + inside.h - 1) / kTileHeight; ++band) {
        std::fill(marks_.begin() + static_cast<std::ptrdiff_t>(MarkOf(firstColumn, band)),
                  marks_.begin() + static_cast<std::ptrdiff_t>(MarkOf(lastColumn + 1, band)), true);
    }
    anyMarked_ = true;
}

const std::vector<SDL_Rect>& Finder::FindMarked(const SDL_Surface* now, const SDL_Surface* before) {
    if (!anyMarked_ || now->w != width_ || now->h != height_) {
        found_.clear();
        if (anyMarked_) {
            // Marks for a picture of another size tell nothing about this one.
            Find(now, before, {0, 0, now->w, now->h});
        }
    } else {
        Scan(now, before, {0, 0, width_, height_},
             [this](int column, int band) { return static_cast<bool>(marks_[MarkOf(column, band)]); });
    }
    std::fill(marks_.begin(), marks_.end(), false);
    anyMarked_ = false;
    return found_;
}

void Finder::Forget() {
    *this = Finder{};
}

}  // namespace Wimdows::changes
