// The only random source of the game: a small recurrence that stirs in the clock at every draw.
#include <cstdio>
#include <cstdlib>

#include "Time.h"
#include "TimeTesting.h"

namespace Time {

namespace {

std::int32_t gRnd = 0;

}  // namespace

std::int32_t RandomNr(std::int32_t a, std::int32_t b) {
    if (b < a) {
        std::fprintf(stderr, "RandomNr: empty range %d to %d\n", a, b);
        std::abort();
    }
    DateTime reading;
    GetClock(reading);
    std::int32_t h = 0;
    TimeToHundreds(reading, h);
    gRnd = (gRnd * 4211 + 214013 + h) % 100000;
    const std::int64_t n = std::int64_t{b} - a + 1;
    return static_cast<std::int32_t>(a + gRnd % n);
}

namespace testing {

std::int32_t RandomState() {
    return gRnd;
}
void SetRandomState(std::int32_t value) {
    gRnd = value;
}

}  // namespace testing

}  // namespace Time
