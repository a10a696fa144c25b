// What frames draw. A play draws its sky over the whole window and its sea over the bottom every frame, and
// both stand still: when a frame starts with the same pictures at the same places as the back buffer
// already holds, only the areas drawn over them since are restored, and only what was written since the
// last hand-over is compared with the front buffer.
#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

constexpr std::size_t kMostAreas = 256;

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

// The first `count` layers copied in order into `area` of the back buffer, from the last one that covers
// all of it (a boat on the sea needs no sky under it).
void Compose(std::size_t count, const SDL_Rect& area) {
    Module& m = M();
    std::size_t first = 0;
    for (std::size_t i = 0; i < count; ++i) {
        SDL_Rect inside;
        if (SDL_IntersectRect(&area, &m.backdrop.layers[i].place, &inside) == SDL_TRUE &&
            SDL_RectEquals(&inside, &area) == SDL_TRUE) {
            first = i;
        }
    }
    for (std::size_t i = first; i < count; ++i) {
        const Layer& layer = m.backdrop.layers[i];
        const SDL_Rect from{area.x - layer.place.x, area.y - layer.place.y, area.w, area.h};
        CopyPixels(layer.picture.get(), from, m.back.get(), {area.x, area.y});
    }
    Written(area);
}

// The whole picture copied into the back buffer with its corner at `at`.
void CopyWhole(SDL_Surface* picture, SDL_Point at) {
    CopyPixels(picture, {0, 0, picture->w, picture->h}, M().back.get(), at);
}

// Restores the owed areas that `keep` does not keep.
template <class Keep>
void RestoreOwed(Keep keep) {
    Backdrop& b = M().backdrop;
    std::erase_if(b.owed, [&](const SDL_Rect& area) {
        if (keep(area)) {
            return false;
        }
        Compose(b.layers.size(), area);
        return true;
    });
}

void RestoreAllOwed() {
    RestoreOwed([](const SDL_Rect&) { return false; });
}

// Restores the owed areas that meet `area`.
void RestoreOwedUnder(const SDL_Rect& area) {
    RestoreOwed([&area](const SDL_Rect& owed) { return SDL_HasIntersection(&owed, &area) != SDL_TRUE; });
}

// The layers after the ones drawn again are taken out of the back buffer: where they lie, the ones drawn
// again are copied afresh. Areas still owed are restored later from the layers that stay.
void DropUndrawnLayers() {
    Backdrop& b = M().backdrop;
    if (b.redrawn == b.layers.size()) {
        return;
    }
    for (std::size_t i = b.redrawn; i < b.layers.size(); ++i) {
        Compose(b.redrawn, b.layers[i].place);
    }
    b.layers.resize(b.redrawn);
}

// The back buffer holds no layer that stands in for one not drawn again.
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

// A picture copied into the back buffer at `place`, after the areas owed under it that it does not cover.
void CopyOver(SDL_Surface* picture, const SDL_Rect& place) {
    RestoreOwed([&place](const SDL_Rect& owed) {
        SDL_Rect inside;
        if (SDL_IntersectRect(&owed, &place, &inside) != SDL_TRUE) {
            return true;
        }
        return SDL_RectEquals(&inside, &owed) == SDL_TRUE;
    });
    std::erase_if(M().backdrop.owed,
                  [&place](const SDL_Rect& owed) { return SDL_HasIntersection(&owed, &place) == SDL_TRUE; });
    CopyWhole(picture, {place.x, place.y});
}

}  // namespace

void AddAreas(std::vector<SDL_Rect>& areas, std::span<const SDL_Rect> added) {
    areas.insert(areas.end(), added.begin(), added.end());
    if (areas.size() > kMostAreas) {
        SDL_Rect all = areas.front();
        for (const SDL_Rect& r : areas) {
            SDL_UnionRect(&all, &r, &all);
        }
        areas.assign(1, all);
    }
}

void BeforeDrawing(const SDL_Rect& area) {
    Settle();
    RestoreOwedUnder(area);
}

void Drawn(const SDL_Rect& area) {
    Module& m = M();
    const SDL_Rect whole{0, 0, m.back->w, m.back->h};
    SDL_Rect inside;
    if (SDL_IntersectRect(&area, &whole, &inside) == SDL_TRUE) {
        Written(inside);
        if (!m.backdrop.layers.empty()) {
            AddAreas(m.backdrop.over, {&inside, 1});
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
        CopyWhole(picture.get(), at);
        Drawn(place);
        return;
    }
    if (b.redrawn > 0 && b.redrawn < b.layers.size() &&
        SameLayer(b.layers[b.redrawn], picture.get(), place)) {
        ++b.redrawn;  // the back buffer holds it already
    } else if (Covers(place, back) && !b.layers.empty() &&
               SameLayer(b.layers.front(), picture.get(), place)) {
        // The same backdrop as before: what was drawn over it is owed, the rest holds it already.
        Settle();
        AddAreas(b.owed, b.over);
        b.over.clear();
        b.redrawn = 1;
    } else if (Covers(place, back)) {
        b = Backdrop{{Layer{picture, place}}, {}, {}, 1};
        CopyWhole(picture.get(), at);
        Written(place);
    } else if (b.redrawn > 0) {
        // One more layer of this frame's backdrop.
        DropUndrawnLayers();
        b.layers.push_back(Layer{picture, place});
        ++b.redrawn;
        CopyWhole(picture.get(), at);
        Written(place);
    } else {
        CopyOver(picture.get(), place);
        Drawn(place);
        return;
    }
    HandOverIfUnbuffered();
}

SDL_Surface* BackBuffer() {
    Module& m = M();
    if (m.back) {
        Settle();
        RestoreAllOwed();
    }
    return m.back.get();
}

void ForgetDrawn() {
    Module& m = M();
    m.backdrop = Backdrop{};
    m.changes.Forget();
}

}  // namespace Wimdows::detail
