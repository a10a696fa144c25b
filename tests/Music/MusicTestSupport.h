// Sound files made by the tests, and waiting for the mixer's own thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "TempFile.h"

namespace testsupport {

// A mono 16-bit square wave at 32000 Hz as a WAV file.
inline TempFile SquareWav(const std::string& name, std::uint32_t milliseconds) {
    constexpr std::uint32_t kRate = 32000;
    const std::uint32_t samples = kRate * milliseconds / 1000;
    const std::uint32_t dataBytes = samples * 2;
    std::string wav = "RIFF";
    PutLittleEndian(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);         // format chunk size
    PutLittleEndian(wav, 1, 2);          // PCM
    PutLittleEndian(wav, 1, 2);          // mono
    PutLittleEndian(wav, kRate, 4);      // frames per second
    PutLittleEndian(wav, kRate * 2, 4);  // bytes per second
    PutLittleEndian(wav, 2, 2);          // bytes per frame
    PutLittleEndian(wav, 16, 2);         // bits per sample
    wav += "data";
    PutLittleEndian(wav, dataBytes, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        PutLittleEndian(wav, (i / 40) % 2 == 0 ? 0x2000u : 0xE000u, 2);  // +8192 and -8192
    }
    return TempFile(name + ".wav", wav);
}

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
