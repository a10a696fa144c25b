// What the process needs before anything else runs: the three standard descriptors, and signals that end
// the game the way closing its window does.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "Game.h"
#include "Wimdows.h"

namespace Game {

namespace {

void CloseOnSignal(int /*signal*/) {
    Wimdows::RequestClose();
}

}  // namespace

void PrepareProcess() {
    // A launcher may start the game with descriptors 0 to 2 closed; the X connection or a sound file would
    // then get one of them, and any message would be written into it.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1) {
            const int opened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
            if (opened != fd && opened != -1) {
                dup2(opened, fd);
                close(opened);
            }
        }
    }
    // A message into a closed pipe must not end the game.
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction action {};
    action.sa_handler = CloseOnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace Game
