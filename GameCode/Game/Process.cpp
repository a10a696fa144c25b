// What the process needs before anything else runs: the three standard descriptors, and signals that end
// the game the way closing its window does.
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <csignal>

#include "Game.h"
#include "Wimdows/Wimdows.h"

namespace Game {

namespace {

void CloseOnSignal(int /*signal*/) {
    Wimdows::RequestClose();
}

// New threads take the inherited stack limit (`ulimit -s`) as their size; the window thread's X and font
// calls overflow 16 kB at once. Every thread of the process gets this much instead, whatever the limit.
constexpr std::size_t kThreadStack = std::size_t{8} << 20;

void GiveThreadsTheirStack() {
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return;
    }
    if (pthread_attr_setstacksize(&attributes, kThreadStack) == 0) {
        pthread_setattr_default_np(&attributes);
    }
    pthread_attr_destroy(&attributes);
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
    GiveThreadsTheirStack();
    // A message into a closed pipe must not end the game.
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction action {};
    action.sa_handler = CloseOnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace Game
