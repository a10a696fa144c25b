#include "FrameHashes.h"

#include <istream>
#include <ostream>
#include <span>

#include "Wimdows/WimdowsFrames.h"

namespace replay {

namespace {

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0xFF51AFD7ED558CCDull;
}

// Four independent lanes: a whole frame a frame stays cheap enough for a replay of every frame. The
// colours arrive a row at a time; the n-th colour of the frame goes to lane n % 4, and the last n % 4
// colours of the frame are mixed in one by one.
class FrameHash {
  public:
    void Add(std::span<const std::uint32_t> colors) {
        std::size_t i = 0;
        while (held_ > 0 && held_ < 4 && i < colors.size()) {
            group_[held_++] = colors[i++];
        }
        if (held_ == 4) {
            Lanes(group_);
            held_ = 0;
        }
        // The lanes in locals: kept in registers, each lane's chain waits on nothing but itself.
        std::uint64_t a = lanes_[0];
        std::uint64_t b = lanes_[1];
        std::uint64_t c = lanes_[2];
        std::uint64_t d = lanes_[3];
        for (; i + 4 <= colors.size(); i += 4) {
            a = (a ^ colors[i]) * kPrime;
            b = (b ^ colors[i + 1]) * kPrime;
            c = (c ^ colors[i + 2]) * kPrime;
            d = (d ^ colors[i + 3]) * kPrime;
        }
        lanes_[0] = a;
        lanes_[1] = b;
        lanes_[2] = c;
        lanes_[3] = d;
        for (; i < colors.size(); ++i) {
            group_[held_++] = colors[i];
        }
        size_ += colors.size();
    }

    std::uint64_t Value() const {
        std::uint64_t h = size_;
        for (std::size_t i = 0; i < held_; ++i) {
            h = Mix(h, group_[i]);
        }
        for (const std::uint64_t lane : lanes_) {
            h = Mix(h, lane);
        }
        return h;
    }

  private:
    static constexpr std::uint64_t kPrime = 0x100000001B3ull;

    void Lanes(const std::uint32_t* four) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            lanes_[lane] = (lanes_[lane] ^ four[lane]) * kPrime;
        }
    }

    std::uint64_t lanes_[4] = {1, 2, 3, 4};
    std::uint32_t group_[4] = {};
    std::size_t held_ = 0;  // of the next group of four
    std::size_t size_ = 0;
};

std::uint64_t HashOfBackFrame() {
    FrameHash hash;
    Wimdows::frames::ReadBackRows([&hash](std::span<const std::uint32_t> row) { hash.Add(row); });
    return hash.Value();
}

}  // namespace

FrameHashes::FrameHashes(std::int64_t sampleEvery, std::int64_t stride, std::ostream* perFrame)
    : sampleEvery_(sampleEvery), stride_(stride), perFrame_(perFrame) {}

void FrameHashes::Add() {
    ++frames_;
    if (frames_ % stride_ == 0) {
        const std::uint64_t hash = HashOfBackFrame();
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
