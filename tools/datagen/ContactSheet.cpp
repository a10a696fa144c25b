#include "ContactSheet.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "Canvas.h"
#include "Draw.h"
#include "Manifest.h"

namespace datagen {
namespace {

constexpr double kSheetWidth = 1900;
constexpr double kMargin = 24;
constexpr double kGap = 18;
constexpr double kLabel = 34;
constexpr Rgb kBackdrop = Hex(0x262B33);
constexpr Rgb kLabelColour = Hex(0xE8E2D0);

// Small sprites are enlarged (pixel for pixel) and full-window pictures reduced.
double ScaleFor(const Entry& entry) {
    const int longest = std::max(entry.width, entry.height);
    if (longest >= 1000) {
        return 0.28;
    }
    if (longest < 60) {
        return 4;
    }
    return longest < 120 ? 2 : 1;
}

struct Tile {
    const Entry* entry;
    double scale;
    double width;   // all panels side by side
    double height;  // panels and label
};

Image MaskImage(const Mask& mask) {
    Image image{mask.width, mask.height, std::vector<std::uint32_t>(mask.on.size())};
    for (std::size_t i = 0; i < mask.on.size(); ++i) {
        image.pixels[i] = mask.on[i] != 0 ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return image;
}

// What the game shows: the picture where the mask is white, nothing elsewhere.
Image ThroughMask(const Image& colour, const Mask& mask) {
    Image image = colour;
    for (std::size_t i = 0; i < mask.on.size(); ++i) {
        image.pixels[i] = mask.on[i] != 0 ? colour.pixels[i] : 0u;
    }
    return image;
}

void Panel(cairo_t* cr, const Image& image, Point at, double scale, bool onSky) {
    const double w = image.width * scale;
    const double h = image.height * scale;
    if (onSky) {
        cairo_rectangle(cr, at.x, at.y, w, h);
        SetVertical(cr, at.y, at.y + h, {{0, Hex(0x6F9FCB)}, {1, Hex(0xA9C8E0)}});
        cairo_fill(cr);
    }
    ImageSurface surface(image);
    Saved saved(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, surface.Get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), scale > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
}

std::vector<Tile> Tiles() {
    std::vector<Tile> tiles;
    for (const Entry& entry : Manifest()) {
        if (entry.kind != Kind::Colour) {
            continue;
        }
        const double scale = ScaleFor(entry);
        const int panels = entry.mask.empty() ? 1 : 3;
        // Wide enough for its label, however small the picture.
        const double width = std::max(130.0, panels * entry.width * scale + (panels - 1) * 6);
        tiles.push_back({&entry, scale, width, entry.height * scale + kLabel});
    }
    std::stable_sort(tiles.begin(), tiles.end(),
                     [](const Tile& a, const Tile& b) { return a.height > b.height; });
    return tiles;
}

struct Placed {
    Tile tile;
    Point at;
};

std::vector<Placed> Layout(const std::vector<Tile>& tiles, double top, double& bottom) {
    std::vector<Placed> placed;
    Point at = {kMargin, top};
    double rowHeight = 0;
    for (const Tile& tile : tiles) {
        if (at.x + tile.width > kSheetWidth - kMargin) {
            at = {kMargin, at.y + rowHeight + kGap};
            rowHeight = 0;
        }
        placed.push_back({tile, at});
        at.x += tile.width + kGap;
        rowHeight = std::max(rowHeight, tile.height);
    }
    bottom = at.y + rowHeight + kGap;
    return placed;
}

// The file's name and size, and on a second line the mask it is drawn through.
std::array<std::string, 2> Label(const Entry& entry) {
    const std::string name = DiskPath(entry.name).substr(8);
    const std::string size = std::to_string(entry.width) + "x" + std::to_string(entry.height);
    return {name + "  " + size, entry.mask.empty() ? "" : "through " + DiskPath(entry.mask).substr(8)};
}

}  // namespace

void WriteContactSheet(const std::filesystem::path& path, const Pictures& pictures,
                       const std::vector<SoundSummary>& sounds) {
    double bottom = 0;
    const std::vector<Placed> placed = Layout(Tiles(), 90, bottom);
    const double height = bottom + 40 + 26.0 * static_cast<double>(sounds.size()) + kMargin;
    Canvas canvas(static_cast<int>(kSheetWidth), static_cast<int>(height));
    cairo_t* cr = canvas.Context();
    cairo_rectangle(cr, 0, 0, kSheetWidth, height);
    SetColour(cr, kBackdrop);
    cairo_fill(cr);
    Text(cr, "SALTWING data", {kMargin, 52}, {kSerif, true, 34}, colour::Gold);
    Text(cr, "picture  |  its mask  |  drawn through the mask over the sky", {kMargin + 400, 50},
         {kSans, false, 18}, kLabelColour);

    for (const auto& [tile, at] : placed) {
        const Entry& entry = *tile.entry;
        const Image& colour = pictures.colour.at(entry.name);
        Panel(cr, colour, at, tile.scale, false);
        if (!entry.mask.empty()) {
            const Mask& mask = pictures.masks.at(entry.mask);
            const double step = entry.width * tile.scale + 6;
            Panel(cr, MaskImage(mask), {at.x + step, at.y}, tile.scale, false);
            Panel(cr, ThroughMask(colour, mask), {at.x + 2 * step, at.y}, tile.scale, true);
        }
        const double size = std::min(12.0, std::max(8.0, tile.width / 24));
        const double y = at.y + entry.height * tile.scale + 14;
        const auto [first, second] = Label(entry);
        Text(cr, first, {at.x, y}, {kSans, false, size}, kLabelColour);
        Text(cr, second, {at.x, y + size + 2}, {kSans, false, size}, kLabelColour);
    }

    double y = bottom + 20;
    Text(cr, "Sounds", {kMargin, y}, {kSerif, true, 22}, colour::Gold);
    for (const SoundSummary& sound : sounds) {
        y += 26;
        char line[160];
        std::snprintf(line, sizeof line, "%-28s %6.2f s   peak %6.1f dBFS   rms %6.1f dBFS",
                      DiskPath(sound.name).c_str(), sound.seconds, sound.peakDb, sound.rmsDb);
        Text(cr, line, {kMargin, y}, {kMono, false, 16}, kLabelColour);
    }
    if (cairo_surface_write_to_png(canvas.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace datagen
