// The sound table shared by the module's source files. Only Music's own sources include this header.
#pragma once

#include <SDL2/SDL_mixer.h>

#include <cstdint>
#include <future>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace Music::detail {

inline constexpr int kNoChannel = -1;

struct SndStruct {
    Mix_Chunk* snd = nullptr;  // shared with every other handle of the same file
    int channel = kNoChannel;  // where the sample was last started
    bool playing = false;      // from PlaySound until StopSound, also after a one-shot has ended
};

struct SoundTable {
    bool init = false;
    std::vector<SndStruct> snd;  // handle k is snd[k - 1]; the table's length is sndlen
    // One decoded sample per file: the game loads a sound at every shot, so memory stays bounded.
    std::unordered_map<std::string, Mix_Chunk*> samples;
    std::unordered_set<std::string> tooLarge;  // files refused for their size, said once each
    // The handle that last started a sound on each channel. A channel finished by one handle and then
    // taken by another belongs to the newer one, so the older handle's stop or volume leaves it alone.
    std::vector<std::uint32_t> channelOwner;
    // The device being opened, from the start of an opening until the InitMusic that sees it end.
    std::future<bool> opening;
};

SoundTable& Table();

// The slot of a handle that operations act on (device started, handle in range, slot filled); else null.
SndStruct* Slot(std::uint32_t sound);

// The channel the handle still owns, or kNoChannel.
int OwnedChannel(std::uint32_t sound, const SndStruct& slot);

}  // namespace Music::detail
