// The pause plaque: an enamel plate in a brass rim, like the menus' buttons, saying that the play is paused
// and that P resumes it. The main thread paints it once when a pause begins; the window thread lays it over
// a copy of the frame when presenting, so the game's own frames never hold it.
#include <algorithm>
#include <cmath>

#include "WimdowsState.h"

namespace Wimdows {

namespace {

using namespace detail;

constexpr int kWidth = 440;
constexpr int kHeight = 150;
constexpr float kRadius = 18;
constexpr float kRim = 4;
constexpr float kShadow = 8;
constexpr int kShadowOffset = 4;

struct Plaque {
    SurfacePtr picture;    // while shown; guarded by frontMutex
    SurfacePtr composite;  // the frame with the plaque over it; window thread
    bool presented = false;
    TTF_Font* title = nullptr;  // main thread
    TTF_Font* hint = nullptr;
};

Plaque& ThePlaque() {
    // Never destroyed, like the module: a window thread may still present at exit.
    static Plaque& plaque = *new Plaque;
    return plaque;
}

struct Colour {
    float r, g, b;
};

Colour Blend(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Distance from a point to the outline of the plate (negative inside).
float PlateDistance(float x, float y, float w, float h) {
    const float qx = std::abs(x - w / 2) - (w / 2 - kRadius);
    const float qy = std::abs(y - h / 2) - (h / 2 - kRadius);
    const float outside = std::hypot(std::max(qx, 0.0F), std::max(qy, 0.0F));
    return outside + std::min(std::max(qx, qy), 0.0F) - kRadius;
}

// The plate's colour at a point inside it: a navy enamel, lighter at the top, in a brass rim.
Colour PlateColour(float y, float distance, float h) {
    constexpr Colour kBrass{217, 164, 65};
    constexpr Colour kDarkBrass{140, 100, 33};
    constexpr Colour kTop{54, 96, 143};
    constexpr Colour kMiddle{29, 56, 88};
    constexpr Colour kBottom{18, 36, 58};
    const Colour rim = Blend(kBrass, kDarkBrass, std::clamp((distance + kRim) / kRim, 0.0F, 1.0F) * 0.6F);
    const float t = y / h;
    const Colour enamel = t < 0.5F ? Blend(kTop, kMiddle, t * 2) : Blend(kMiddle, kBottom, t * 2 - 1);
    // A gloss over the upper part, and the rim, both with smoothed edges.
    const float gloss = 0.08F * std::clamp((0.45F - t) * h / 2, 0.0F, 1.0F);
    return Blend(Blend(enamel, {255, 255, 255}, gloss), rim, std::clamp(distance + kRim + 0.5F, 0.0F, 1.0F));
}

// The plate with a soft shadow, smoothed at its edge, as an ARGB picture that blends over the frame.
SurfacePtr PaintPlate() {
    SurfacePtr plate(SDL_CreateRGBSurfaceWithFormat(0, kWidth + kShadowOffset + static_cast<int>(kShadow),
                                                    kHeight + kShadowOffset + static_cast<int>(kShadow), 32,
                                                    SDL_PIXELFORMAT_ARGB8888));
    if (!plate) {
        return nullptr;
    }
    const auto w = static_cast<float>(kWidth);
    const auto h = static_cast<float>(kHeight);
    for (int y = 0; y < plate->h; ++y) {
        Uint32* row = Row(plate.get(), y);
        for (int x = 0; x < plate->w; ++x) {
            const float px = static_cast<float>(x) + 0.5F;
            const float py = static_cast<float>(y) + 0.5F;
            const float distance = PlateDistance(px, py, w, h);
            const float cover = std::clamp(0.5F - distance, 0.0F, 1.0F);
            const float shade =
                0.45F * std::clamp(1 - PlateDistance(px - kShadowOffset, py - kShadowOffset, w, h) / kShadow,
                                   0.0F, 1.0F);
            const Colour c = PlateColour(py, distance, h);
            const float alpha = cover + (1 - cover) * shade;
            const float lit = alpha > 0 ? cover / alpha : 0;
            row[x] = SDL_MapRGBA(plate->format, static_cast<Uint8>(c.r * lit), static_cast<Uint8>(c.g * lit),
                                 static_cast<Uint8>(c.b * lit), static_cast<Uint8>(std::lround(alpha * 255)));
        }
    }
    SDL_SetSurfaceBlendMode(plate.get(), SDL_BLENDMODE_BLEND);
    return plate;
}

// Letters with a dark shadow below them, centred on the plate at height `y`.
void Letter(SDL_Surface* plate, TTF_Font* font, const char* text, SDL_Color colour, int y) {
    if (font == nullptr) {
        return;
    }
    const SurfacePtr shadow(TTF_RenderUTF8_Blended(font, text, SDL_Color{10, 20, 34, 255}));
    const SurfacePtr letters(TTF_RenderUTF8_Blended(font, text, colour));
    if (!shadow || !letters) {
        return;
    }
    SDL_Rect at{(kWidth - letters->w) / 2 + 2, y + 2, 0, 0};
    SDL_BlitSurface(shadow.get(), nullptr, plate, &at);
    at = {(kWidth - letters->w) / 2, y, 0, 0};
    SDL_BlitSurface(letters.get(), nullptr, plate, &at);
}

SurfacePtr PaintPlaque() {
    Plaque& plaque = ThePlaque();
    if (plaque.title == nullptr) {
        plaque.title = OpenFace("DejaVuSans-Bold.ttf", 48);
        plaque.hint = OpenFace("DejaVuSans.ttf", 20);
    }
    SurfacePtr plate = PaintPlate();
    if (plate) {
        Letter(plate.get(), plaque.title, "PAUSED", SDL_Color{244, 232, 200, 255}, 22);
        Letter(plate.get(), plaque.hint, "Press P to resume", SDL_Color{245, 196, 81, 255}, 96);
    }
    return plate;
}

SDL_Rect PlaqueArea(const SDL_Surface* front, const SDL_Surface* picture) {
    return {(front->w - kWidth) / 2, (front->h - kHeight) / 2, picture->w, picture->h};
}

}  // namespace

void ShowPausePlaque(bool shown) {
    SurfacePtr picture = shown ? PaintPlaque() : nullptr;
    Module& m = M();
    {
        std::lock_guard lock(m.frontMutex);
        ThePlaque().picture = std::move(picture);
        // Shown or taken away, the whole picture is presented again: two presents per pause.
        if (m.front) {
            m.dirty.assign(1, SDL_Rect{0, 0, m.front->w, m.front->h});
        }
    }
    m.wake.Notify();
}

namespace detail {

SDL_Surface* WithPausePlaque(SDL_Surface* front, std::vector<SDL_Rect>& dirty) {
    Plaque& plaque = ThePlaque();
    plaque.presented = plaque.picture != nullptr;
    if (!plaque.picture) {
        plaque.composite.reset();
        return front;
    }
    if (!plaque.composite || plaque.composite->w != front->w || plaque.composite->h != front->h) {
        plaque.composite = MakeSurface(front->w, front->h);
        if (!plaque.composite) {
            return front;
        }
    }
    CopyPixels(front, {0, 0, front->w, front->h}, plaque.composite.get(), {0, 0});
    SDL_Rect area = PlaqueArea(front, plaque.picture.get());
    SDL_BlitSurface(plaque.picture.get(), nullptr, plaque.composite.get(), &area);
    dirty.push_back(PlaqueArea(front, plaque.picture.get()));
    return plaque.composite.get();
}

bool PausePlaquePresented() {
    std::lock_guard lock(M().frontMutex);
    return ThePlaque().presented;
}

}  // namespace detail

}  // namespace Wimdows
