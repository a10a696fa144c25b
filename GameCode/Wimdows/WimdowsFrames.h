// What tools read of the window layer besides the game's calls: the frame drawn, and the hand-over of
// frames to the window thread. The replay tool hashes and renders frames with it; benchmarks time the
// drawing alone with it. Not for the game's code.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace Wimdows::frames {

// The back buffer row by row, colours 0x00BBGGRR; empty with no window open.
std::vector<std::uint32_t> BackFrame();

// The back buffer's rows, top to bottom, in colours 0x00BBGGRR, one by one to `read`, without copying the
// whole frame; nothing with no window open. `read` must not call the window layer.
void ReadBackRows(const std::function<void(std::span<const std::uint32_t>)>& read);

// Returns once the window thread has presented every frame handed to it so far.
void WaitPresented();

// Off: UpdateWindow and unbuffered drawing hand nothing to the window thread, so that a benchmark times the
// drawing alone. On by default; switched on again, the next UpdateWindow hands over all that was drawn
// meanwhile.
void SetHandOver(bool on);

// Off: every frame is composed whole and compared whole with the frame before, as the same frames composed
// from what changed must look; tests compare the two. On by default.
void SetIncremental(bool on);

}  // namespace Wimdows::frames
