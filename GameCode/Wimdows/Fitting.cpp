#include "Fitting.h"

#include <algorithm>

namespace Wimdows::fitting {

namespace {

// Whatever a window system reports, sizes stay where the arithmetic below cannot overflow.
constexpr std::int64_t kLargest = std::int64_t{1} << 24;

std::int32_t Clamp(std::int64_t v, std::int64_t low, std::int64_t high) {
    return static_cast<std::int32_t>(std::clamp(v, low, high));
}

// a / b rounded down, also for negative a; b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

Size Sane(Size s) {
    return {Clamp(s.w, 1, kLargest), Clamp(s.h, 1, kLargest)};
}

}  // namespace

Box Fit(Size window, Size picture) {
    const Size win = Sane(window);
    const Size pic = Sane(picture);
    std::int64_t w = win.w;
    std::int64_t h = win.h;
    // Compare the shapes by cross-multiplying; the narrower side decides the scale, rounded to nearest.
    if (std::int64_t{win.w} * pic.h <= std::int64_t{win.h} * pic.w) {
        h = (2 * std::int64_t{win.w} * pic.h + pic.w) / (2 * std::int64_t{pic.w});
    } else {
        w = (2 * std::int64_t{win.h} * pic.w + pic.h) / (2 * std::int64_t{pic.h});
    }
    const std::int32_t fw = Clamp(w, 1, win.w);
    const std::int32_t fh = Clamp(h, 1, win.h);
    return {(win.w - fw) / 2, (win.h - fh) / 2, fw, fh};
}

bool WholeMultiple(const Box& shown, Size picture) {
    const Size pic = Sane(picture);
    return shown.w >= pic.w && shown.w % pic.w == 0 && shown.h % pic.h == 0 &&
           shown.w / pic.w == shown.h / pic.h;
}

Frame Plausible(const Frame& frame, const Box& usable) {
    const auto side = [](std::int32_t length) { return std::max<std::int32_t>(length, 0); };
    const Frame sure{side(frame.left), side(frame.right), side(frame.top), side(frame.bottom)};
    if (4 * (std::int64_t{sure.left} + sure.right) > usable.w ||
        4 * (std::int64_t{sure.top} + sure.bottom) > usable.h) {
        return {};
    }
    return sure;
}

Size OpeningSize(const Box& usable, const Frame& reported, Size picture) {
    const Size pic = Sane(picture);
    if (usable.w <= 0 || usable.h <= 0) {
        return pic;
    }
    const Frame frame = Plausible(reported, usable);
    const std::int64_t roomW = std::int64_t{usable.w} - frame.left - frame.right;
    const std::int64_t roomH = std::int64_t{usable.h} - frame.top - frame.bottom;
    const std::int64_t scale = std::min<std::int64_t>({roomW / pic.w, roomH / pic.h, kMaxScale});
    if (scale >= 1) {
        return {Clamp(scale * pic.w, 1, kLargest), Clamp(scale * pic.h, 1, kLargest)};
    }
    const Box box = Fit({Clamp(roomW, 1, kLargest), Clamp(roomH, 1, kLargest)}, pic);
    return {box.w, box.h};
}

Point OpeningPlace(const Box& usable, const Frame& reported, Size client) {
    const Frame frame = Plausible(reported, usable);
    const std::int64_t outerW = std::int64_t{client.w} + frame.left + frame.right;
    const std::int64_t outerH = std::int64_t{client.h} + frame.top + frame.bottom;
    const std::int64_t x = usable.x + std::max<std::int64_t>(0, (usable.w - outerW) / 2) + frame.left;
    const std::int64_t y = usable.y + std::max<std::int64_t>(0, (usable.h - outerH) / 2) + frame.top;
    return {Clamp(x, -kLargest, kLargest), Clamp(y, -kLargest, kLargest)};
}

Box Refit(const Box& client, const Box& usable, const Frame& reported, Size picture) {
    if (usable.w <= 0 || usable.h <= 0) {
        return client;
    }
    const Frame frame = Plausible(reported, usable);
    const std::int64_t outerW = std::int64_t{client.w} + frame.left + frame.right;
    const std::int64_t outerH = std::int64_t{client.h} + frame.top + frame.bottom;
    if (outerW > usable.w || outerH > usable.h) {
        const Size size = OpeningSize(usable, frame, picture);
        const Point place = OpeningPlace(usable, frame, size);
        return {place.x, place.y, size.w, size.h};
    }
    // The frame's corner moves just far enough for the frame to lie inside; the client area keeps its offset.
    const auto into = [](std::int64_t at, std::int64_t before, std::int64_t outer, std::int64_t start,
                         std::int64_t length) {
        return Clamp(std::clamp(at - before, start, start + length - outer) + before, -kLargest, kLargest);
    };
    return {into(client.x, frame.left, outerW, usable.x, usable.w),
            into(client.y, frame.top, outerH, usable.y, usable.h), client.w, client.h};
}

Point ToGame(Point window, const Box& shown, Size picture) {
    const Size pic = Sane(picture);
    const Size box = Sane({shown.w, shown.h});
    // The game pixel under the window pixel's centre, as the nearest-neighbour picture shows it.
    const auto axis = [](std::int64_t at, std::int64_t start, std::int64_t length,
                         std::int64_t pictureLength) {
        return Clamp(FloorDiv((2 * (at - start) + 1) * pictureLength, 2 * length), -kLargest, kLargest);
    };
    return {axis(window.x, shown.x, box.w, pic.w), axis(window.y, shown.y, box.h, pic.h)};
}

}  // namespace Wimdows::fitting
