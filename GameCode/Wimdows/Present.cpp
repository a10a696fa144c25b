// Presenting: the newest frame shown in the window at the size that fits it, whole multiples pixel-exact
// and other sizes smoothed, with black bands on the other sides; nothing while the window cannot be seen.
#include <cstring>

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

using fitting::Box;

Uint32* Row(const SDL_Surface* surface, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                     static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

// Every picture pixel becomes a k × k block; at 1× a plain copy. Returns the window area it covered.
// (SDL's own stretch drifts by up to two pixels over the height of the window.)
SDL_Rect ShowMultiple(SDL_Surface* picture, const SDL_Rect& area, SDL_Surface* target, const Box& shown) {
    const int k = shown.w / picture->w;
    SDL_Rect covered{shown.x + area.x * k, shown.y + area.y * k, area.w * k, area.h * k};
    if (k == 1) {
        SDL_Rect to = covered;
        SDL_BlitSurface(picture, &area, target, &to);
        return covered;
    }
    const auto bytes = static_cast<std::size_t>(covered.w) * sizeof(Uint32);
    for (int y = 0; y < area.h; ++y) {
        const Uint32* from = Row(picture, area.y + y) + area.x;
        Uint32* first = Row(target, covered.y + y * k) + covered.x;
        for (int x = 0; x < area.w; ++x) {
            std::fill_n(first + x * k, k, from[x]);
        }
        for (int copy = 1; copy < k; ++copy) {
            std::memcpy(Row(target, covered.y + y * k + copy) + covered.x, first, bytes);
        }
    }
    return covered;
}

// Shows the changed area of the picture in the window; returns the window area to update.
SDL_Rect Show(SDL_Surface* picture, const SDL_Rect& area, SDL_Surface* target, const Box& shown) {
    SDL_Rect to{shown.x, shown.y, shown.w, shown.h};
    if (target->format->format != picture->format->format) {
        SDL_BlitScaled(picture, nullptr, target, &to);  // a display of another depth: SDL converts
    } else if (fitting::WholeMultiple(shown, {picture->w, picture->h})) {
        return ShowMultiple(picture, area, target, shown);
    } else {
        // Between whole multiples, smoothing keeps thin lines and text even; the whole picture is
        // filtered again, as a changed pixel touches its neighbours' blend.
        SDL_SoftStretchLinear(picture, nullptr, target, &to);
    }
    return to;
}

// After a resize the window's surface is new: the bands are drawn again and the whole picture shown.
bool Refit(SDL_Surface* surface, const SDL_Surface* picture) {
    Screen& s = M().screen;
    if (!s.stale && surface->w == s.surface.w && surface->h == s.surface.h) {
        return false;
    }
    s.stale = false;
    s.surface = {surface->w, surface->h};
    s.shown = fitting::Fit(s.surface, {picture->w, picture->h});
    SDL_FillRect(surface, nullptr, 0);
    return true;
}

}  // namespace

void Present(SDL_Window* window) {
    Module& m = M();
    SDL_Rect changed{0, 0, 0, 0};
    std::uint64_t frame = 0;
    {
        std::lock_guard lock(m.frontMutex);
        if (!m.front || SDL_RectEmpty(&m.dirty)) {
            return;
        }
        SDL_Rect area = m.dirty;
        frame = m.submitted;
        m.dirty = SDL_Rect{0, 0, 0, 0};
        SDL_Surface* surface =
            m.screen.hidden || !WithinLimits(window) ? nullptr : SDL_GetWindowSurface(window);
        if (surface != nullptr) {
            if (Refit(surface, m.front.get())) {
                area = SDL_Rect{0, 0, m.front->w, m.front->h};
                changed = SDL_Rect{0, 0, surface->w, surface->h};
            }
            const SDL_Rect shown = Show(m.front.get(), area, surface, m.screen.shown);
            SDL_UnionRect(&changed, &shown, &changed);
        }
    }
    if (!SDL_RectEmpty(&changed)) {
        SDL_UpdateWindowSurfaceRects(window, &changed, 1);
    }
    m.presented.store(frame);
    m.presented.notify_all();
}

void Paint() {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    if (m.back) {
        PresentArea(SDL_Rect{0, 0, m.back->w, m.back->h});
    }
}

fitting::Point GamePoint(std::int32_t x, std::int32_t y) {
    const Screen& s = M().screen;
    return fitting::ToGame({x, y}, s.shown, s.picture);
}

}  // namespace Wimdows::detail
