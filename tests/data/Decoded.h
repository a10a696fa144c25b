// A sound file of the data folder decoded as the game's mixer will decode it, its channels averaged.
#pragma once

#include <sndfile.h>

#include <string_view>
#include <vector>

#include "Manifest.h"

namespace datatest {

struct Decoded {
    int rate = 0;
    std::vector<double> samples;
};

inline Decoded Decode(std::string_view name) {
    SF_INFO info{};
    SNDFILE* file = sf_open(datagen::DiskPath(name).c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return {};
    }
    std::vector<double> frames(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t read = sf_readf_double(file, frames.data(), info.frames);
    sf_close(file);
    const auto channels = static_cast<std::size_t>(info.channels);
    Decoded decoded{info.samplerate, std::vector<double>(static_cast<std::size_t>(read))};
    for (std::size_t i = 0; i < decoded.samples.size(); ++i) {
        for (std::size_t c = 0; c < channels; ++c) {
            decoded.samples[i] += frames[i * channels + c] / static_cast<double>(channels);
        }
    }
    return decoded;
}

}  // namespace datatest
