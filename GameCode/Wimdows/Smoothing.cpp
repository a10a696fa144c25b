#include "Smoothing.h"

#include <algorithm>
#include <cstddef>

#include "Pixels.h"

namespace Wimdows::smoothing {

namespace {

using detail::Row;

// a and b mixed, b weighing w of 256, rounded; red and blue are worked out together, in one word (each has
// 16 bits of room: 255 · 256 + 128 fits).
Uint32 Mix(Uint32 a, Uint32 b, std::uint32_t w) {
    const std::uint32_t v = 256 - w;
    const Uint32 redBlue = (((a & 0xFF00FFu) * v + (b & 0xFF00FFu) * w + 0x800080u) >> 8) & 0xFF00FFu;
    const Uint32 green = (((a & 0x00FF00u) * v + (b & 0x00FF00u) * w + 0x008000u) >> 8) & 0x00FF00u;
    return redBlue | green;
}

}  // namespace

Scaler::Scaler(fitting::Size picture, const fitting::Box& shown)
    : shown_(shown), columns_(Taps(picture.w, shown.w)), rows_(Taps(picture.h, shown.h)) {}

std::vector<Scaler::Tap> Scaler::Taps(std::int32_t pictureLength, std::int32_t shownLength) {
    // The centre of window pixel d lies at picture position (d + 1/2) · P / S − 1/2: in units of 1/(2S),
    // (2d + 1) · P − S. Beyond the first and last centres the edge pixel is taken alone.
    std::vector<Tap> taps(static_cast<std::size_t>(std::max(shownLength, 0)));
    const std::int64_t unit = 2 * std::int64_t{shownLength};
    for (std::int32_t d = 0; d < shownLength; ++d) {
        const std::int64_t at = (2 * std::int64_t{d} + 1) * pictureLength - shownLength;
        Tap& tap = taps[static_cast<std::size_t>(d)];
        if (at <= 0) {
            tap = {0, 0};
        } else if (at >= (std::int64_t{pictureLength} - 1) * unit) {
            tap = {pictureLength - 1, 0};
        } else {
            tap = {static_cast<std::int32_t>(at / unit),
                   static_cast<std::uint32_t>((at % unit) * 256 / unit)};
        }
    }
    return taps;
}

SDL_Rect Scaler::WindowAreaOf(const SDL_Rect& pictureArea) const {
    // Window pixels that read a picture pixel in [from, to): those whose tap or the one after it lies there.
    const auto range = [](const std::vector<Tap>& taps, std::int32_t from, std::int32_t to) {
        const auto begin =
            std::partition_point(taps.begin(), taps.end(), [&](const Tap& t) { return t.first + 1 < from; });
        const auto end = std::partition_point(begin, taps.end(), [&](const Tap& t) { return t.first < to; });
        return std::pair(static_cast<std::int32_t>(begin - taps.begin()),
                         static_cast<std::int32_t>(end - taps.begin()));
    };
    const auto [left, right] = range(columns_, pictureArea.x, pictureArea.x + pictureArea.w);
    const auto [top, bottom] = range(rows_, pictureArea.y, pictureArea.y + pictureArea.h);
    return SDL_Rect{shown_.x + left, shown_.y + top, right - left, bottom - top};
}

void Scaler::Draw(const SDL_Surface* picture, SDL_Surface* target, const SDL_Rect& windowArea) const {
    const std::int32_t lastColumn = picture->w - 1;
    const std::int32_t lastRow = picture->h - 1;
    for (std::int32_t y = windowArea.y; y < windowArea.y + windowArea.h; ++y) {
        const Tap& row = rows_[static_cast<std::size_t>(y - shown_.y)];
        const Uint32* upper = Row(picture, row.first);
        const Uint32* lower = Row(picture, std::min(row.first + 1, lastRow));
        Uint32* out = Row(target, y);
        for (std::int32_t x = windowArea.x; x < windowArea.x + windowArea.w; ++x) {
            const Tap& column = columns_[static_cast<std::size_t>(x - shown_.x)];
            const std::int32_t next = std::min(column.first + 1, lastColumn);
            out[x] = Mix(Mix(upper[column.first], upper[next], column.weight),
                         Mix(lower[column.first], lower[next], column.weight), row.weight);
        }
    }
}

}  // namespace Wimdows::smoothing
