#include "FrameHashes.h"

#include <istream>
#include <ostream>

#include "WimdowsFrames.h"

namespace replay {

namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDull;
}

// Four independent lanes: a whole frame a frame stays cheap enough for a replay of every frame.
std::uint64_t HashOf(const std::vector<std::uint32_t>& frame) {
    std::uint64_t lanes[4] = {1, 2, 3, 4};
    std::size_t i = 0;
    for (; i + 4 <= frame.size(); i += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            lanes[lane] = (lanes[lane] ^ frame[i + lane]) * 0x100000001B3ull;
        }
    }
    std::uint64_t h = frame.size();
    for (; i < frame.size(); ++i) {
        h = Mix(h, frame[i]);
    }
    for (const std::uint64_t lane : lanes) {
        h = Mix(h, lane);
    }
    return h;
}

}  // namespace

FrameHashes::FrameHashes(std::int64_t sampleEvery, std::int64_t stride, std::ostream* perFrame)
    : sampleEvery_(sampleEvery), stride_(stride), perFrame_(perFrame) {}

void FrameHashes::Add() {
    ++frames_;
    if (frames_ % stride_ == 0) {
        const std::uint64_t hash = HashOf(Wimdows::frames::BackFrame());
        chain_ = Mix(chain_, hash);
        if (perFrame_ != nullptr) {
            *perFrame_ << frames_ << ' ' << std::hex << hash << ' ' << chain_ << std::dec << '\n';
        }
    }
    if (frames_ % sampleEvery_ == 0) {
        samples_.push_back({frames_, chain_});
    }
}

std::vector<FrameHashes::Sample> FrameHashes::Samples() const {
    std::vector<Sample> samples = samples_;
    if (frames_ % sampleEvery_ != 0) {
        samples.push_back({frames_, chain_});
    }
    return samples;
}

void WriteSamples(std::ostream& out, const std::vector<FrameHashes::Sample>& samples) {
    for (const FrameHashes::Sample& sample : samples) {
        out << sample.frame << ' ' << std::hex << sample.chain << std::dec << '\n';
    }
}

std::vector<FrameHashes::Sample> ReadSamples(std::istream& in) {
    std::vector<FrameHashes::Sample> samples;
    FrameHashes::Sample sample;
    while (in >> sample.frame >> std::hex >> sample.chain >> std::dec) {
        samples.push_back(sample);
    }
    return samples;
}

}  // namespace replay
