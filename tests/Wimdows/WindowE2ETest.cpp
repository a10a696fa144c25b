// The real window on an X server of its own (Xvfb): its client size, a screenshot of it that equals the
// frame the layer presented, its close button, and a window thread that sleeps while there is nothing to do.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>

#include "PointerFlood.h"
#include "Time/Time.h"
#include "TitleBarClose.h"
#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

// An Xvfb on a free display number, ended with the test.
class Xvfb {
  public:
    explicit Xvfb(const char* screen = "1280x1024x24") {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);  // also when the test ends without its destructors
            dup2(pipeFds[1], 3);
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, 1);
            dup2(devNull, 2);
            execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeFds[1]);
        // Xvfb writes the display number and a line end once it accepts connections.
        std::string number;
        char c = 0;
        while (read(pipeFds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(pipeFds[0]);
        if (!number.empty()) {
            display_ = ":" + number;
        }
    }
    ~Xvfb() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    const std::string& Display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};

std::string Output(const std::string& command) {
    std::string output;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        output.append(buffer, n);
    }
    return output;
}

// The game's window, opened on the server.
void OpenOn(const Xvfb& server) {
    setenv("DISPLAY", server.Display().c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    Window("Game", 1000, 750);
}

// Opens the window on the server and draws gradients, shapes and text; returns the presented frame.
std::vector<std::uint32_t> OpenAndDraw(const Xvfb& server, const TempDir& dir) {
    OpenOn(server);
    std::vector<std::uint32_t> gradient(256 * 256);
    for (std::uint32_t i = 0; i < gradient.size(); ++i) {
        gradient[i] = (i & 0xFF) | ((i >> 8) << 8) | 0x400000;
    }
    SetBuffering(true);
    DrawBitmap(LoadBitmap(dir.Picture("sky.bmp", 256, 256, gradient).c_str(), 1000, 750), 0, 0);
    Disc(300, 300, 80, 0xB00000);
    ThickLine(0, 749, 999, 0, 0xB0, 5);
    SetFont(2, 0xB0);
    Text("SCORE: ", 540, 20);
    TextInt(12345, 590, 20);
    UpdateWindow();
    return wt::PresentedFrame();
}

// The window's pixels that differ from the presented frame with every pixel shown as a scale × scale block.
std::size_t DifferingFromScaled(const std::string& id, const std::vector<std::uint32_t>& presented, int scale,
                                const TempDir& dir) {
    const std::string shot = dir.File("shot.rgb");
    Output("import -silent -window " + id + " -depth 8 rgb:" + shot);
    const std::string rgb = ReadFile(shot);
    const auto width = static_cast<std::size_t>(1000 * scale);
    if (rgb.size() != presented.size() * 3 * static_cast<std::size_t>(scale * scale)) {
        return presented.size() * static_cast<std::size_t>(scale * scale);
    }
    std::size_t differing = 0;
    for (std::size_t i = 0; i < rgb.size() / 3; ++i) {
        const auto byte = [&](std::size_t k) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(rgb[3 * i + k]));
        };
        const std::size_t gameX = i % width / static_cast<std::size_t>(scale);
        const std::size_t gameY = i / width / static_cast<std::size_t>(scale);
        differing += (byte(0) | byte(1) << 8 | byte(2) << 16) != presented[gameY * 1000 + gameX] ? 1u : 0u;
    }
    return differing;
}

TEST(RealWindow, HasTheClientAreaAskedForAndShowsThePresentedFrame) {
    Xvfb server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    TempDir dir;
    const std::vector<std::uint32_t> presented = OpenAndDraw(server, dir);
    ASSERT_EQ(State(), STATE_ACTIVE);
    const std::string id = std::to_string(wt::NativeWindowId());
    ASSERT_NE(id, "0");

    const std::string info = Output("xwininfo -id " + id);
    EXPECT_NE(info.find("\"Game\""), std::string::npos) << info;
    EXPECT_NE(info.find("Width: 1000\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Height: 750\n"), std::string::npos) << info;
    EXPECT_EQ(DifferingFromScaled(id, presented, 1, dir), 0u);

    KillWindow();
    EXPECT_EQ(State(), STATE_DEAD);
}

TEST(RealWindow, OnA3840x2160ScreenOpensAt2xWithEveryPixelExactlyA2x2Block) {
    Xvfb server("3840x2160x24");
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    TempDir dir;
    const std::vector<std::uint32_t> presented = OpenAndDraw(server, dir);
    const std::string id = std::to_string(wt::NativeWindowId());
    const std::string info = Output("xwininfo -id " + id);
    EXPECT_NE(info.find("Width: 2000\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Height: 1500\n"), std::string::npos) << info;
    EXPECT_EQ(DifferingFromScaled(id, presented, 2, dir), 0u);
    KillWindow();
}

// Draws frames that change in a few places and hands each over without waiting; returns the last one.
std::vector<std::uint32_t> FramesChangedInPlaces(std::int32_t count) {
    for (std::int32_t frame = 0; frame < count; ++frame) {
        const auto shade = static_cast<std::uint32_t>(frame);
        Disc(100 + frame * 20, 200, 15, 0x00B0B0 + shade);
        Rectangle(900 - frame * 7, 600, 930 - frame * 7, 610 + frame, shade << 16, true);
        TextInt(frame, 590, 60);
        UpdateWindow();
    }
    return wt::PresentedFrame();
}

// Such frames are presented as the changed places alone: after many of them, handed over without waiting,
// the window shows the last frame exactly, at 1x, at 2x, and after shrinking from 2x to 1x.
TEST(RealWindow, FramesChangedInPlacesAreShownExactlyByTheServer) {
    for (const char* screen : {"1280x1024x24", "3840x2160x24"}) {
        SCOPED_TRACE(screen);
        Xvfb server(screen);
        ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
        TempDir dir;
        OpenAndDraw(server, dir);
        const std::string id = std::to_string(wt::NativeWindowId());
        const int scale = std::string(screen).starts_with("3840") ? 2 : 1;
        std::vector<std::uint32_t> presented = FramesChangedInPlaces(40);
        EXPECT_EQ(DifferingFromScaled(id, presented, scale, dir), 0u);
        if (scale == 2) {
            Output("xdotool windowsize " + id + " 1000 750");
            std::size_t differing = 0;
            // Until the window thread has seen the new size.
            for (int tries = 0; tries < 100; ++tries) {
                presented = FramesChangedInPlaces(3);
                differing = DifferingFromScaled(id, presented, 1, dir);
                if (differing == 0) {
                    break;
                }
            }
            EXPECT_EQ(differing, 0u) << "after shrinking to 1x";
        }
        KillWindow();
    }
}

TEST(RealWindow, TheCloseButtonEndsTheNextWait) {
    Xvfb server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    OpenOn(server);
    ASSERT_TRUE(PressCloseButton(server.Display().c_str(), wt::NativeWindowId()));
    const auto waitUntilClosed = [] {
        for (int hundredth = 0; hundredth < 500; ++hundredth) {
            Time::Delay(10);
        }
    };
    EXPECT_THROW(waitUntilClosed(), WindowClosed);
    EXPECT_EQ(State(), STATE_DEAD);
}

// Polling every 2 ms made some 250 rounds in half a second; asleep, the thread wakes for what comes only.
TEST(RealWindow, AWindowLeftAloneSleepsUntilAFrameOrAnXEventWakesIt) {
    Xvfb server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    TempDir dir;
    OpenAndDraw(server, dir);
    const std::uint64_t before = wt::WindowThreadPasses();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_LE(wt::WindowThreadPasses() - before, 3u);

    Rectangle(10, 10, 19, 19, 0x00FF00, true);
    UpdateWindow();
    EXPECT_EQ(wt::PresentedPixel(15, 15), 0x00FF00u);

    const std::string id = std::to_string(wt::NativeWindowId());
    Output("xdotool mousemove --window " + id + " 123 45");
    std::int32_t x = 0;
    std::int32_t y = 0;
    for (int look = 0; look < 500 && (x != 123 || y != 45); ++look) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        MousePos(x, y);
    }
    EXPECT_EQ(x, 123);
    EXPECT_EQ(y, 45);
    KillWindow();
}

// The left button's presses and releases as the window layer delivers them, from construction on.
class LeftButton {
  public:
    LeftButton() {
        SetInputObserver([this](const InputEvent& event) {
            if (event.kind == InputEvent::Kind::LeftDown || event.kind == InputEvent::Kind::LeftUp) {
                std::lock_guard lock(mutex_);
                events_.push_back(event);
            }
        });
    }
    ~LeftButton() { SetInputObserver(nullptr); }
    LeftButton(const LeftButton&) = delete;
    LeftButton& operator=(const LeftButton&) = delete;

    // Looks every 10 ms, for five seconds at most, until `enough` holds for what came; returns what came.
    template <class Enough>
    std::vector<InputEvent> AwaitUntil(Enough enough) {
        for (int look = 0; look < 500; ++look) {
            {
                std::lock_guard lock(mutex_);
                if (enough(events_)) {
                    break;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::lock_guard lock(mutex_);
        return events_;
    }

  private:
    std::mutex mutex_;
    std::vector<InputEvent> events_;
};

// Motions that arrive faster than they are read are merged: each click must still come, in order, where it
// was made, and the pointer must end where the flood left it.
TEST(RealWindow, APointerFloodKeepsEveryClickInOrderWhereItWasMade) {
    Xvfb server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    OpenOn(server);
    LeftButton left;
    // 997 moves apart, clicks land hundreds of pixels apart: none is taken for a double click.
    const std::optional<Flood> flood =
        FloodPointer(server.Display().c_str(), wt::NativeWindowId(), 30000, 997);
    ASSERT_TRUE(flood.has_value()) << "no XTEST on the server";
    ASSERT_EQ(flood->clicks.size(), 30u);
    std::int32_t x = -1;
    std::int32_t y = -1;
    const std::vector<InputEvent> buttons = left.AwaitUntil([&](const std::vector<InputEvent>& events) {
        MousePos(x, y);
        return events.size() >= 2 * flood->clicks.size() && FloodPoint{x, y} == flood->last;
    });
    EXPECT_EQ(x, flood->last.x);
    EXPECT_EQ(y, flood->last.y);
    ASSERT_EQ(buttons.size(), 2 * flood->clicks.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const FloodPoint& click = flood->clicks[i / 2];
        EXPECT_EQ(buttons[i].kind, i % 2 == 0 ? InputEvent::Kind::LeftDown : InputEvent::Kind::LeftUp) << i;
        EXPECT_EQ(buttons[i].x, click.x) << i;
        EXPECT_EQ(buttons[i].y, click.y) << i;
    }
    KillWindow();
}

// The click that brings the window to the front is a click, however soon after the focus it is handled.
TEST(RealWindow, AClickThatFocusesTheWindowIsAClick) {
    Xvfb server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    OpenOn(server);
    LeftButton left;
    {
        const std::unique_lock held = wt::HoldWindowThread();
        ASSERT_TRUE(FocusWithAClick(server.Display().c_str(), wt::NativeWindowId(), {300, 200}))
            << "no XTEST on the server";
    }
    const std::vector<InputEvent> buttons =
        left.AwaitUntil([](const std::vector<InputEvent>& events) { return events.size() >= 2; });
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].kind, InputEvent::Kind::LeftDown);
    EXPECT_EQ(buttons[1].kind, InputEvent::Kind::LeftUp);
    EXPECT_EQ(buttons[0].x, 300);
    EXPECT_EQ(buttons[0].y, 200);
    KillWindow();
}

// Closing while frames are still handed over must never wake a window that is being destroyed.
TEST(RealWindow, OpeningAndClosingWithFramesInFlightEndsCleanlyEveryTime) {
    Xvfb server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    setenv("DISPLAY", server.Display().c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    for (int round = 0; round < 12; ++round) {
        Window("Game", 1000, 750);
        ASSERT_EQ(State(), STATE_ACTIVE);
        SetBuffering(true);
        for (std::uint32_t frame = 0; frame < 5; ++frame) {
            Rectangle(0, 0, 999, 749, frame * 0x203040u, true);
            UpdateWindow();
        }
        KillWindow();
        EXPECT_EQ(State(), STATE_DEAD);
    }
}

}  // namespace
