// The command line. The game itself takes no options; these only answer a user who asks before playing.
#include <ostream>
#include <string_view>

#include "Game.h"

namespace Game {

namespace {

constexpr std::string_view kUsage = "usage: saltwing [--help | --version]\n";

constexpr std::string_view kHelp =
    "A side-scrolling air-combat arcade game: fly over the sea, shoot down fighter waves, bomb the boats,\n"
    "refuel on the friendly ship and bring down the airship of the fifth level.\n"
    "\n"
    "In a play:\n"
    "  arrow keys      steer\n"
    "  Space           fire the gun\n"
    "  B               drop a bomb\n"
    "  P               pause and resume\n"
    "  1, 2, 3         difficulty easy, medium, hard (also the dashboard's buttons)\n"
    "  Escape          quit the program\n"
    "In the menus:\n"
    "  mouse           the buttons\n"
    "  Tab, arrows     move the highlight (Shift+Tab back)\n"
    "  Enter, Space    press the highlighted button\n"
    "Anywhere:\n"
    "  F11, Alt+Enter  fullscreen and back; the picture scales to fit the window\n"
    "Gamepad:\n"
    "  D-pad or left stick steers and moves the highlight, A fires and presses, B or X drops a bomb,\n"
    "  Start pauses, the shoulders lower and raise the difficulty, Back held a second quits.\n"
    "\n"
    "The pictures and sounds (Bitmaps/, audio/) are looked for in the working directory, then in\n"
    "../share/saltwing beside the program. See saltwing(6).\n"
    "\n"
    "  -h, --help      show this and exit\n"
    "      --version   show the version and exit\n";

}  // namespace

std::optional<int> HandleCommandLine(std::span<const char* const> arguments, std::ostream& out,
                                     std::ostream& err) {
    if (arguments.empty()) {
        return std::nullopt;
    }
    const std::string_view first = arguments.front();
    const bool help = first == "--help" || first == "-h";
    if (!help && first != "--version") {
        err << "saltwing: " << (first.starts_with('-') ? "unknown option '" : "unexpected argument '")
            << first << "' (try saltwing --help)\n";
        return 2;
    }
    if (arguments.size() > 1) {
        err << "saltwing: unexpected argument '" << arguments[1] << "' (try saltwing --help)\n";
        return 2;
    }
    if (help) {
        out << kUsage << kHelp;
    } else {
        out << "saltwing " << SALTWING_VERSION << '\n';
    }
    // An answer that could not be written (a full disk, a closed pipe) is not a success.
    if (!out.flush()) {
        err << "saltwing: cannot write the answer to standard output\n";
        return 1;
    }
    return 0;
}

}  // namespace Game
