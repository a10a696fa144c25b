// One frame of the game on the window layer: a full-window background, 15 masked 100 × 60 sprites, 30
// bullets and 8 texts; drawn only, handed to the window thread, and shown. Beside it the plain copies a
// frame is made of, measured in the same run: a full-window blit and a 3 MB memcpy.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Wimdows/Wimdows.h"
#include "WimdowsTesting.h"

namespace {

namespace wt = Wimdows::testing;

constexpr std::uint32_t kWidth = 1000;
constexpr std::uint32_t kHeight = 750;

bool HaveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

// The frame's pictures, written to a temporary folder and loaded once into an open window.
struct Scene {
    std::uint32_t background = 0;
    std::uint32_t sprite = 0;
    std::uint32_t spriteMask = 0;
    std::uint32_t bullet = 0;
    std::uint32_t bulletMask = 0;
};

std::uint32_t Load(const std::filesystem::path& dir, const char* name, std::uint32_t width,
                   std::uint32_t height, std::uint32_t (*color)(std::uint32_t x, std::uint32_t y)) {
    std::vector<std::uint32_t> pixels(std::size_t{width} * height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            pixels[std::size_t{y} * width + x] = color(x, y);
        }
    }
    const std::string file = (dir / name).string();
    wt::SaveBitmapFile(file.c_str(), width, height, pixels);
    return Wimdows::LoadBitmap(file.c_str(), width, height);
}

const Scene& OpenScene() {
    static const Scene scene = [] {
        if (!HaveDisplay()) {
            setenv("SDL_VIDEODRIVER", "dummy", 0);
        }
        Wimdows::Window("Game", kWidth, kHeight);
        Wimdows::SetBuffering(true);
        std::string pattern = (std::filesystem::temp_directory_path() / "frame-bench-XXXXXX").string();
        const std::filesystem::path dir = mkdtemp(pattern.data());
        Scene s;
        s.background = Load(dir, "sky.bmp", kWidth, kHeight, [](std::uint32_t x, std::uint32_t y) {
            return (x * 255 / kWidth) << 16 | (y * 255 / kHeight) << 8 | 0x40;
        });
        s.sprite = Load(dir, "plane.bmp", 100, 60,
                        [](std::uint32_t x, std::uint32_t y) { return x * 2 | (y * 4) << 8; });
        s.spriteMask = Load(dir, "planeMono.bmp", 100, 60, [](std::uint32_t x, std::uint32_t y) {
            const int dx = static_cast<int>(x) - 50;
            const int dy = static_cast<int>(y) - 30;
            return dx * dx / 4 + dy * dy < 600 ? 0xFFFFFFu : 0u;
        });
        s.bullet = Load(dir, "bullet.bmp", 14, 3, [](std::uint32_t, std::uint32_t) { return 0x20E0F0u; });
        s.bulletMask = Load(dir, "bulletMono.bmp", 14, 3, [](std::uint32_t x, std::uint32_t y) {
            return (x == 0 || x == 13) && y != 1 ? 0u : 0xFFFFFFu;
        });
        std::filesystem::remove_all(dir);
        return s;
    }();
    return scene;
}

void DrawFrame(const Scene& s, std::int32_t frame) {
    Wimdows::DrawBitmap(s.background, 0, 0);
    for (std::int32_t i = 0; i < 15; ++i) {
        Wimdows::DrawMaskBitmap(s.sprite, s.spriteMask, (i * 67 + frame) % 1040 - 40, 40 + i * 40);
    }
    for (std::int32_t i = 0; i < 30; ++i) {
        Wimdows::DrawMaskBitmap(s.bullet, s.bulletMask, (i * 31 + frame * 3) % 1000, 100 + i * 19);
    }
    Wimdows::SetFont(2, 0xB0);
    Wimdows::Text("FUEL", 10, 715);
    Wimdows::Text("BOMBS", 270, 715);
    Wimdows::Text("SCORE: ", 540, 715);
    Wimdows::TextInt(12340 + frame % 100, 590, 715);
    Wimdows::Text("LIFE:", 730, 715);
    Wimdows::Text("LEVEL 3", 10, 730);
    Wimdows::Text("EASY", 270, 730);
    Wimdows::TextCard(7, 770, 715);
}

void BM_Memcpy3MB(benchmark::State& state) {
    std::vector<char> from(kWidth * kHeight * 4, 1);
    std::vector<char> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void BM_FullWindowBlit(benchmark::State& state) {
    SDL_Surface* from = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Surface* to = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_RGB888);
    SDL_FillRect(from, nullptr, 0x406080);  // real pages: an untouched surface reads one shared zero page
    for (auto _ : state) {
        SDL_BlitSurface(from, nullptr, to, nullptr);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(from);
    SDL_FreeSurface(to);
}

void BM_FrameDrawn(benchmark::State& state) {
    const Scene& scene = OpenScene();
    std::int32_t frame = 0;
    for (auto _ : state) {
        DrawFrame(scene, ++frame);
    }
}

// The main thread's part: the frame drawn and handed over; the window thread shows it meanwhile.
void BM_FrameHandedOver(benchmark::State& state) {
    const Scene& scene = OpenScene();
    std::int32_t frame = 0;
    for (auto _ : state) {
        DrawFrame(scene, ++frame);
        Wimdows::UpdateWindow();
    }
    Wimdows::frames::WaitPresented();
}

// Drawn, handed over and on the screen before the next frame starts.
void BM_FramePresented(benchmark::State& state) {
    if (!HaveDisplay()) {
        state.SkipWithError("no DISPLAY: presenting is measured on an X server (Xvfb)");
        return;
    }
    const Scene& scene = OpenScene();
    std::int32_t frame = 0;
    for (auto _ : state) {
        DrawFrame(scene, ++frame);
        Wimdows::UpdateWindow();
        Wimdows::frames::WaitPresented();
    }
}

BENCHMARK(BM_Memcpy3MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullWindowBlit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameDrawn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FrameHandedOver)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FramePresented)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Wimdows::KillWindow();
    return 0;
}
