#include "Pictures.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "Art.h"
#include "Bmp.h"
#include "Canvas.h"
#include "Cutout.h"
#include "Manifest.h"

namespace datagen {
namespace {

std::vector<Art> AllArt() {
    std::vector<Art> all;
    for (auto topic : {AircraftArt, ShipArt, EffectArt, GaugeArt, ButtonArt, SceneryArt, PageArt, ScreenArt,
                       MedalArt, IconArt}) {
        for (Art& art : topic()) {
            all.push_back(std::move(art));
        }
    }
    return all;
}

const Art& ArtFor(const std::vector<Art>& all, std::string_view name) {
    for (const Art& art : all) {
        if (art.name == name) {
            return art;
        }
    }
    throw std::runtime_error("no painter for " + std::string(name));
}

void CheckEveryPainterIsListed(const std::vector<Art>& all) {
    for (const Art& art : all) {
        const Entry* entry = Find(art.name);
        if (entry == nullptr || entry->name != art.name || entry->kind != Kind::Colour) {
            throw std::runtime_error("painter for a picture the manifest does not list: " + art.name);
        }
    }
}

Image Draw(const Art& art, int width, int height) {
    Canvas canvas(width, height);
    art.paint(canvas.Context(), width, height);
    return canvas.Snapshot();
}

}  // namespace

Pictures DrawPictures() {
    const std::vector<Art> all = AllArt();
    CheckEveryPainterIsListed(all);
    Pictures pictures;
    for (const Entry& entry : Manifest()) {
        if (entry.kind != Kind::Colour) {
            continue;
        }
        const Art& art = ArtFor(all, entry.name);
        const Image drawn = Draw(art, entry.width, entry.height);
        if (entry.mask.empty()) {
            pictures.colour[entry.name] = Flatten(drawn, art.matte);
            continue;
        }
        // The first picture drawn through a mask gives it its shape; the others (hover pictures, gauge
        // steps) are drawn to the same outline and cut by it.
        const auto shape = pictures.masks.find(entry.mask);
        Cutout cut =
            CutOut(drawn, art.matte, art.edge, shape != pictures.masks.end() ? &shape->second : nullptr);
        pictures.colour[entry.name] = std::move(cut.colour);
        if (SpriteOf(*Find(entry.mask))->name == entry.name) {
            pictures.masks[entry.mask] = std::move(cut.mask);
        }
    }
    return pictures;
}

void WritePictures(const std::filesystem::path& folder, const Pictures& pictures) {
    for (const auto& [name, image] : pictures.colour) {
        WriteColourBmp(folder / DiskPath(name), image);
    }
    for (const auto& [name, mask] : pictures.masks) {
        WriteMaskBmp(folder / DiskPath(name), mask);
    }
}

}  // namespace datagen
