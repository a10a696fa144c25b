// Presenting: the newest frame shown in the window at the size that fits it, whole multiples pixel-exact
// and other sizes smoothed, with black bands on the other sides; nothing while the window cannot be seen.
#include <cstring>

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

using fitting::Box;

// Every picture pixel becomes a k × k block; at 1× a plain copy. Returns the window area it covered.
// (SDL's own stretch drifts by up to two pixels over the height of the window.)
SDL_Rect ShowMultiple(SDL_Surface* picture, const SDL_Rect& area, SDL_Surface* target, const Box& shown) {
    const int k = shown.w / picture->w;
    SDL_Rect covered{shown.x + area.x * k, shown.y + area.y * k, area.w * k, area.h * k};
    if (k == 1) {
        CopyPixels(picture, area, target, {covered.x, covered.y});
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

// Shows the changed areas of the picture in the window; adds the window areas to update to `updated`.
void Show(SDL_Surface* picture, const std::vector<SDL_Rect>& areas, SDL_Surface* target,
          std::vector<SDL_Rect>& updated) {
    const View& s = M().view;
    if (target->format->format != picture->format->format) {
        SDL_Rect to{s.shown.x, s.shown.y, s.shown.w, s.shown.h};
        SDL_BlitScaled(picture, nullptr, target, &to);  // a display of another depth: SDL converts
        updated.push_back(to);
        return;
    }
    const bool whole = fitting::WholeMultiple(s.shown, {picture->w, picture->h});
    for (const SDL_Rect& area : areas) {
        if (whole) {
            updated.push_back(ShowMultiple(picture, area, target, s.shown));
        } else {
            // Between whole multiples, smoothing keeps thin lines and text even.
            const SDL_Rect window = s.smoother.WindowAreaOf(area);
            s.smoother.Draw(picture, target, window);
            updated.push_back(window);
        }
    }
}

// After a resize the window's surface is new: the bands are drawn again and the whole picture shown.
bool Refit(SDL_Surface* surface, const SDL_Surface* picture) {
    View& s = M().view;
    if (!s.stale && surface->w == s.surface.w && surface->h == s.surface.h) {
        return false;
    }
    s.stale = false;
    s.surface = {surface->w, surface->h};
    s.shown = fitting::Fit(s.surface, {picture->w, picture->h});
    s.smoother = smoothing::Scaler({picture->w, picture->h}, s.shown);
    SDL_FillRect(surface, nullptr, 0);
    return true;
}

}  // namespace

void Present(SDL_Window* window) {
    Module& m = M();
    std::vector<SDL_Rect>& updated = m.view.updated;
    updated.clear();
    // Taken before the lock: after a resize SDL makes the surface anew, with round trips to a display that
    // may have frozen, and the main thread's hand-over must not wait on that. Otherwise it is only looked up.
    SDL_Surface* surface = m.view.hidden || !WithinLimits(window) ? nullptr : SDL_GetWindowSurface(window);
    std::uint64_t frame = 0;
    {
        std::lock_guard lock(m.frontMutex);
        if (!m.front || m.dirty.empty()) {
            return;
        }
        frame = m.submitted;
        if (surface != nullptr) {
            const bool refit = Refit(surface, m.front.get());
            if (refit) {
                m.dirty.assign(1, SDL_Rect{0, 0, m.front->w, m.front->h});
            }
            Show(WithPausePlaque(m.front.get(), m.dirty), m.dirty, surface, updated);
            if (refit) {
                updated.assign(1, SDL_Rect{0, 0, surface->w, surface->h});
            }
        }
        m.dirty.clear();
    }
    if (!updated.empty()) {
        SDL_UpdateWindowSurfaceRects(window, updated.data(), static_cast<int>(updated.size()));
    }
    m.presented.store(frame);
    m.presented.notify_all();
}

void Paint() {
    Module& m = M();
    std::lock_guard lock(m.frontMutex);
    if (m.front) {
        m.dirty.assign(1, SDL_Rect{0, 0, m.front->w, m.front->h});
    }
}

fitting::Point GamePoint(std::int32_t x, std::int32_t y) {
    const View& s = M().view;
    return fitting::ToGame({x, y}, s.shown, s.picture);
}

}  // namespace Wimdows::detail
