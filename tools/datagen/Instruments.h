// The voices of the menu tune and the win fanfare. A note is rendered for the time it is held; its release
// rings on past that.
#pragma once

#include <cstdint>

#include "Synth.h"

namespace datagen {

Signal Lead(double hz, double held);   // a soft FM flute with a late vibrato
Signal Bell(double hz);                // a glockenspiel: bright, struck, ringing
Signal Brass(double hz, double held);  // a bright horn that opens up as it swells
Signal Bass(double hz, double held);   // a round plucked bass
Signal Pad(double hz, double held);    // a slow, detuned chord voice
Signal Kick();
Signal Shaker(std::uint64_t seed);
Signal Rim(std::uint64_t seed);
Signal Timpani(double hz, double held, std::uint64_t seed);
Signal Cymbal(double seconds, std::uint64_t seed);

}  // namespace datagen
