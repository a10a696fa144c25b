// Sound files written by the tests themselves, and waiting for the mixer's own thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <unistd.h>

namespace testsupport {

// A mono 16-bit square wave at 32000 Hz in a file of its own, removed again with the object.
class SquareWav {
  public:
    SquareWav(const std::string& name, std::uint32_t milliseconds)
        : path_(std::filesystem::temp_directory_path() / (std::to_string(getpid()) + "-" + name + ".wav")) {
        Write(path_, milliseconds);
    }
    ~SquareWav() { std::filesystem::remove(path_); }
    SquareWav(const SquareWav&) = delete;
    SquareWav& operator=(const SquareWav&) = delete;

    const char* c_str() const { return path_.c_str(); }

  private:
    static void Write(const std::filesystem::path& path, std::uint32_t milliseconds) {
        constexpr std::uint32_t kRate = 32000;
        const std::uint32_t samples = kRate * milliseconds / 1000;
        const std::uint32_t dataBytes = samples * 2;
        std::ofstream out(path, std::ios::binary);
        const auto put32 = [&out](std::uint32_t v) {
            for (int shift = 0; shift < 32; shift += 8) {
                out.put(static_cast<char>((v >> shift) & 0xFF));
            }
        };
        const auto put16 = [&out](std::uint32_t v) {
            out.put(static_cast<char>(v & 0xFF));
            out.put(static_cast<char>((v >> 8) & 0xFF));
        };
        out << "RIFF";
        put32(36 + dataBytes);
        out << "WAVEfmt ";
        put32(16);         // format chunk size
        put16(1);          // PCM
        put16(1);          // mono
        put32(kRate);      // frames per second
        put32(kRate * 2);  // bytes per second
        put16(2);          // bytes per frame
        put16(16);         // bits per sample
        out << "data";
        put32(dataBytes);
        for (std::uint32_t i = 0; i < samples; ++i) {
            put16((i / 40) % 2 == 0 ? 0x2000u : 0xE000u);  // +8192 and -8192
        }
    }

    std::filesystem::path path_;
};

// The mixer plays in real time on its own thread: waits until the condition holds, at most five seconds.
template <class Condition>
bool Eventually(Condition condition) {
    using namespace std::chrono_literals;
    for (auto waited = 0ms; waited < 5s; waited += 10ms) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(10ms);
    }
    return condition();
}

}  // namespace testsupport
