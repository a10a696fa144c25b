// What the process sets up before anything else: its standard descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "Game/Game.h"

namespace {

constexpr int kStandard = 3;

// Whether the descriptor is open on the given device file.
bool IsOn(int fd, const char* device) {
    struct stat want {};
    struct stat s {};
    return stat(device, &want) == 0 && fstat(fd, &s) == 0 && S_ISCHR(s.st_mode) && s.st_rdev == want.st_rdev;
}

// In a child process: starts from the standard descriptors open on /dev/zero, closes the given ones,
// prepares the process as the program does, and ends with a bit set for every descriptor that is then
// wrong: a closed one not on /dev/null the way its stream is used (0 read, 1 and 2 written), an open one
// no longer on /dev/zero.
int WrongDescriptorsAfterStartWithClosed(std::initializer_list<int> closed) {
    const pid_t child = fork();
    if (child == 0) {
        const int zero = open("/dev/zero", O_RDWR);
        for (int fd = 0; fd < kStandard; ++fd) {
            dup2(zero, fd);
        }
        for (const int fd : closed) {
            close(fd);
        }
        Game::PrepareProcess();
        int wrong = 0;
        for (int fd = 0; fd < kStandard; ++fd) {
            bool right = IsOn(fd, "/dev/zero");
            if (std::find(closed.begin(), closed.end(), fd) != closed.end()) {
                const int mode = fcntl(fd, F_GETFL) & O_ACCMODE;
                right = IsOn(fd, "/dev/null") && mode == (fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
            }
            wrong |= right ? 0 : 1 << fd;
        }
        _exit(wrong);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// A launcher may start the game with any of them closed; the next file opened, or the X connection, would
// then take the number, and a message meant for the console would be written into it.
TEST(Process, StandardDescriptorsClosedAtStartAreOpenedOnDevNullAndOpenOnesAreKept) {
    EXPECT_EQ(WrongDescriptorsAfterStartWithClosed({0, 1, 2}), 0) << "a bit per wrong descriptor";
    EXPECT_EQ(WrongDescriptorsAfterStartWithClosed({2}), 0);
    EXPECT_EQ(WrongDescriptorsAfterStartWithClosed({1, 2}), 0);
    EXPECT_EQ(WrongDescriptorsAfterStartWithClosed({0}), 0);
    EXPECT_EQ(WrongDescriptorsAfterStartWithClosed({}), 0);
}

}  // namespace
