// Starting the sound device.
#include "Music.h"
#include "SoundTable.h"

namespace Music {

namespace {

constexpr int kRate = 32000;
constexpr int kChannels = 64;
constexpr int kStereo = 2;
constexpr int kChunkSize = 1024;

bool DeviceOpen() {
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

}  // namespace

bool InitMusic() {
    detail::SoundTable& table = detail::Table();
    table.init = false;
    if (Mix_Linked_Version()->major != SDL_MIXER_MAJOR_VERSION) {
        return false;
    }
    // An open device is kept as it is: reopened with other parameters the mixer drops to 8 channels, and
    // closed, every channel call would read freed memory.
    if (!DeviceOpen()) {
        if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, kStereo, kChunkSize) != 0) {
            return false;
        }
        table.channelOwner.assign(static_cast<std::size_t>(Mix_AllocateChannels(kChannels)), 0);
    }
    table.init = true;
    return true;
}

}  // namespace Music
