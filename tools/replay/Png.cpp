#include "Png.h"

#include <cairo.h>

#include <memory>

namespace replay {

namespace {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};

// Cairo's RGB24 pixel is 0x00RRGGBB in the machine's own order.
std::uint32_t ToCairo(std::uint32_t bgr) {
    return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

}  // namespace

bool WritePng(const std::filesystem::path& file, const std::vector<std::uint32_t>& frame,
              std::int32_t width) {
    const auto pixelsInARow = static_cast<std::size_t>(width);
    if (width <= 0 || frame.empty() || frame.size() % pixelsInARow != 0) {
        return false;
    }
    const auto height = static_cast<std::int32_t>(frame.size() / pixelsInARow);
    const std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return false;
    }
    cairo_surface_flush(surface.get());
    unsigned char* const data = cairo_image_surface_get_data(surface.get());
    const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface.get()));
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        auto* const row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (std::size_t x = 0; x < pixelsInARow; ++x) {
            row[x] = ToCairo(frame[y * pixelsInARow + x]);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return cairo_surface_write_to_png(surface.get(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace replay
