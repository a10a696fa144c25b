// Test-only view of the sound table and the mixer's channels.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Music::testing {

// Whether the handle counts as playing (from PlaySound until StopSound).
bool CountsAsPlaying(std::uint32_t sound);
// The channel the handle's sample is sounding on right now, or -1.
int SoundingChannel(std::uint32_t sound);
// Whether the channel the handle still owns is held by PauseSounds.
bool ChannelPaused(std::uint32_t sound);
// The mixer volume (0 to 128) of the channel the handle still owns, or -1.
int ChannelVolume(std::uint32_t sound);
// Channels sounding at all, whichever handle started them.
int SoundingChannels();
int AllocatedChannels();
// Decoded samples held, one per distinct file.
std::size_t DistinctSamples();

}  // namespace Music::testing
