// What frames draw. A play draws its sky over the whole window and its sea over the bottom every frame, and
// both stand still: when a frame starts with the same pictures at the same places as the back buffer
// already holds, only the areas drawn over them since are restored, and only what was written since the
// last hand-over is compared with the front buffer.
#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

// Areas drawn over the backdrop, at most; more are joined into one.
constexpr std::size_t kMostOverAreas = 256;

// Whether the area covers the whole back buffer.
bool Covers(const SDL_Rect& area, const SDL_Surface* back) {
    return area.x <= 0 && area.y <= 0 && area.x + area.w >= back->w && area.y + area.h >= back->h;
}

bool SameLayer(const Layer& layer, const SDL_Surface* picture, const SDL_Rect& place) {
    return layer.picture.get() == picture && SDL_RectEquals(&layer.place, &place) == SDL_TRUE;
}

// Notes that `area` of the back buffer was written: it goes to the window thread at the next hand-over.
void Written(const SDL_Rect& area) {
    const SDL_Surface* back = M().back.get();
    M().changes.Mark(area, back->w, back->h);
}

// The first `count` layers copied in order into `area` of the back buffer.
void Compose(std::size_t count, const SDL_Rect& area) {
    Module& m = M();
    for (std::size_t i = 0; i < count; ++i) {
        const Layer& layer = m.backdrop.layers[i];
        const SDL_Rect from{area.x - layer.place.x, area.y - layer.place.y, area.w, area.h};
        CopyPixels(layer.picture.get(), from, m.back.get(), {area.x, area.y});
    }
    Written(area);
}

// The layers after the ones drawn again are taken out of the back buffer: where they lie, the ones drawn
// again are copied afresh.
void DropUndrawnLayers() {
    Backdrop& b = M().backdrop;
    for (std::size_t i = b.redrawn; i < b.layers.size(); ++i) {
        Compose(b.redrawn, b.layers[i].place);
    }
    b.layers.resize(b.redrawn);
}

// The back buffer holds exactly what was drawn: no layer still stands in for one not yet drawn again.
void Settle() {
    Backdrop& b = M().backdrop;
    if (b.redrawn > 0) {
        DropUndrawnLayers();
        b.redrawn = 0;
    }
}

void HandOverIfUnbuffered() {
    if (!M().buffering) {
        HandOver();
    }
}

}  // namespace

void BeforeDrawing() {
    Settle();
}

void Drawn(const SDL_Rect& area) {
    Module& m = M();
    const SDL_Rect whole{0, 0, m.back->w, m.back->h};
    SDL_Rect inside;
    if (SDL_IntersectRect(&area, &whole, &inside) == SDL_TRUE) {
        Written(inside);
        std::vector<SDL_Rect>& over = m.backdrop.over;
        if (!m.backdrop.layers.empty()) {
            over.push_back(inside);
            if (over.size() > kMostOverAreas) {
                SDL_Rect all = over.front();
                for (const SDL_Rect& r : over) {
                    SDL_UnionRect(&all, &r, &all);
                }
                over.assign(1, all);
            }
        }
    }
    HandOverIfUnbuffered();
}

void DrawOpaque(const SharedSurface& picture, SDL_Point at) {
    Module& m = M();
    Backdrop& b = m.backdrop;
    SDL_Surface* back = m.back.get();
    const SDL_Rect place{at.x, at.y, picture->w, picture->h};
    if (!m.incremental) {
        CopyPixels(picture.get(), {0, 0, picture->w, picture->h}, back, at);
        Drawn(place);
        return;
    }
    if (b.redrawn > 0 && b.redrawn < b.layers.size() &&
        SameLayer(b.layers[b.redrawn], picture.get(), place)) {
        ++b.redrawn;  // the back buffer holds it already
    } else if (Covers(place, back) && !b.layers.empty() &&
               SameLayer(b.layers.front(), picture.get(), place)) {
        // The same backdrop as before: what was drawn over it is restored, the rest holds it already.
        Settle();
        for (const SDL_Rect& area : b.over) {
            Compose(b.layers.size(), area);
        }
        b.over.clear();
        b.redrawn = 1;
    } else if (Covers(place, back)) {
        b.layers.assign(1, Layer{picture, place});
        b.over.clear();
        b.redrawn = 1;
        Compose(1, {0, 0, back->w, back->h});
    } else if (b.redrawn > 0) {
        // One more layer of this frame's backdrop.
        DropUndrawnLayers();
        b.layers.push_back(Layer{picture, place});
        ++b.redrawn;
        CopyPixels(picture.get(), {0, 0, picture->w, picture->h}, back, at);
        Written(place);
    } else {
        CopyPixels(picture.get(), {0, 0, picture->w, picture->h}, back, at);
        Drawn(place);
        return;
    }
    HandOverIfUnbuffered();
}

SDL_Surface* BackBuffer() {
    Module& m = M();
    if (m.back) {
        Settle();
    }
    return m.back.get();
}

void ForgetDrawn() {
    Module& m = M();
    m.backdrop = Backdrop{};
    m.changes.Forget();
}

}  // namespace Wimdows::detail
