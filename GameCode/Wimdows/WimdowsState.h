// The window layer's private state, shared by its source files. Nothing outside Wimdows includes this.
//
// Threads: the main thread draws into the back buffer under `drawMutex`; the window thread owns the SDL
// window, presents the front buffer and releases everything at close (also under `drawMutex`, so a close
// from the title bar never pulls the back buffer or the bitmap table from under a drawing call).
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "Changes.h"
#include "Fitting.h"
#include "Pixels.h"
#include "Smoothing.h"
#include "Time/Time.h"
#include "Wimdows.h"

namespace Wimdows::detail {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using SharedSurface = std::shared_ptr<SDL_Surface>;

// Every surface of the layer has the back buffer's format, so that a copy is a plain block copy.
inline constexpr Uint32 kPixelFormat = SDL_PIXELFORMAT_RGB888;

SurfacePtr MakeSurface(std::int32_t width, std::int32_t height);

// 0x00BBGGRR (the game's colours) to and from a pixel of kPixelFormat (0x00RRGGBB).
constexpr Uint32 ToPixel(std::uint32_t color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}
constexpr std::uint32_t FromPixel(Uint32 pixel) {
    return ToPixel(pixel);
}

// Coordinates far outside any window are pulled in to where arithmetic on them cannot overflow; no
// picture or window is large enough to tell the difference.
inline constexpr std::int64_t kFar = std::int64_t{1} << 24;
constexpr std::int32_t Far(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp(v, -kFar, kFar));
}

// Sound fix: the queue once had no bound, yet nothing in the game reads it (only FlushKeys empties it), so
// a held key made it grow for a whole play. It keeps the newest presses only.
inline constexpr std::size_t kKeyQueueLength = 64;

struct WinStruct {
    std::atomic<WinState> state{STATE_DEAD};
    std::string title;  // written by Window before the window thread starts
    std::uint32_t xlen = 0;
    std::uint32_t ylen = 0;
};

struct BitStruct {
    SharedSurface hbit;  // shared with every other load of the same file at the same size
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// A file at one size: the key under which repeated loads share their pixels.
using BitmapKey = std::tuple<std::string, std::uint32_t, std::uint32_t>;

// The pixels of a file as they were read. A file rewritten since (another size or modification time) is
// read afresh, and its new pixels replace these everywhere, so that memory holds one picture per key.
struct LoadedPicture {
    std::int64_t size = 0;
    std::int64_t modified = 0;
    SharedSurface pixels;
};

struct MouseStruct {
    std::int32_t x = 0;  // guarded by blockMutex
    std::int32_t y = 0;
    std::atomic<bool> left{false};
    std::atomic<bool> right{false};
    std::atomic<bool> captured{false};
    // One atomic pointer: the enable flag and the procedure change together (non-null = enabled).
    std::atomic<MouseProc> leftUpProc{nullptr};
};

// How the window shows the picture. Window thread only (input is translated there too).
struct View {
    fitting::Size picture;          // the back buffer's size
    fitting::Size surface;          // the window surface the bands were drawn on
    fitting::Box shown;             // where the picture is in the window
    smoothing::Scaler smoother;     // for the shown box, when it is no whole multiple of the picture
    std::vector<SDL_Rect> updated;  // the window areas of the present under way
    bool stale = true;              // the window surface must be drawn afresh, bands included
    bool hidden = false;            // minimised or unmapped: nothing is presented
    bool fullscreen = false;
    SDL_Rect windowed{0, 0, 0, 0};  // place and size to return to from fullscreen
    fitting::Frame windowedFrame;   // the window manager's frame around it there (none in fullscreen)
    bool enterHeldBack = false;     // an Enter pressed with Alt, until it is released
    fitting::Box usable;            // the usable area of the window's display, as last seen
    std::chrono::steady_clock::time_point nextDisplayCheck;
};

// A picture copied whole into the back buffer at a place: one layer of a frame's backdrop.
struct Layer {
    SharedSurface picture;  // held, so that its address names these pixels for as long as the layer is known
    SDL_Rect place{0, 0, 0, 0};
};

// A picture drawn over the backdrop and the area of the back buffer it went to.
struct Drawing {
    SharedSurface picture;  // held, so that its address names these pixels while the drawing is known
    SDL_Rect area{0, 0, 0, 0};
};

// What the back buffer holds, so that a frame that starts with the same backdrop as the last one needs only
// the areas drawn over it restored: a play draws its sky and sea every frame, and they stand still.
struct Backdrop {
    // The layers copied in this order give the back buffer, except in `over` and `owed`. The first one
    // covers the whole back buffer; none: nothing is known.
    std::vector<Layer> layers;
    std::vector<SDL_Rect> over;  // drawn since, clipped to the back buffer
    // Drawn over the layers before they were drawn again, and not restored yet: an area is restored when
    // something is drawn over part of it or the back buffer is read, and never when a picture covers it.
    std::vector<SDL_Rect> owed;
    // The drawings of pictures among `over`, in the order drawn.
    std::vector<Drawing> drawings;
    // Last frame's drawings that were alone in their areas and are still in the back buffer: drawn again
    // the same, they need nothing written (the dashboard is drawn the same frame after frame). They meet
    // neither each other nor `owed`, and become owed when anything else is written where they are.
    std::vector<Drawing> kept;
    // The layers drawn again one after the other, nothing else between, since the first one was: the back
    // buffer holds all of them, and the rest must come next or be taken out again (Settle).
    std::size_t redrawn = 0;
};

struct FontStruct {
    std::uint32_t style = 0;
    std::uint32_t color = 0;  // 0x00BBGGRR
};

struct Module {
    WinStruct window;
    std::thread thread;
    std::atomic<bool> displayAnswered{false};  // the window thread got its window from the display
    bool threadLeft = false;  // a close request left the window thread behind, stuck in the display
    std::atomic<bool> closedByPlayer{false};
    std::string failure;  // why the window could not be created, written by the window thread

    // Back buffer, bitmap table and everything drawing reads.
    std::mutex drawMutex;
    SurfacePtr back;  // present exactly while a window is open
    bool buffering = false;
    bool handOver = true;        // false: frames stay in the back buffer (benchmarks time the drawing alone)
    bool incremental = true;     // false: every frame composed and compared whole (tests compare the two)
    std::vector<BitStruct> bit;  // bitlen = bit.size()
    std::map<BitmapKey, LoadedPicture> loaded;
    std::string unreadPicture;  // why the first picture not read since it was last said could not be read
    bool picturesRead = false;  // whether any picture has been read while this window is open
    std::map<std::pair<SDL_Surface*, SDL_Surface*>, SharedSurface> masked;  // (image, mask) -> keyed sprite
    Backdrop backdrop;
    changes::Finder changes;  // marks where the back buffer was written since the last hand-over

    // Hand-over to the window thread. Lock order: drawMutex before frontMutex.
    std::mutex frontMutex;
    // Wakes the window thread from its sleep, never through the X server: SDL's own X11 wake-up travels on a
    // second X connection, and one that reached a window being destroyed made Xlib end the whole process.
    Time::Wakeup wake;
    std::atomic<std::uint64_t> windowThreadPasses{0};  // rounds of the window thread's loop, for tests
    SurfacePtr front;                                  // the newest frame handed over for presenting
    std::vector<SDL_Rect> dirty;                       // what changed in it since the last present
    std::uint64_t submitted = 0;
    std::atomic<std::uint64_t> presented{0};
    bool closeRequested = false;
    std::uint64_t syncRequested = 0;
    std::atomic<std::uint64_t> syncDone{0};
    std::atomic<std::uint64_t> nativeWindowId{0};
    View view;

    // Input.
    std::array<std::atomic<bool>, 256> key{};
    std::atomic<KeyPressProc> keyPressProc{nullptr};
    std::mutex blockMutex;             // the design's `block`: key queue and mouse position
    std::deque<std::uint32_t> keybuf;  // at most kKeyQueueLength presses, the newest
    std::atomic<bool> focusLost{false};
    MouseStruct mouse;

    // Text; main thread only.
    FontStruct font;
    std::array<TTF_Font*, 6> fonts{};
    bool fontsOpened = false;
    // Rendered texts by (font, colour, text): the dashboard draws the same labels every frame. When the
    // recent ones are many, they become the older ones and the older ones go; a text found among the older
    // ones is recent again, so labels drawn every frame are never rendered again for a score that keeps
    // changing.
    using RenderedTexts = std::map<std::tuple<TTF_Font*, std::uint32_t, std::string>, SharedSurface>;
    RenderedTexts recentTexts;
    RenderedTexts olderTexts;
};

// Set by RequestClose, possibly in a signal handler: a plain lock-free flag outside the module instance,
// never reset by the game, so that a window opened after the request closes too.
extern std::atomic<bool> gCloseAsked;

// The one instance; never destroyed, so a window thread still running at exit finds it intact.
Module& M();

// True on the window thread.
bool OnWindowThread();

// Throws WindowClosed once the player or a signal has closed the window, after its thread has ended (or
// been left behind, stuck in the display). Main thread; the clock's waits run it, and so does every load.
void ThrowIfClosedByPlayer();

// ---- Reading pixels (Frames.cpp) -------------------------------------------------------------------------

// A pixel as a colour 0x00BBGGRR; 0 outside the surface or for nullptr.
std::uint32_t PixelOf(const SDL_Surface* surface, std::int32_t x, std::int32_t y);
// All of a surface's pixels row by row as colours 0x00BBGGRR; empty for nullptr.
std::vector<std::uint32_t> ColorsOf(const SDL_Surface* surface);

// ---- Copying (Copy.cpp) -----------------------------------------------------------------------------------

// Copies `area` of `from` into `to` with its corner at `at`, clipped to both; both of kPixelFormat, nothing
// see-through. SDL's own block copy writes past the processor's cache, and a frame is read again straight
// after it is drawn (compared with the one before), so a copy that stays in the cache makes both cheaper.
void CopyPixels(const SDL_Surface* from, SDL_Rect area, SDL_Surface* to, SDL_Point at);

// ---- Presenting (Present.cpp; window thread) --------------------------------------------------------------

// Shows what changed in the front buffer since the last present, scaled to the window.
void Present(SDL_Window* window);
// Presents the whole front buffer again at the next round: the window is seen anew.
void Paint();
// The game pixel under a window pixel.
fitting::Point GamePoint(std::int32_t x, std::int32_t y);

// ---- The window on the desktop (Desktop.cpp, WindowEvents.cpp, WindowIcon.cpp; window thread) -----------

// Gives the window its class (the desktop entry's StartupWMClass); before video starts.
void NameApplication();
// Chooses the kind of window surface the video driver has; once video has started.
void ChooseWindowSurface();
// Creates the window at the size and place that fit the display with the window manager's frame;
// nullptr with SDL's reason on failure.
SDL_Window* OpenWindow(const char* title, fitting::Size picture);
// The usable area (panels left out) of the window's display as it is now; of the first display for
// nullptr; empty when the display tells none.
fitting::Box UsableAreaOf(SDL_Window* window);
// The frame the window manager draws around the window, as far as SDL knows it.
fitting::Frame FrameOf(SDL_Window* window);
// The frame as soon as the window manager has told it, or none after a quarter of a second.
fitting::Frame AwaitFrame(SDL_Window* window);
// Gives the window's client area this size and place.
void Place(SDL_Window* window, const fitting::Box& client);
// Once in a while, and soon after CheckDisplaySoon: when the display's usable area has changed, the window
// is fitted into it again.
void FollowDisplay(SDL_Window* window);
void CheckDisplaySoon();
// Where SDL reports a close because the display itself went away, the program ends at once with one line
// and status 1: nothing is left to show the game on, and nobody asked for the end.
void EndIfDisplayLost(SDL_Window* window);
// True when the window's size lies within its limits; otherwise it is asked back within them, and nothing
// should be presented until it is (a window of 32767 × 32767 would need 4 GB of pixels).
bool WithinLimits(SDL_Window* window);
// Acts on the events that concern the window itself (fullscreen keys, resizes, visibility); true when
// the event is used up.
bool HandleWindowEvent(SDL_Window* window, const SDL_Event& event);
// The game's icon on the window, when the data folder has it.
void SetIcon(SDL_Window* window);

// ---- What frames draw (Drawn.cpp); everything here needs drawMutex held -----------------------------------

// Adds `added` to a list of areas that stays short: past 256 areas, one rectangle around them all stands for
// them (frames pile up while a window is hidden; a frame may draw very many small things). True when it
// came to that.
bool AddAreas(std::vector<SDL_Rect>& areas, std::span<const SDL_Rect> added);

// The drawing calls of shapes call BeforeDrawing with the area they will draw before they write the back
// buffer, and Drawn with the area they drew after: the area is noted for restoring and handing over, and
// handed over at once when buffering is off.
void BeforeDrawing(const SDL_Rect& area);
void Drawn(const SDL_Rect& area);
// DrawBitmap: the picture, which has no see-through pixels, copied with its corner at `at`.
void DrawOpaque(const SharedSurface& picture, SDL_Point at);
// Sprites and text: the picture blitted with its own key colour or alpha, with its corner at `at`.
void DrawPicture(const SharedSurface& picture, SDL_Point at);
// The back buffer as the drawing calls so far have made it; nullptr with no window open. Everything that
// reads the back buffer reads it through here.
SDL_Surface* BackBuffer();
// The window's buffers are gone or new: nothing drawn is known.
void ForgetDrawn();

// ---- Handing frames over (HandOver.cpp) -------------------------------------------------------------------

// Hands what changed in the back buffer since the last hand-over to the window thread. Needs drawMutex held.
void HandOver();

// ---- Picture files (PictureFiles.cpp) ---------------------------------------------------------------------

struct FileFacts {
    std::int64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds
};
// Size and modification time of a regular file; nothing for anything else.
std::optional<FileFacts> Inspect(const std::string& path);
// Whether a picture of this size is within the layer's limits, from a file or as the size asked for.
bool SizeAllowed(std::int64_t width, std::int64_t height);
// Whether the file starts with a BMP header whose picture is within the limits and fits in the file.
bool PlausibleBmp(const std::string& path, std::int64_t fileSize);
// Notes why the file could not be read (the system's reason, or what is wrong with it), unless an earlier
// reason is still to be said.
void NoteUnreadFile(const std::string& path);
// A picture file as it is, or nullptr for anything but a regular file with a plausible BMP header (a named
// pipe would block the opening thread for ever).
SurfacePtr LoadPictureFile(const std::string& path);

// ---- Pictures from pictures (Sprites.cpp) -----------------------------------------------------------------

// Nearest neighbour: every pixel takes the source pixel under its centre. (SDL's own stretch drifts by up
// to two pixels over the height of the window.) nullptr when there is no memory for it.
SurfacePtr Stretch(SDL_Surface* source, int width, int height);
// The picture with a key colour wherever the mask is black (or has no pixel), colour-keyed with RLE: one
// fast block copy per draw that gives the same picture as a copy through the mask.
SurfacePtr MakeMaskedSprite(SDL_Surface* image, SDL_Surface* mask);

// ---- The bitmap table (Bitmaps.cpp) -----------------------------------------------------------------------

// The rectangle spanned by two corners, both included.
SDL_Rect BoxOf(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1);

// ---- Input (Input.cpp) ------------------------------------------------------------------------------------

// Turns an SDL event of the window thread into the layer's input event, if it is one.
std::optional<InputEvent> TranslateInput(const SDL_Event& event);
// Everything up, queue empty, mouse record zero: the state of a closed window.
void ResetInput();

// ---- Gamepads (Gamepads.cpp), window thread ---------------------------------------------------------------

// Starts SDL's game controllers; pads already plugged in arrive as events.
void OpenGamepads();
// Opens, closes and reads pads: their buttons and stick become key events (Deliver).
void HandleGamepadEvent(const SDL_Event& event);
void CloseGamepads();

// ---- Text (Text.cpp) --------------------------------------------------------------------------------------

// Opens the fonts once and renders every glyph once, so that the first frame does not stall.
void PrepareFonts();
// A DejaVu face at a point size, from beside the program or from the system's fonts; nullptr if none opens.
TTF_Font* OpenFace(const char* file, int size);

// ---- The pause plaque (PausePlaque.cpp) -------------------------------------------------------------------

// Window thread, frontMutex held: the picture to present, which is the front buffer itself, or a copy of it
// with the pause plaque over it, whose area is then added to `dirty`.
SDL_Surface* WithPausePlaque(SDL_Surface* front, std::vector<SDL_Rect>& dirty);
// Whether the window's latest present carried the plaque.
bool PausePlaquePresented();

// ---- What the X server tells directly (NativeWindowId.cpp; window thread) ---------------------------------

// The X11 id of the window, or 0 on other video drivers. Window thread.
std::uint64_t NativeWindowIdOf(SDL_Window* window);
// The descriptor the window's events arrive on (the X connection), or -1 on other video drivers.
int EventDescriptorOf(SDL_Window* window);
// Whether the display has sent anything for SDL to read: events Xlib has queued already, or bytes waiting on
// the connection. Always true on other video drivers.
bool EventsArrived(SDL_Window* window);
// Asks the window manager which frame it will draw around the unmapped window (the answer arrives as an
// event SDL reads); false when there is no window manager, or no X11.
bool AskForFrame(SDL_Window* window);
// The X screen's size now; 0 × 0 on other video drivers.
fitting::Size CurrentScreenSize(SDL_Window* window);
// True when the window's visual is one SDL cannot draw into and one that it can was chosen for the next
// window.
bool PreferTrueColorVisual(SDL_Window* window);
// True when the connection to the display is gone for good (a Wayland compositor that quit).
bool DisplayLost(SDL_Window* window);
// Makes a pointer motion replace the motion before it while that one still waits in Xlib's queue, and has
// the window's motions come as the core events that can be merged (MotionMerge.cpp): a flood of motions
// cannot grow the queue. Nothing on other video drivers.
void MergePointerMotions(SDL_Window* window);

}  // namespace Wimdows::detail
