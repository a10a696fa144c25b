#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "Time.h"

namespace Time {

namespace {

// Without an eventfd nothing can end the sleep early, so it is kept this short.
constexpr int kFallbackMilliseconds = 2;

}  // namespace

void Wakeup::Notify() {
    notified_.fetch_add(1);
    const int fd = fd_.load();
    if (fd >= 0) {
        const int callersError = errno;  // a signal handler must leave errno as it found it
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(fd, &one, sizeof one);  // full only at 2^64 - 2
        errno = callersError;
    }
}

void Wakeup::Wait(int descriptor, int timeoutMilliseconds) {
    int fd = fd_.load();
    if (fd < 0) {
        fd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        fd_.store(fd);
    }
    if (fd < 0 && (timeoutMilliseconds < 0 || timeoutMilliseconds > kFallbackMilliseconds)) {
        timeoutMilliseconds = kFallbackMilliseconds;
    }
    // A Notify that came before the descriptor existed is counted: the count is read after it is made.
    while (notified_.load() == seen_) {
        std::array<pollfd, 2> watched{pollfd{fd, POLLIN, 0}, pollfd{descriptor, POLLIN, 0}};
        const int ready = poll(watched.data(), watched.size(), timeoutMilliseconds);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t taken = read(fd, &count, sizeof count);  // none pending: EAGAIN
        if (ready <= 0 || watched[1].revents != 0) {
            break;  // the time is up, or the other descriptor has something
        }
    }
    seen_ = notified_.load();
}

}  // namespace Time
