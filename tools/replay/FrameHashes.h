// Hashes of the back buffer, one a frame, chained: the chain value at a frame stands for every frame up to
// it, so a chain sampled every N frames still finds the first frame that differs within N frames.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace replay {

class FrameHashes {
  public:
    // Every `stride`-th frame is hashed (reading the back buffer costs some tenths of a millisecond), and
    // every `sampleEvery` frames the chain is kept as a sample; `perFrame`, if given, gets a line
    // "<frame> <hash> <chain>" for every hashed frame.
    FrameHashes(std::int64_t sampleEvery, std::int64_t stride, std::ostream* perFrame = nullptr);

    // A frame: hashes the back buffer as it is now, if it is one of the hashed frames.
    void Add();

    struct Sample {
        std::int64_t frame = 0;
        std::uint64_t chain = 0;
        bool operator==(const Sample&) const = default;
    };
    // The samples, and the chain at the last frame if that is not one of them.
    std::vector<Sample> Samples() const;
    std::int64_t Frames() const { return frames_; }

  private:
    std::int64_t sampleEvery_;
    std::int64_t stride_;
    std::ostream* perFrame_;
    std::int64_t frames_ = 0;
    std::uint64_t chain_ = 0;
    std::vector<Sample> samples_;
};

// The samples as text, "<frame> <chain in hex>" a line, and back.
void WriteSamples(std::ostream& out, const std::vector<FrameHashes::Sample>& samples);
std::vector<FrameHashes::Sample> ReadSamples(std::istream& in);

}  // namespace replay
