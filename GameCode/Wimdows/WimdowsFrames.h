// What tools read of the window layer besides the game's calls: the frame drawn, and the hand-over of
// frames to the window thread. The replay tool hashes and renders frames with it; benchmarks time the
// drawing alone with it. Not for the game's code.
#pragma once

#include <cstdint>
#include <vector>

namespace Wimdows::frames {

// The back buffer row by row, colours 0x00BBGGRR; empty with no window open.
std::vector<std::uint32_t> BackFrame();

// Returns once the window thread has presented every frame handed to it so far.
void WaitPresented();

// Off: UpdateWindow and unbuffered drawing hand nothing to the window thread, so that a benchmark times the
// drawing alone. On by default; switched on again, the next UpdateWindow hands over the whole frame.
void SetHandOver(bool on);

}  // namespace Wimdows::frames
