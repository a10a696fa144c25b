#include "Cutout.h"

#include <cmath>
#include <cstdint>

namespace datagen {
namespace {

std::uint32_t Channel(std::uint32_t argb, int shift) {
    return (argb >> shift) & 0xFFu;
}

// Premultiplied source over an opaque backdrop.
std::uint32_t Over(std::uint32_t argb, Rgb backdrop) {
    const double rest = 1.0 - static_cast<double>(Channel(argb, 24)) / 255.0;
    auto mix = [&](int shift, double back) {
        const double v = static_cast<double>(Channel(argb, shift)) + rest * back * 255.0;
        return static_cast<std::uint32_t>(std::lround(std::fmin(v, 255.0)));
    };
    return 0xFF000000u | mix(16, backdrop.r) << 16 | mix(8, backdrop.g) << 8 | mix(0, backdrop.b);
}

bool InShape(std::uint32_t argb) {
    return static_cast<double>(Channel(argb, 24)) >= kShapeThreshold * 255.0;
}

}  // namespace

Cutout CutOut(const Image& drawn, Rgb matte, Rgb edge, const Mask* shape) {
    Cutout cut{drawn, {drawn.width, drawn.height, {}}};
    cut.mask.on.resize(drawn.pixels.size());
    const std::uint32_t background = Over(0, matte);
    const bool shared = shape != nullptr && shape->on.size() == drawn.pixels.size();
    for (std::size_t i = 0; i < drawn.pixels.size(); ++i) {
        const bool inside = shared ? shape->on[i] != 0 : InShape(drawn.pixels[i]);
        cut.mask.on[i] = inside ? 1 : 0;
        cut.colour.pixels[i] = inside ? Over(drawn.pixels[i], edge) : background;
    }
    return cut;
}

Image Flatten(const Image& drawn, Rgb matte) {
    Image flat = drawn;
    for (std::uint32_t& pixel : flat.pixels) {
        pixel = Over(pixel, matte);
    }
    return flat;
}

}  // namespace datagen
