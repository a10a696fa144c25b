// The window's icon made from the game's large icon picture and its mask.
#pragma once

#include <SDL.h>

namespace Wimdows::detail {

// The icon at `size` × `size` (ARGB8888; the caller frees it), from a picture and a mask in a 32-bit format
// whose size is a whole multiple of it, or nullptr when it is not. Each icon pixel is the average colour of
// the shape's pixels in its block and as opaque as the share of the block inside the shape: a soft edge,
// with no colour from outside the shape bleeding in.
SDL_Surface* ReduceIcon(const SDL_Surface* picture, const SDL_Surface* mask, int size);

}  // namespace Wimdows::detail
