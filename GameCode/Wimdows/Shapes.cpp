// Rectangles, ellipses, discs, polygons and thick lines in the back buffer. SDL draws none of these
// shapes, so they are rasterised here, row by row and clipped to the back buffer.
#include <cmath>
#include <cstdio>
#include <new>
#include <vector>

#include "WimdowsState.h"

namespace Wimdows {

namespace {

using namespace detail;

struct Point {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// The pixels xa to xb of row y, both included, clipped to the surface.
void FillSpan(SDL_Surface* surface, std::int64_t y, std::int64_t xa, std::int64_t xb, Uint32 pixel) {
    xa = std::max<std::int64_t>(xa, 0);
    xb = std::min<std::int64_t>(xb, surface->w - 1);
    if (y < 0 || y >= surface->h || xa > xb) {
        return;
    }
    Uint32* row = Row(surface, static_cast<int>(y));
    std::fill(row + xa, row + xb + 1, pixel);
}

// a / b rounded to the nearest whole number, halves upwards; b is not 0.
std::int64_t RoundDiv(std::int64_t a, std::int64_t b) {
    if (b < 0) {
        a = -a;
        b = -b;
    }
    const std::int64_t n = 2 * a + b;
    const std::int64_t d = 2 * b;
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

// A one-pixel line with both end points, stepping along its longer axis; only visible steps are walked.
void Line(SDL_Surface* surface, Point a, Point b, Uint32 pixel) {
    const std::int64_t dx = b.x - a.x;
    const std::int64_t dy = b.y - a.y;
    if (dx == 0 && dy == 0) {
        FillSpan(surface, a.y, a.x, a.x, pixel);
    } else if (std::abs(dx) >= std::abs(dy)) {
        const std::int64_t from = std::max<std::int64_t>(std::min(a.x, b.x), 0);
        const std::int64_t to = std::min<std::int64_t>(std::max(a.x, b.x), surface->w - 1);
        for (std::int64_t x = from; x <= to; ++x) {
            FillSpan(surface, a.y + RoundDiv((x - a.x) * dy, dx), x, x, pixel);
        }
    } else {
        const std::int64_t from = std::max<std::int64_t>(std::min(a.y, b.y), 0);
        const std::int64_t to = std::min<std::int64_t>(std::max(a.y, b.y), surface->h - 1);
        for (std::int64_t y = from; y <= to; ++y) {
            const std::int64_t x = a.x + RoundDiv((y - a.y) * dx, dy);
            FillSpan(surface, y, x, x, pixel);
        }
    }
}

// Fills every pixel whose centre the outline winds around (non-zero winding: also where it crosses itself).
void FillWinding(SDL_Surface* surface, const std::vector<Point>& points, std::int64_t top,
                 std::int64_t bottom, Uint32 pixel) {
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (std::int64_t y = std::max<std::int64_t>(top, 0); y <= std::min<std::int64_t>(bottom, surface->h - 1);
         ++y) {
        const double yc = static_cast<double>(y) + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i];
            const Point b = points[(i + 1) % points.size()];
            const auto ay = static_cast<double>(a.y);
            const auto by = static_cast<double>(b.y);
            if ((ay <= yc) != (by <= yc)) {
                const double x =
                    static_cast<double>(a.x) + (yc - ay) * static_cast<double>(b.x - a.x) / (by - ay);
                crossings.push_back({x, ay <= yc ? 1 : -1});
            }
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int winding = 0;
        double start = 0;
        for (const Crossing& crossing : crossings) {
            const int before = winding;
            winding += crossing.direction;
            if (before == 0) {
                start = crossing.x;
            } else if (winding == 0) {
                FillSpan(surface, y, static_cast<std::int64_t>(std::ceil(start - 0.5)),
                         static_cast<std::int64_t>(std::ceil(crossing.x - 0.5)) - 1, pixel);
            }
        }
    }
}

// The pixels of row y whose centres lie in the ellipse inscribed in the box x0 to x1, y0 to y1 (right
// column and bottom row excluded); false when the row has none.
struct EllipseBox {
    std::int64_t x0, y0, x1, y1;

    bool Span(std::int64_t y, std::int64_t& left, std::int64_t& right) const {
        if (y < y0 || y >= y1) {
            return false;
        }
        const double cx = static_cast<double>(x0 + x1) / 2;
        const double cy = static_cast<double>(y0 + y1) / 2;
        const double dy = (static_cast<double>(y) + 0.5 - cy) / (static_cast<double>(y1 - y0) / 2);
        const double half = static_cast<double>(x1 - x0) / 2 * std::sqrt(std::max(0.0, 1 - dy * dy));
        left = std::max(x0, static_cast<std::int64_t>(std::ceil(cx - half - 0.5)));
        right = std::min(x1 - 1, static_cast<std::int64_t>(std::floor(cx + half - 0.5)));
        return left <= right;
    }
};

void DrawEllipse(SDL_Surface* surface, const EllipseBox& box, Uint32 pixel, bool fill) {
    const std::int64_t top = std::max<std::int64_t>(box.y0, 0);
    const std::int64_t bottom = std::min<std::int64_t>(box.y1 - 1, surface->h - 1);
    for (std::int64_t y = top; y <= bottom; ++y) {
        std::int64_t left = 0;
        std::int64_t right = 0;
        if (!box.Span(y, left, right)) {
            continue;
        }
        if (fill) {
            FillSpan(surface, y, left, right, pixel);
            continue;
        }
        // The outline: the row minus what lies inside the rows above and below it as well.
        std::int64_t innerLeft = left + 1;
        std::int64_t innerRight = right - 1;
        for (const std::int64_t neighbour : {y - 1, y + 1}) {
            std::int64_t l = 0;
            std::int64_t r = 0;
            if (!box.Span(neighbour, l, r)) {
                innerRight = innerLeft - 1;
                break;
            }
            innerLeft = std::max(innerLeft, l);
            innerRight = std::min(innerRight, r);
        }
        if (innerLeft > innerRight) {
            FillSpan(surface, y, left, right, pixel);
        } else {
            FillSpan(surface, y, left, innerLeft - 1, pixel);
            FillSpan(surface, y, innerRight + 1, right, pixel);
        }
    }
}

// Draws a shape of the box with both corners given, in either order, while a window is open; shows the box
// at once when unbuffered.
template <class Draw>
void UpdateDC(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, Draw draw) {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    if (m.back) {
        const SDL_Rect box = BoxOf(x0, y0, x1, y1);
        BeforeDrawing(box);
        draw(m.back.get(), box);
        Drawn(box);
    }
}

}  // namespace

void ClearScreen() {
    std::int32_t width = 0;
    std::int32_t height = 0;
    {
        std::lock_guard lock(M().drawMutex);
        width = static_cast<std::int32_t>(M().window.xlen);
        height = static_cast<std::int32_t>(M().window.ylen);
    }
    Rectangle(0, 0, width, height, 0, true);
}

void Rectangle(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::uint32_t color,
               bool fill) {
    UpdateDC(x0, y0, x1, y1, [&](SDL_Surface* back, const SDL_Rect& box) {
        if (fill) {
            SDL_FillRect(back, &box, ToPixel(color));
        } else {
            const SDL_Rect sides[] = {{box.x, box.y, box.w, 1},
                                      {box.x, box.y + box.h - 1, box.w, 1},
                                      {box.x, box.y, 1, box.h},
                                      {box.x + box.w - 1, box.y, 1, box.h}};
            SDL_FillRects(back, sides, 4, ToPixel(color));
        }
    });
}

void Ellipse(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::uint32_t color,
             bool fill) {
    UpdateDC(x0, y0, x1, y1, [&](SDL_Surface* back, const SDL_Rect& box) {
        DrawEllipse(back, EllipseBox{box.x, box.y, box.x + box.w - 1, box.y + box.h - 1}, ToPixel(color),
                    fill);
    });
}

void Disc(std::int32_t x0, std::int32_t y0, std::uint32_t radius, std::uint32_t color) {
    const std::int64_t r = std::min<std::int64_t>(radius, kFar);
    Ellipse(Far(x0 - r), Far(y0 - r), Far(x0 + r), Far(y0 + r), color, true);
}

void Polygon(std::uint32_t n, const std::int32_t* x, const std::int32_t* y, std::uint32_t color, bool fill) {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    if (!m.back || n == 0 || x == nullptr || y == nullptr) {
        return;
    }
    std::vector<Point> points;
    try {
        points.resize(n);
    } catch (const std::bad_alloc&) {
        std::puts("OUT OF MEMORY!! (In Wimdows)   ");
        return;
    }
    Point low{Far(x[0]), Far(y[0])};
    Point high = low;
    for (std::uint32_t i = 0; i < n; ++i) {
        points[i] = Point{Far(x[i]), Far(y[i])};
        low = Point{std::min(low.x, points[i].x), std::min(low.y, points[i].y)};
        high = Point{std::max(high.x, points[i].x), std::max(high.y, points[i].y)};
    }
    const Uint32 pixel = ToPixel(color);
    const SDL_Rect box = BoxOf(static_cast<std::int32_t>(low.x), static_cast<std::int32_t>(low.y),
                               static_cast<std::int32_t>(high.x), static_cast<std::int32_t>(high.y));
    BeforeDrawing(box);
    if (fill) {
        FillWinding(m.back.get(), points, low.y, high.y, pixel);
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        Line(m.back.get(), points[i], points[(i + 1) % points.size()], pixel);
    }
    Drawn(box);
}

void ThickLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::uint32_t color,
               std::uint32_t thickness) {
    const std::int64_t t = (std::int64_t{thickness} + 1) / 2;
    std::int64_t a = 0;
    std::int64_t b = 0;
    if (x0 == x1) {
        a = t;
    } else if (y0 == y1) {
        b = t;
    } else {
        // The perpendicular (a, -b), t long before truncation, in 32-bit floats.
        const float slope =
            static_cast<float>(std::int64_t{y0} - y1) / static_cast<float>(std::int64_t{x0} - x1);
        const float s =
            std::sqrt(static_cast<float>(static_cast<std::uint32_t>(t * t)) / (slope * slope + 1.0f));
        a = static_cast<std::int64_t>(s * slope);
        b = static_cast<std::int64_t>(s);
    }
    const std::int32_t xs[5] = {Far(x0 + a), Far(x0 - a), Far(x1 - a), Far(x1 + a), Far(x0 + a)};
    const std::int32_t ys[5] = {Far(y0 - b), Far(y0 + b), Far(y1 + b), Far(y1 - b), Far(y0 - b)};
    Polygon(5, xs, ys, color, true);
}

}  // namespace Wimdows
