// The window thread's sleep: until the main thread has work for it or its display connection has events.
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

// Without an eventfd the thread cannot be woken, so it looks again this often.
constexpr int kFallbackMilliseconds = 2;

}  // namespace

Wakeup::Wakeup() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Wakeup::~Wakeup() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

void Wakeup::Notify() {
    if (fd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(fd_, &one, sizeof one);  // full only at 2^64 - 2
    }
}

void Wakeup::Wait(int events, int timeoutMilliseconds) {
    std::array<pollfd, 2> watched{pollfd{fd_, POLLIN, 0}, pollfd{events, POLLIN, 0}};
    if (fd_ < 0) {
        timeoutMilliseconds = kFallbackMilliseconds;
    }
    while (poll(watched.data(), watched.size(), timeoutMilliseconds) < 0 && errno == EINTR) {
    }
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = read(fd_, &count, sizeof count);  // none pending: EAGAIN
}

}  // namespace Wimdows::detail
