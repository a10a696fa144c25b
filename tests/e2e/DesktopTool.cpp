// Changes the desktop under the game the way a player's does, for the end-to-end tests:
//   desktop_tool panel ROWS    maps a dock window along the bottom edge that reserves ROWS rows (a panel)
//                              and keeps it until the tool is ended;
//   desktop_tool screen WxH    sets the X screen to W × H through RandR (a monitor swapped for a smaller
//   one).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: desktop_tool panel ROWS | desktop_tool screen WxH\n");
    return 2;
}

void SetCardinals(Display* display, Window window, const char* name, const long* values, int count) {
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values), count);
}

[[noreturn]] void KeepPanel(Display* display, int rows) {
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    const Window panel =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, height - rows,
                            static_cast<unsigned>(width), static_cast<unsigned>(rows), 0, 0, 0x404040);
    Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(display, panel, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&dock), 1);
    // left, right, top, bottom, then the ends of each edge's stretch
    const long strut[12] = {0, 0, 0, rows, 0, 0, 0, 0, 0, 0, 0, width - 1};
    SetCardinals(display, panel, "_NET_WM_STRUT", strut, 4);
    SetCardinals(display, panel, "_NET_WM_STRUT_PARTIAL", strut, 12);
    XMapWindow(display, panel);
    XFlush(display);
    for (XEvent event;;) {
        XNextEvent(display, &event);
    }
}

int SetScreen(Display* display, int width, int height) {
    const Window root = DefaultRootWindow(display);
    XRRScreenResources* resources = XRRGetScreenResources(display, root);
    if (resources == nullptr || resources->noutput < 1 || resources->ncrtc < 1) {
        std::fprintf(stderr, "desktop_tool: the X server has no RandR output\n");
        return 1;
    }
    const RROutput output = resources->outputs[0];
    const RRCrtc crtc = resources->crtcs[0];
    // A mode's name is unique on the server, and earlier runs' modes stay: this run's gets its own.
    std::string name = std::to_string(width) + "x" + std::to_string(height) + "." + std::to_string(getpid());
    XRRModeInfo mode{};
    mode.width = static_cast<unsigned>(width);
    mode.height = static_cast<unsigned>(height);
    mode.name = name.data();
    mode.nameLength = static_cast<unsigned>(name.size());
    const RRMode id = XRRCreateMode(display, root, &mode);
    XRRAddOutputMode(display, output, id);
    // The monitor goes dark, the screen takes its new size, and the monitor shows the new mode.
    XRRSetCrtcConfig(display, resources, crtc, resources->configTimestamp, 0, 0, None, RR_Rotate_0, nullptr,
                     0);
    XRRSetScreenSize(display, root, width, height, width / 4, height / 4);
    XRRFreeScreenResources(resources);
    resources = XRRGetScreenResources(display, root);
    RROutput outputs[] = {output};
    const Status status = XRRSetCrtcConfig(display, resources, crtc, resources->configTimestamp, 0, 0, id,
                                           RR_Rotate_0, outputs, 1);
    XRRFreeScreenResources(resources);
    XSync(display, False);
    return status == RRSetConfigSuccess ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return Usage();
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "desktop_tool: no X display\n");
        return 1;
    }
    if (std::strcmp(argv[1], "panel") == 0) {
        KeepPanel(display, std::atoi(argv[2]));
    }
    int width = 0;
    int height = 0;
    if (std::strcmp(argv[1], "screen") != 0 || std::sscanf(argv[2], "%dx%d", &width, &height) != 2) {
        return Usage();
    }
    // The new mode belongs to this client: kept after it ends, so that the screen keeps its size.
    XSetCloseDownMode(display, RetainPermanent);
    const int status = SetScreen(display, width, height);
    XCloseDisplay(display);
    return status;
}
