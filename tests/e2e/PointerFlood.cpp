// Sends a burst of pointer moves through the XTEST extension, as fast as the X server takes them: what a
// remote desktop or a broken mouse driver can do to a window.
// Usage: pointer_flood <events> <x0> <y0> <width> <height>; moves inside that area of the screen.
#include <X11/Xlib.h>
#include <X11/Xlibint.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// XTEST's FakeInput request (its protocol header is not always installed): a 4-byte header and the event.
constexpr int kFakeInput = 2;
constexpr int kRequestBytes = 36;
constexpr int kFlushEvery = 256;

void FakeMotion(Display* display, int major, int x, int y) {
    LockDisplay(display);
    auto* request = static_cast<unsigned char*>(_XGetRequest(display, static_cast<CARD8>(major), kRequestBytes));
    if (request != nullptr) {
        // The request's header (opcode, length) is set; the minor opcode and one motion event follow.
        request[1] = kFakeInput;
        std::memset(request + 4, 0, kRequestBytes - 4);
        request[4] = MotionNotify;
        const auto rootX = static_cast<std::uint16_t>(x);
        const auto rootY = static_cast<std::uint16_t>(y);
        std::memcpy(request + 24, &rootX, sizeof rootX);
        std::memcpy(request + 26, &rootY, sizeof rootY);
    }
    UnlockDisplay(display);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <events> <x0> <y0> <width> <height>\n", argv[0]);
        return 2;
    }
    const long events = std::strtol(argv[1], nullptr, 10);
    const int x0 = std::atoi(argv[2]);
    const int y0 = std::atoi(argv[3]);
    const int width = std::atoi(argv[4]);
    const int height = std::atoi(argv[5]);
    Display* display = XOpenDisplay(nullptr);
    int major = 0;
    int firstEvent = 0;
    int firstError = 0;
    if (width < 1 || height < 1) {
        std::fprintf(stderr, "pointer_flood: an empty area\n");
        return 2;
    }
    if (display == nullptr || !XQueryExtension(display, "XTEST", &major, &firstEvent, &firstError)) {
        std::fprintf(stderr, "pointer_flood: no display with XTEST\n");
        return 1;
    }
    for (long i = 0; i < events; ++i) {
        FakeMotion(display, major, x0 + static_cast<int>(i * 7 % width), y0 + static_cast<int>(i * 13 % height));
        if (i % kFlushEvery == 0) {
            XFlush(display);
        }
    }
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
