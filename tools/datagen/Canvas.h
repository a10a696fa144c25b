// A cairo drawing surface that owns its context.
#pragma once

#include <cairo.h>

#include "Image.h"

namespace datagen {

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Context() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }
    Image Snapshot() const;

  private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// A cairo surface over an image's pixels, for drawing one picture into another.
class ImageSurface {
  public:
    explicit ImageSurface(const Image& image);
    ~ImageSurface();
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    cairo_surface_t* Get() const { return surface_; }

  private:
    Image copy_;
    cairo_surface_t* surface_;
};

}  // namespace datagen
