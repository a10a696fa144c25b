// Loading samples into the table and finding a handle's slot.
#include <filesystem>
#include <iostream>
#include <system_error>
#include <utility>

#include "Music.h"
#include "SoundTable.h"

namespace Music {

namespace detail {

SoundTable& Table() {
    // Never destroyed: the mixer's thread may still play these samples while the process ends.
    static SoundTable& table = *new SoundTable;
    return table;
}

SndStruct* Slot(std::uint32_t sound) {
    SoundTable& table = Table();
    if (!table.init || sound == 0 || sound > table.snd.size()) {
        return nullptr;
    }
    SndStruct& slot = table.snd[sound - 1];
    return slot.snd != nullptr ? &slot : nullptr;
}

int OwnedChannel(std::uint32_t sound, const SndStruct& slot) {
    const std::vector<std::uint32_t>& owners = Table().channelOwner;
    if (slot.channel < 0 || static_cast<std::size_t>(slot.channel) >= owners.size()) {
        return kNoChannel;
    }
    return owners[static_cast<std::size_t>(slot.channel)] == sound ? slot.channel : kNoChannel;
}

}  // namespace detail

namespace {

// No slot is ever emptied, so every sample takes a new slot at the end; handle = slot index + 1.
std::uint32_t AddSound(Mix_Chunk* add) {
    std::vector<detail::SndStruct>& snd = detail::Table().snd;
    snd.push_back(detail::SndStruct{.snd = add});
    return static_cast<std::uint32_t>(snd.size());
}

// The largest sound the game ships is far under 1 MB. The mixer reads a file whole, and hands a WAV of a
// gigabyte with a valid header to a loader that crashes on it.
constexpr std::uintmax_t kLargestSound = std::uintmax_t{8} << 20;

// Whether the mixer may be handed the file. A named pipe or a device in place of a sound file would block the
// game for ever: it counts as missing. A file too large is said once, not at every shot that plays it.
bool Loadable(const char* file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        return false;
    }
    if (size > kLargestSound) {
        if (detail::Table().tooLarge.insert(file).second) {
            std::cerr << "Saltwing: " << file
                      << " is larger than 8 MB, the most a sound may have; it is not played" << std::endl;
        }
        return false;
    }
    return true;
}

Mix_Chunk* SharedSample(const char* file) {
    auto& samples = detail::Table().samples;
    if (const auto found = samples.find(file); found != samples.end()) {
        return found->second;
    }
    Mix_Chunk* sample = Loadable(file) ? Mix_LoadWAV(file) : nullptr;
    if (sample != nullptr) {
        samples.emplace(file, sample);
    }
    return sample;
}

}  // namespace

std::uint32_t LoadSound(const char* file) {
    if (!detail::Table().init || file == nullptr) {
        return 0;
    }
    Mix_Chunk* sample = SharedSample(file);
    return sample != nullptr ? AddSound(sample) : 0;
}

void PreloadSound(const char* file) {
    if (detail::Table().init && file != nullptr) {
        SharedSample(file);
    }
}

}  // namespace Music
