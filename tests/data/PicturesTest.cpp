// The pictures in the data folder, as the game's window layer will read them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "Manifest.h"

namespace {

using datagen::Entry;
using datagen::Kind;

struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, FreeSurface>;

Surface Load(std::string_view name) {
    return Surface(SDL_LoadBMP(datagen::DiskPath(name).c_str()));
}

// The same picture as 0xRRGGBB words, whatever its file's format.
class Pixels {
  public:
    explicit Pixels(std::string_view name) {
        const Surface file = Load(name);
        if (file) {
            argb_.reset(SDL_ConvertSurfaceFormat(file.get(), SDL_PIXELFORMAT_ARGB8888, 0));
        }
    }
    bool Loaded() const { return argb_ != nullptr; }
    int Width() const { return argb_->w; }
    int Height() const { return argb_->h; }
    std::uint32_t At(int x, int y) const {
        const auto* row =
            static_cast<const std::uint8_t*>(argb_->pixels) + static_cast<std::ptrdiff_t>(y) * argb_->pitch;
        return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
    }

  private:
    Surface argb_;
};

int Luminance(std::uint32_t rgb) {
    return static_cast<int>((rgb >> 16 & 0xFFu) * 3 + (rgb >> 8 & 0xFFu) * 6 + (rgb & 0xFFu)) / 10;
}

constexpr std::uint32_t kWhite = 0xFFFFFF;

TEST(Pictures, EveryPictureIsThereAtTheSizeTheGameLoadsIt) {
    for (const Entry& entry : datagen::Manifest()) {
        if (entry.kind == Kind::Sound) {
            continue;
        }
        SCOPED_TRACE(std::string(entry.name));
        const Surface file = Load(entry.name);
        ASSERT_NE(file, nullptr) << SDL_GetError();
        EXPECT_EQ(file->w, entry.width);
        EXPECT_EQ(file->h, entry.height);
        if (entry.kind == Kind::Colour) {
            EXPECT_EQ(file->format->BitsPerPixel, 24);
        } else {
            ASSERT_NE(file->format->palette, nullptr);
            EXPECT_EQ(file->format->palette->ncolors, 2);
        }
    }
}

TEST(Pictures, MasksAreBlackAndWhiteAndHoldAShape) {
    for (const Entry& entry : datagen::Manifest()) {
        if (entry.kind != Kind::Mask) {
            continue;
        }
        SCOPED_TRACE(std::string(entry.name));
        const Pixels mask(entry.name);
        ASSERT_TRUE(mask.Loaded());
        int white = 0;
        for (int y = 0; y < mask.Height(); ++y) {
            for (int x = 0; x < mask.Width(); ++x) {
                const std::uint32_t pixel = mask.At(x, y);
                ASSERT_TRUE(pixel == 0 || pixel == kWhite) << "at " << x << "," << y;
                white += pixel == kWhite ? 1 : 0;
            }
        }
        EXPECT_GT(white, 0);
        EXPECT_LT(white, mask.Width() * mask.Height());
    }
}

// Drawn through its mask, a sprite shows neither a fringe of its background nor a hole: outside the mask
// the picture holds one background colour only, and inside no pixel has that colour.
TEST(Pictures, EverySpriteFillsItsMaskExactly) {
    for (const Entry& entry : datagen::Manifest()) {
        if (entry.kind != Kind::Colour || entry.mask.empty()) {
            continue;
        }
        SCOPED_TRACE(std::string(entry.name));
        const Pixels sprite(entry.name);
        const Pixels mask(entry.mask);
        ASSERT_TRUE(sprite.Loaded() && mask.Loaded());
        std::int64_t background = -1;
        int outside = 0;
        int holes = 0;
        for (int y = 0; y < sprite.Height(); ++y) {
            for (int x = 0; x < sprite.Width(); ++x) {
                if (mask.At(x, y) == 0) {
                    ++outside;
                    if (background < 0) {
                        background = sprite.At(x, y);
                    }
                    ASSERT_EQ(sprite.At(x, y), background)
                        << "sprite drawn outside its mask at " << x << "," << y;
                }
            }
        }
        ASSERT_GT(outside, 0);
        for (int y = 0; y < sprite.Height(); ++y) {
            for (int x = 0; x < sprite.Width(); ++x) {
                holes += mask.At(x, y) == kWhite && sprite.At(x, y) == background ? 1 : 0;
            }
        }
        EXPECT_EQ(holes, 0) << "pixels inside the mask that show the background colour";
    }
}

// A hover picture ("Start2.bmp" beside "Start.bmp", through the same mask) is clearly brighter.
TEST(Pictures, HoverPicturesLightUpTheirButtons) {
    int pairs = 0;
    for (const Entry& hover : datagen::Manifest()) {
        const std::string path = datagen::DiskPath(hover.name);
        if (hover.kind != Kind::Colour || hover.mask.empty() || !path.ends_with("2.bmp")) {
            continue;
        }
        const Entry* normal = datagen::Find(path.substr(0, path.size() - 5) + ".bmp");
        if (normal == nullptr || normal->mask != hover.mask) {
            continue;
        }
        SCOPED_TRACE(path);
        ++pairs;
        const Pixels lit(hover.name);
        const Pixels plain(normal->name);
        const Pixels mask(hover.mask);
        ASSERT_TRUE(lit.Loaded() && plain.Loaded() && mask.Loaded());
        std::int64_t difference = 0;
        std::int64_t inside = 0;
        for (int y = 0; y < mask.Height(); ++y) {
            for (int x = 0; x < mask.Width(); ++x) {
                if (mask.At(x, y) == kWhite) {
                    difference += Luminance(lit.At(x, y)) - Luminance(plain.At(x, y));
                    ++inside;
                }
            }
        }
        EXPECT_GT(difference / inside, 40);
    }
    EXPECT_EQ(pairs, 13);  // eight menu buttons, two end-screen buttons, three difficulty buttons
}

// Where a sprite's mask lets it show: the centre of its pixels and its topmost row.
struct Spread {
    double x = 0;
    double y = 0;
    int top = 0;
};

Spread MaskSpread(std::string_view name) {
    const Pixels mask(name);
    Spread sum{0, 0, mask.Loaded() ? mask.Height() : 0};
    double count = 0;
    for (int y = 0; mask.Loaded() && y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            if (mask.At(x, y) == kWhite) {
                sum = {sum.x + x, sum.y + y, std::min(sum.top, y)};
                count += 1;
            }
        }
    }
    return {sum.x / count, sum.y / count, sum.top};
}

// The game draws all six attitudes at one corner: a climb or a dive must not throw the aeroplane about. A
// turned aeroplane is taller, so it may sit lower than the level one only as far as it reaches the top of
// its picture.
TEST(Pictures, TheAeroplaneTurnsAboutOnePivot) {
    const char* const kLevel[] = {"Bitmaps\\VliegtuigSpelerMono.bmp", "Bitmaps\\VliegtuigSpeler2Mono.bmp"};
    const char* const kTurned[][2] = {
        {"Bitmaps\\VliegtuigSpeler3Mono.bmp", "Bitmaps\\VliegtuigSpeler5Mono.bmp"},
        {"Bitmaps\\VliegtuigSpeler4Mono.bmp", "Bitmaps\\VliegtuigSpeler6Mono.bmp"}};
    for (int side = 0; side < 2; ++side) {
        const Spread level = MaskSpread(kLevel[side]);
        for (const char* turned : kTurned[side]) {
            SCOPED_TRACE(turned);
            const Spread spread = MaskSpread(turned);
            EXPECT_NEAR(spread.x, level.x, 2);
            EXPECT_GE(spread.y, level.y - 2);
            if (spread.y > level.y + 2) {
                EXPECT_LE(spread.top, 2) << "lower than its picture makes it";
            }
            EXPECT_LE(std::hypot(spread.x - level.x, spread.y - level.y), 14);
        }
    }
}

// The airship and its homing bomb are drawn without masks: wherever the airship bobs (its corner from x 833,
// y 275 to 425) their backgrounds are exactly the sky behind them.
TEST(Pictures, TheAirshipAndItsBombShowNoBoxInTheSky) {
    const Pixels sky("Bitmaps\\Hemel.bmp");
    const Pixels airship("Bitmaps\\Hindenburg.bmp");
    const Pixels bomb("Bitmaps\\kogel3inv.bmp");
    ASSERT_TRUE(sky.Loaded() && airship.Loaded() && bomb.Loaded());
    const std::uint32_t background = airship.At(0, 0);
    EXPECT_EQ(bomb.At(0, 0), background);
    EXPECT_EQ(airship.At(airship.Width() - 1, airship.Height() - 1), background);
    for (int y = 275; y < 425 + airship.Height(); ++y) {
        for (int x = 833; x < sky.Width(); ++x) {
            ASSERT_EQ(sky.At(x, y), background) << "the sky differs at " << x << "," << y;
        }
    }
}

// Buttons are cut out with on/off masks: the pixels along their edge carry the rim's colour, not a dark
// speck that shows at every rounded corner.
TEST(Pictures, ButtonEdgesShowNoDarkSpecks) {
    for (const char* name :
         {"Bitmaps\\Start.bmp", "Bitmaps\\Start2.bmp", "Bitmaps\\easy.bmp", "Bitmaps\\retry2.bmp"}) {
        SCOPED_TRACE(name);
        const Entry* entry = datagen::Find(name);
        ASSERT_NE(entry, nullptr);
        const Pixels button(name);
        const Pixels mask(entry->mask);
        ASSERT_TRUE(button.Loaded() && mask.Loaded());
        const auto inside = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < mask.Width() && y < mask.Height() && mask.At(x, y) == kWhite;
        };
        for (int y = 0; y < mask.Height(); ++y) {
            for (int x = 0; x < mask.Width(); ++x) {
                if (inside(x, y) &&
                    !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1))) {
                    EXPECT_GT(Luminance(button.At(x, y)), 110) << "at " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
