// Handing frames over: what drawing calls changed in the back buffer goes to the window thread, which
// presents it.
#include "WimdowsState.h"

namespace Wimdows {

namespace detail {

void HandOver() {
    Module& m = M();
    if (!m.back || !m.handOver) {
        return;
    }
    SDL_Surface* back = BackBuffer();
    if (!m.incremental) {
        m.changes.Mark({0, 0, back->w, back->h}, back->w, back->h);
    }
    // Only this thread writes the front buffer, and it holds drawMutex, under which the window thread
    // releases it: comparing needs no lock, so presenting never waits for it. Outside what was written
    // since the last hand-over, the two buffers are the same.
    const std::vector<SDL_Rect>& changed = m.changes.FindMarked(back, m.front.get());
    if (changed.empty()) {
        return;
    }
    {
        std::lock_guard lock(m.frontMutex);
        for (const SDL_Rect& r : changed) {
            CopyPixels(back, r, m.front.get(), {r.x, r.y});
        }
        AddAreas(m.dirty, changed);
        ++m.submitted;
    }
    m.wake.Notify();
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
        HandOver();
    }
    m.buffering = state;
}

void UpdateWindow() {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    HandOver();
}

}  // namespace Wimdows
