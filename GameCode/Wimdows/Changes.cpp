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

// Marked areas at most; more, and the whole picture is looked at.
constexpr std::size_t kMostMarks = 1024;

// Overlapping areas joined into the rectangles around them, until none overlap: a sprite that moved a little
// is one area to look at, not two.
void JoinOverlapping(std::vector<SDL_Rect>& areas) {
    for (std::size_t i = 0; i < areas.size(); ++i) {
        // The grown area may meet any other, also one looked at before.
        for (std::size_t j = 0; j < areas.size(); ++j) {
            if (j != i && SDL_HasIntersection(&areas[i], &areas[j]) == SDL_TRUE) {
                SDL_UnionRect(&areas[i], &areas[j], &areas[i]);
                areas[j] = areas.back();
                areas.pop_back();
                if (i == areas.size()) {
                    i = j;  // the grown area was the last one, moved into j's place
                }
                j = static_cast<std::size_t>(-1);
            }
        }
    }
}

}  // namespace

const std::vector<SDL_Rect>& Finder::Find(const SDL_Surface* now, const SDL_Surface* before,
                                          const SDL_Rect& area) {
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
    const auto marked = [&](int c) -> std::vector<bool>::reference {
        return changedTiles_[static_cast<std::size_t>(c)];
    };
    for (int top = area.y; top < area.y + area.h;) {
        const int bottom = std::min((top / kTileHeight + 1) * kTileHeight, area.y + area.h);
        std::fill(changedTiles_.begin(), changedTiles_.end(), false);
        for (int y = top; y < bottom; ++y) {
            // Most rows are the same as before: one compare of the whole row tells.
            if (!RowDiffers(now, before, left, right, y)) {
                continue;
            }
            for (int c = 0; c < columns; ++c) {
                if (!marked(c)) {
                    marked(c) = RowDiffers(now, before, columnLeft(c), columnRight(c), y);
                }
            }
        }
        const std::size_t bandBegin = changed.size();
        for (int c = 0; c < columns;) {
            if (!marked(c)) {
                ++c;
                continue;
            }
            const int first = c;
            while (c < columns && marked(c)) {
                ++c;
            }
            const SDL_Rect run{columnLeft(first), top, columnRight(c - 1) - columnLeft(first), bottom - top};
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

void Finder::Mark(const SDL_Rect& area, int width, int height) {
    if (width != width_ || height != height_) {
        width_ = width;
        height_ = height;
        allMarked_ = true;
    }
    const SDL_Rect whole{0, 0, width, height};
    SDL_Rect inside;
    if (allMarked_ || SDL_IntersectRect(&area, &whole, &inside) != SDL_TRUE) {
        return;
    }
    marked_.push_back(inside);
    if (marked_.size() > kMostMarks) {
        allMarked_ = true;
    }
}

const std::vector<SDL_Rect>& Finder::FindMarked(const SDL_Surface* now, const SDL_Surface* before) {
    if (allMarked_) {
        Find(now, before, {0, 0, now->w, now->h});
    } else {
        found_.clear();
        JoinOverlapping(marked_);
        for (const SDL_Rect& area : marked_) {
            int first = area.y + area.h;
            int last = area.y - 1;
            for (int y = area.y; y < area.y + area.h; ++y) {
                if (RowDiffers(now, before, area.x, area.x + area.w, y)) {
                    first = std::min(first, y);
                    last = y;
                }
            }
            if (first <= last) {
                found_.push_back({area.x, first, area.w, last - first + 1});
            }
        }
    }
    marked_.clear();
    allMarked_ = false;
    return found_;
}

void Finder::Forget() {
    *this = Finder{};
}

}  // namespace Wimdows::changes
