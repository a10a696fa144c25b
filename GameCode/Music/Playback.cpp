// Playing, stopping and setting the volume of a handle's sample.
#include <algorithm>

#include "Music.h"
#include "SoundTable.h"

namespace Music {

namespace {

constexpr std::uint32_t kFullVolume = 255;

int MixerVolume(std::uint32_t volume) {
    const std::uint32_t clamped = std::min(volume, kFullVolume);
    // Rounded to nearest: 0 stays silent and 255 is full.
    return static_cast<int>((clamped * MIX_MAX_VOLUME + kFullVolume / 2) / kFullVolume);
}

}  // namespace

void PlaySound(std::uint32_t sound, bool repeat) {
    detail::SndStruct* slot = detail::Slot(sound);
    if (slot == nullptr) {
        return;
    }
    if (slot->playing) {
        StopSound(sound);
    }
    // With every channel busy the sound is not heard; -1 is kept as "no channel", never passed on, since
    // to the mixer it means every channel.
    slot->channel = Mix_PlayChannel(-1, slot->snd, repeat ? -1 : 0);
    if (slot->channel >= 0) {
        // A reused channel would keep the volume its previous sound was given.
        Mix_Volume(slot->channel, MIX_MAX_VOLUME);
        detail::Table().channelOwner[static_cast<std::size_t>(slot->channel)] = sound;
    }
    slot->playing = true;
}

void StopSound(std::uint32_t sound) {
    detail::SndStruct* slot = detail::Slot(sound);
    if (slot == nullptr || !slot->playing) {
        return;
    }
    if (const int channel = detail::OwnedChannel(sound, *slot); channel != detail::kNoChannel) {
        Mix_HaltChannel(channel);
    }
    slot->playing = false;
}

void SetSoundVolume(std::uint32_t sound, std::uint32_t volume) {
    detail::SndStruct* slot = detail::Slot(sound);
    if (slot == nullptr || !slot->playing) {
        return;
    }
    if (const int channel = detail::OwnedChannel(sound, *slot); channel != detail::kNoChannel) {
        Mix_Volume(channel, MixerVolume(volume));
    }
}

}  // namespace Music
