#include "WimdowsFrames.h"

#include "WimdowsState.h"

namespace Wimdows {

namespace detail {

std::uint32_t PixelOf(const SDL_Surface* surface, std::int32_t x, std::int32_t y) {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return 0;
    }
    return FromPixel(Row(surface, y)[x]);
}

std::vector<std::uint32_t> ColorsOf(const SDL_Surface* surface) {
    std::vector<std::uint32_t> frame;
    if (surface != nullptr) {
        frame.reserve(static_cast<std::size_t>(surface->w) * static_cast<std::size_t>(surface->h));
        for (std::int32_t y = 0; y < surface->h; ++y) {
            const Uint32* row = Row(surface, y);
            for (std::int32_t x = 0; x < surface->w; ++x) {
                frame.push_back(FromPixel(row[x]));
            }
        }
    }
    return frame;
}

}  // namespace detail

namespace frames {

using namespace detail;

std::vector<std::uint32_t> BackFrame() {
    std::lock_guard lock(M().drawMutex);
    return ColorsOf(M().back.get());
}

void WaitPresented() {
    Module& m = M();
    std::uint64_t target = 0;
    {
        std::lock_guard lock(m.frontMutex);
        target = m.submitted;
    }
    for (std::uint64_t done = m.presented.load(); done < target; done = m.presented.load()) {
        m.presented.wait(done);
    }
}

void SetHandOver(bool on) {
    std::lock_guard lock(M().drawMutex);
    M().handOver = on;
}

}  // namespace frames

}  // namespace Wimdows
