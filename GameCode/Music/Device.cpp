// Starting the sound device.
#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

#include "Music.h"
#include "SoundTable.h"
#include "Time/Time.h"

namespace Music {

namespace {

constexpr int kRate = 32000;
constexpr int kChannels = 64;
constexpr int kStereo = 2;
constexpr int kChunkSize = 1024;
// A sound server that accepts a connection and never answers would hold the game for half a minute.
constexpr auto kOpenPatience = std::chrono::seconds(2);

// Without a sound card ALSA prints a line for every device SDL tries; the game says it once itself.
void QuietAlsa(const char* /*file*/, int /*line*/, const char* /*function*/, int /*error*/,
               const char* /*format*/, ...) {}

bool DeviceOpen() {
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

// Opens the device on a thread of its own, so that the game can give up waiting; the thread is never
// joined, so no exit waits for it either.
std::future<bool> StartOpening() {
    std::packaged_task<bool()> open(
        [] { return Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, kStereo, kChunkSize) == 0; });
    std::future<bool> opened = open.get_future();
    std::thread(std::move(open)).detach();
    return opened;
}

// Waits in short steps, each one a wait of the clock source too, so that a close request ends the game at
// once while the device is still being opened.
bool Ready(const std::future<bool>& opening, std::chrono::milliseconds patience) {
    constexpr auto kStep = std::chrono::milliseconds(10);
    const auto giveUpAt = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (opening.wait_for(std::min(kStep, patience)) == std::future_status::ready) {
            return true;
        }
        Time::Delay(0);
        if (std::chrono::steady_clock::now() >= giveUpAt) {
            return false;
        }
    }
}

}  // namespace

bool InitMusic() {
    detail::SoundTable& table = detail::Table();
    table.init = false;
    if (Mix_Linked_Version()->major != SDL_MIXER_MAJOR_VERSION) {
        return false;
    }
    if (table.opening.valid()) {
        // An opening that outlasted an earlier call is not waited for again; the game stays silent until it
        // has ended.
        if (!Ready(table.opening, std::chrono::milliseconds(0))) {
            return false;
        }
    } else {
        // An open device is kept as it is: reopened with other parameters the mixer drops to 8 channels, and
        // closed, every channel call would read freed memory.
        if (DeviceOpen()) {
            table.init = true;
            return true;
        }
        snd_lib_error_set_handler(QuietAlsa);
        table.opening = StartOpening();
        if (!Ready(table.opening, kOpenPatience)) {
            return false;
        }
    }
    const bool opened = table.opening.get();
    if (!opened) {
        return false;
    }
    table.channelOwner.assign(static_cast<std::size_t>(Mix_AllocateChannels(kChannels)), 0);
    table.init = true;
    return true;
}

}  // namespace Music
