// Test-only view of the sound table and the mixer's channels.
#include "MusicTesting.h"
#include "SoundTable.h"

namespace Music::testing {

namespace {

int OwnedChannelOf(std::uint32_t sound) {
    const detail::SndStruct* slot = detail::Slot(sound);
    return slot != nullptr ? detail::OwnedChannel(sound, *slot) : detail::kNoChannel;
}

}  // namespace

bool CountsAsPlaying(std::uint32_t sound) {
    const detail::SndStruct* slot = detail::Slot(sound);
    return slot != nullptr && slot->playing;
}

int SoundingChannel(std::uint32_t sound) {
    const int channel = OwnedChannelOf(sound);
    return channel != detail::kNoChannel && Mix_Playing(channel) != 0 ? channel : detail::kNoChannel;
}

bool ChannelPaused(std::uint32_t sound) {
    const int channel = OwnedChannelOf(sound);
    return channel != detail::kNoChannel && Mix_Paused(channel) != 0;
}

int ChannelVolume(std::uint32_t sound) {
    const int channel = OwnedChannelOf(sound);
    return channel != detail::kNoChannel ? Mix_Volume(channel, -1) : -1;
}

int SoundingChannels() {
    return detail::Table().init ? Mix_Playing(-1) : 0;
}

int AllocatedChannels() {
    return detail::Table().init ? Mix_AllocateChannels(-1) : 0;
}

std::size_t DistinctSamples() {
    return detail::Table().samples.size();
}

}  // namespace Music::testing
