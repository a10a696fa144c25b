// Handing frames over: what a drawing call or UpdateWindow changed in the back buffer goes to the window
// thread, which presents it.
#include "WimdowsState.h"

namespace Wimdows {

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

}  // namespace detail

using namespace detail;

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
