#include "WimdowsFrames.h"

#include "WimdowsState.h"

namespace Wimdows {

namespace detail {

namespace {

// Eight at a time into a buffer of its own, which the compiler turns into vector instructions: a replay
// reads every frame it hashes.
void ToColors(const Uint32* __restrict pixels, std::uint32_t* __restrict colors, std::size_t count) {
    std::size_t x = 0;
    for (; x + 8 <= count; x += 8) {
        for (std::size_t i = 0; i < 8; ++i) {
            colors[x + i] = FromPixel(pixels[x + i]);
        }
    }
    for (; x < count; ++x) {
        colors[x] = FromPixel(pixels[x]);
    }
}

}  // namespace

std::uint32_t PixelOf(const SDL_Surface* surface, std::int32_t x, std::int32_t y) {
    if (surface == nullptr || x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return 0;
    }
    return FromPixel(Row(surface, y)[x]);
}

std::vector<std::uint32_t> ColorsOf(const SDL_Surface* surface) {
    std::vector<std::uint32_t> frame;
    if (surface != nullptr) {
        const auto width = static_cast<std::size_t>(surface->w);
        frame.resize(width * static_cast<std::size_t>(surface->h));
        for (std::int32_t y = 0; y < surface->h; ++y) {
            ToColors(Row(surface, y), frame.data() + width * static_cast<std::size_t>(y), width);
        }
    }
    return frame;
}

}  // namespace detail

namespace frames {

using namespace detail;

std::vector<std::uint32_t> BackFrame() {
    std::lock_guard lock(M().drawMutex);
    return ColorsOf(BackBuffer());
}

void ReadBackRows(const std::function<void(std::span<const std::uint32_t>)>& read) {
    std::lock_guard lock(M().drawMutex);
    const SDL_Surface* back = BackBuffer();
    if (back == nullptr) {
        return;
    }
    const auto width = static_cast<std::size_t>(back->w);
    thread_local std::vector<std::uint32_t> colors;
    colors.resize(width);
    for (std::int32_t y = 0; y < back->h; ++y) {
        ToColors(Row(back, y), colors.data(), width);
        read(colors);
    }
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

void SetIncremental(bool on) {
    std::lock_guard lock(M().drawMutex);
    BackBuffer();
    M().backdrop = Backdrop{};
    M().incremental = on;
}

}  // namespace frames

}  // namespace Wimdows
