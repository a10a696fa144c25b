// libFuzzer target for picture loading: the fuzzer's bytes become a picture file that the window layer
// loads at the file's own size and stretched, and draws plain and through itself as a mask.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "Wimdows/Wimdows.h"

namespace {

// Every distinct file stays loaded for the life of the window: reopen it now and then to stay small.
constexpr int kLoadsPerWindow = 256;

std::string& PicturePath() {
    static std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        return std::string(folder != nullptr ? folder : "/tmp") + "/saltwing-fuzz-" +
               std::to_string(getpid()) + ".bmp";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    Wimdows::Window("Game", 320, 200);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int loads = 0;
    if (++loads % kLoadsPerWindow == 0) {
        Wimdows::Window("Game", 320, 200);
        Wimdows::SetBuffering(true);
    }
    const std::string& path = PicturePath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::uint32_t asIs = Wimdows::LoadBitmap(path.c_str(), 0, 0);
    const std::uint32_t stretched = Wimdows::LoadBitmap(path.c_str(), 37, 23);
    Wimdows::DrawBitmap(asIs, -3, 5);
    Wimdows::DrawMaskBitmap(stretched, stretched, 300, 190);
    unlink(path.c_str());
    return 0;
}
