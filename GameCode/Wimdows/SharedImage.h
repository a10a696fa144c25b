// The window's pixels in memory shared with the X server, shown without waiting for it. SDL's present of its
// window surface ends each frame with a round trip to the server (XSync), so that it may draw into the same
// memory again: the window thread slept once a frame on the server. Here the server's note that an image
// has been shown comes on a connection of this image's own that nothing waits on, and is read only before
// the next present draws, by when it has long arrived. Window thread only.
#pragma once

#include <SDL.h>

#include <memory>
#include <span>

namespace Wimdows::detail {

class SharedImage {
  public:
    SharedImage();
    ~SharedImage();
    SharedImage(const SharedImage&) = delete;
    SharedImage& operator=(const SharedImage&) = delete;

    // The picture to draw the window's pixels into, of the window's size, once the server has finished
    // showing the last present from it; made again when the window's size has changed. Null where no image
    // can be shared with this window's display (another video driver, a remote or deep-colour display, no
    // shared memory): SDL's window surface serves then, and this image does not try again until `Release`.
    SDL_Surface* For(SDL_Window* window);
    // Whether `surface` is the picture `For` gave last.
    bool Holds(const SDL_Surface* surface) const;
    // Whether presents go through a shared image.
    bool InUse() const { return Holds(Picture()); }
    // Returns once the server has shown every present sent to it.
    void Finish();
    // Has the server show these areas of the picture `For` gave in the window; returns at once.
    void Show(std::span<const SDL_Rect> areas);
    // Gives back the image and its connection, before the window is destroyed.
    void Release();

  private:
    SDL_Surface* Picture() const;

    struct Server;
    std::unique_ptr<Server> server_;
    bool unavailable_ = false;
};

}  // namespace Wimdows::detail
