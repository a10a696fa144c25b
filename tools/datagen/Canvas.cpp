#include "Canvas.h"

#include <cstring>
#include <stdexcept>

namespace datagen {

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot create a drawing surface");
    }
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Image Canvas::Snapshot() const {
    cairo_surface_flush(surface_);
    Image image;
    image.width = cairo_image_surface_get_width(surface_);
    image.height = cairo_image_surface_get_height(surface_);
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface_));
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * sizeof(std::uint32_t);
    for (std::size_t y = 0; y < static_cast<std::size_t>(image.height); ++y) {
        std::memcpy(&image.pixels[y * static_cast<std::size_t>(image.width)], data + y * stride, rowBytes);
    }
    return image;
}

ImageSurface::ImageSurface(const Image& image)
    : copy_(image),
      surface_(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(copy_.pixels.data()),
                                                   CAIRO_FORMAT_ARGB32, copy_.width, copy_.height,
                                                   copy_.width * static_cast<int>(sizeof(std::uint32_t)))) {}

ImageSurface::~ImageSurface() {
    cairo_surface_destroy(surface_);
}

}  // namespace datagen
