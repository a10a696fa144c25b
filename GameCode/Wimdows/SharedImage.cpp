// Kept apart from the layer's state header, as NativeWindowId.cpp is: Xlib's global `Time` clashes with the
// Time module.
#include "SharedImage.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#endif

namespace Wimdows::detail {

#if defined(SDL_VIDEO_DRIVER_X11)

bool EightBitChannels(const Visual* visual);  // NativeWindowId.cpp

namespace {

// Xlib reports a refused request to one handler for the whole process. Set only for the one round trip
// that attaches a segment, on the window thread, which alone talks to the X server.
bool gAttachRefused = false;

int NoteRefusal(Display*, XErrorEvent*) {
    gAttachRefused = true;
    return 0;
}

}  // namespace

struct SharedImage::Server {
    Display* display = nullptr;
    ::Window window = 0;
    Visual* visual = nullptr;
    int depth = 0;
    GC gc = nullptr;
    int completionType = 0;  // the event by which the server says it has shown an image
    int showing = 0;         // images sent whose completion has not been read yet
    XShmSegmentInfo segment{};
    bool attached = false;
    XImage* image = nullptr;
    SDL_Surface* surface = nullptr;

    ~Server() {
        FreeImage();
        if (gc != nullptr) {
            XFreeGC(display, gc);
        }
        XCloseDisplay(display);  // the server detaches what this connection still had attached
    }

    // Reads the server's completions until every image sent has been shown. By the next frame they are
    // there already; reading them does not sleep.
    void AwaitShown() {
        while (showing > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == completionType) {
                --showing;
            }
        }
    }

    void FreeImage() {
        SDL_FreeSurface(surface);
        surface = nullptr;
        if (attached) {
            XShmDetach(display, &segment);  // after what was sent before it: the server reads no more from it
        }
        if (segment.shmaddr != nullptr) {
            shmdt(segment.shmaddr);
        }
        if (image != nullptr) {
            image->data = nullptr;  // not Xlib's to free
            XDestroyImage(image);
        }
        image = nullptr;
        segment = {};
        attached = false;
    }

    // A connection of the image's own to the window's X server, or null where the window's pixels cannot
    // be shared with it.
    static std::unique_ptr<Server> Connect(SDL_Window* window);

    bool MakeImage(int w, int h) {
        image = XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &segment,
                                static_cast<unsigned>(w), static_cast<unsigned>(h));
        if (image != nullptr && image->bits_per_pixel == 32 && image->byte_order == LSBFirst && Attach()) {
            surface = SDL_CreateRGBSurfaceWithFormatFrom(image->data, w, h, 32, image->bytes_per_line,
                                                         SDL_PIXELFORMAT_RGB888);
        }
        if (surface == nullptr) {
            FreeImage();
            return false;
        }
        return true;
    }

    // Memory for the image, shared with the server; false where the server cannot reach it.
    bool Attach() {
        const std::size_t size =
            static_cast<std::size_t>(image->bytes_per_line) * static_cast<std::size_t>(image->height);
        segment.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
        if (segment.shmid == -1) {
            return false;
        }
        void* memory = shmat(segment.shmid, nullptr, 0);
        shmctl(segment.shmid, IPC_RMID, nullptr);  // gone once both sides have let go, even after a crash
        if (memory == reinterpret_cast<void*>(-1)) {
            return false;
        }
        segment.shmaddr = image->data = static_cast<char*>(memory);
        segment.readOnly = False;
        // A server on another machine cannot reach this memory: it refuses the attach.
        gAttachRefused = false;
        const auto before = XSetErrorHandler(NoteRefusal);
        XShmAttach(display, &segment);
        XSync(display, False);
        XSetErrorHandler(before);
        attached = !gAttachRefused;
        return attached;
    }
};

std::unique_ptr<SharedImage::Server> SharedImage::Server::Connect(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return nullptr;
    }
    Display* display = XOpenDisplay(DisplayString(info.info.x11.display));
    if (display == nullptr) {
        return nullptr;
    }
    auto server = std::make_unique<Server>();
    server->display = display;
    server->window = info.info.x11.window;
    XWindowAttributes attributes;
    if (XShmQueryExtension(display) == False ||
        XGetWindowAttributes(display, server->window, &attributes) == 0 || attributes.depth != 24 ||
        !EightBitChannels(attributes.visual)) {
        return nullptr;  // a deep-colour window: SDL converts into its own surface
    }
    server->visual = attributes.visual;
    server->depth = attributes.depth;
    server->completionType = XShmGetEventBase(display) + ShmCompletion;
    XGCValues values{};
    values.graphics_exposures = False;  // no event for every image shown
    server->gc = XCreateGC(display, server->window, GCGraphicsExposures, &values);
    return server;
}

SharedImage::SharedImage() = default;

SharedImage::~SharedImage() = default;

SDL_Surface* SharedImage::For(SDL_Window* window) {
    if (unavailable_) {
        return nullptr;
    }
    if (!server_) {
        server_ = Server::Connect(window);
        if (!server_) {
            unavailable_ = true;
            return nullptr;
        }
    }
    Server& s = *server_;
    s.AwaitShown();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    if (s.surface != nullptr && s.surface->w == w && s.surface->h == h) {
        return s.surface;
    }
    s.FreeImage();
    if (!s.MakeImage(w, h)) {
        server_.reset();
        unavailable_ = true;
    }
    return server_ ? s.surface : nullptr;
}

bool SharedImage::Holds(const SDL_Surface* surface) const {
    return surface != nullptr && surface == Picture();
}

SDL_Surface* SharedImage::Picture() const {
    return server_ ? server_->surface : nullptr;
}

void SharedImage::Finish() {
    if (server_) {
        server_->AwaitShown();
    }
}

void SharedImage::Show(std::span<const SDL_Rect> areas) {
    if (!server_ || server_->image == nullptr || areas.empty()) {
        return;
    }
    Server& s = *server_;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const SDL_Rect& a = areas[i];
        // One completion, for the last: the server shows them in order.
        const bool last = i + 1 == areas.size();
        XShmPutImage(s.display, s.window, s.gc, s.image, a.x, a.y, a.x, a.y, static_cast<unsigned>(a.w),
                     static_cast<unsigned>(a.h), last ? True : False);
    }
    ++s.showing;
    XFlush(s.display);
}

#else

struct SharedImage::Server {};

SharedImage::SharedImage() = default;

SharedImage::~SharedImage() = default;

SDL_Surface* SharedImage::For(SDL_Window*) {
    return nullptr;
}

bool SharedImage::Holds(const SDL_Surface*) const {
    return false;
}

SDL_Surface* SharedImage::Picture() const {
    return nullptr;
}

void SharedImage::Finish() {}

void SharedImage::Show(std::span<const SDL_Rect>) {}

#endif

void SharedImage::Release() {
    server_.reset();
    unavailable_ = false;
}

}  // namespace Wimdows::detail
