// Music: the sound table. Samples are loaded, played once or looped, stopped and set in volume through
// small integer handles; every operation is a quiet no-op without a sound device.
#pragma once

#include <cstdint>

namespace Music {

// Opens the sound device (32000 Hz, 64 channels), or keeps it when it is already open.
bool InitMusic();
// Handles are 1, 2, 3, ... in load order; 0 means no sound and is ignored everywhere.
std::uint32_t LoadSound(const char* file);
// Reads the file's sample now, without a handle, so that loading it later costs no reading or decoding.
void PreloadSound(const char* file);
void PlaySound(std::uint32_t sound, bool repeat);
void StopSound(std::uint32_t sound);
// 0 (silent) to 255 (full); larger values count as 255. Acts only on a sound that counts as playing.
void SetSoundVolume(std::uint32_t sound, std::uint32_t volume);
// Holds every sounding channel where it is (a paused play is silent), and lets them all go on again. A
// paused sound still counts as playing.
void PauseSounds();
void ResumeSounds();

}  // namespace Music
