// What frames draw. A play draws its sky over the whole window and its sea over the bottom every frame, and
// both stand still: when a frame starts with the same pictures at the same places as the back buffer
// already holds, only the areas drawn over them since are restored, and only what was written since the
// last hand-over is compared with the front buffer. A picture drawn alone at the same place as last frame
// (the dashboard) is not even restored and drawn again.
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

// The areas are owed. Where the list of owed areas has become one rectangle around them all, the kept
// drawings it may meet are owed as well.
void Owe(std::span<const SDL_Rect> areas) {
    Backdrop& b = M().backdrop;
    if (AddAreas(b.owed, areas)) {
        for (const Drawing& kept : b.kept) {
            AddAreas(b.owed, {&kept.area, 1});
        }
        b.kept.clear();
    }
}

// The kept drawings that `met` picks are owed.
template <class Met>
void Uncover(Met met) {
    Backdrop& b = M().backdrop;
    for (std::size_t i = 0; i < b.kept.size();) {
        if (met(b.kept[i].area)) {
            const SDL_Rect area = b.kept[i].area;
            b.kept.erase(b.kept.begin() + static_cast<std::ptrdiff_t>(i));
            Owe({&area, 1});  // may owe every kept drawing at once
        } else {
            ++i;
        }
    }
}

// Something other than a restore is about to be written in `area`: the kept drawings there are owed.
void UncoverUnder(const SDL_Rect& area) {
    Uncover([&area](const SDL_Rect& kept) { return SDL_HasIntersection(&kept, &area) == SDL_TRUE; });
}

void UncoverAll() {
    Uncover([](const SDL_Rect&) { return true; });
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
        UncoverUnder(b.layers[i].place);
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
    UncoverUnder(place);
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

// `area` clipped to the back buffer; empty outside it.
SDL_Rect Inside(const SDL_Rect& area) {
    const SDL_Surface* back = M().back.get();
    const SDL_Rect whole{0, 0, back->w, back->h};
    SDL_Rect inside{0, 0, 0, 0};
    SDL_IntersectRect(&area, &whole, &inside);
    return inside;
}

// Notes a drawing over the backdrop, by its picture where it has one.
void Over(const SDL_Rect& inside, const SharedSurface& picture) {
    Backdrop& b = M().backdrop;
    if (b.layers.empty()) {
        return;
    }
    if (AddAreas(b.over, {&inside, 1})) {
        b.drawings.clear();  // their areas can no longer be told apart
    } else if (picture) {
        b.drawings.push_back(Drawing{picture, inside});
    }
}

void DrawnWith(const SDL_Rect& area, const SharedSurface& picture) {
    const SDL_Rect inside = Inside(area);
    if (!SDL_RectEmpty(&inside)) {
        Written(inside);
        Over(inside, picture);
    }
    HandOverIfUnbuffered();
}

// True when the back buffer holds this drawing from last frame, over the same pixels: it is noted as drawn
// again, and nothing needs writing.
bool DrawnAlready(const SharedSurface& picture, const SDL_Rect& place) {
    Settle();
    Backdrop& b = M().backdrop;
    const SDL_Rect inside = Inside(place);
    const auto same = std::ranges::find_if(b.kept, [&](const Drawing& kept) {
        return kept.picture == picture && SDL_RectEquals(&kept.area, &inside) == SDL_TRUE;
    });
    if (same == b.kept.end()) {
        return false;
    }
    b.kept.erase(same);
    Over(inside, picture);
    return true;
}

// A frame starts again on the same backdrop. What was drawn over it last frame is owed, except the drawings
// alone in their areas: the back buffer keeps them until this frame draws them again or something else there.
void StartAgain() {
    Backdrop& b = M().backdrop;
    UncoverAll();  // last frame's kept drawings not drawn again, where nothing read the frame since
    for (Drawing& drawing : b.drawings) {
        const auto meets = [&drawing](const SDL_Rect& area) {
            return SDL_HasIntersection(&area, &drawing.area) == SDL_TRUE;
        };
        if (std::ranges::count_if(b.over, meets) == 1 && std::ranges::none_of(b.owed, meets)) {
            // The one area it meets is its own.
            std::erase_if(b.over, meets);
            b.kept.push_back(std::move(drawing));
        }
    }
    b.drawings.clear();
    Owe(b.over);
    b.over.clear();
    b.redrawn = 1;
}

}  // namespace

bool AddAreas(std::vector<SDL_Rect>& areas, std::span<const SDL_Rect> added) {
    areas.insert(areas.end(), added.begin(), added.end());
    if (areas.size() <= kMostAreas) {
        return false;
    }
    SDL_Rect all = areas.front();
    for (const SDL_Rect& r : areas) {
        SDL_UnionRect(&all, &r, &all);
    }
    areas.assign(1, all);
    return true;
}

void BeforeDrawing(const SDL_Rect& area) {
    Settle();
    UncoverUnder(area);
    RestoreOwedUnder(area);
}

void Drawn(const SDL_Rect& area) {
    DrawnWith(area, nullptr);
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
        // The same backdrop as before: the back buffer holds it but where it was drawn over.
        Settle();
        StartAgain();
    } else if (Covers(place, back)) {
        b = Backdrop{};
        b.layers.push_back(Layer{picture, place});
        b.redrawn = 1;
        CopyWhole(picture.get(), at);
        Written(place);
    } else if (b.redrawn > 0) {
        // One more layer of this frame's backdrop.
        DropUndrawnLayers();
        UncoverUnder(place);
        b.layers.push_back(Layer{picture, place});
        ++b.redrawn;
        CopyWhole(picture.get(), at);
        Written(place);
    } else {
        if (!DrawnAlready(picture, place)) {
            CopyOver(picture.get(), place);
            DrawnWith(place, picture);
        }
        return;
    }
    HandOverIfUnbuffered();
}

void DrawPicture(const SharedSurface& picture, SDL_Point at) {
    Module& m = M();
    SDL_Rect place{at.x, at.y, picture->w, picture->h};
    if (m.incremental && DrawnAlready(picture, place)) {
        return;
    }
    BeforeDrawing(place);
    SDL_BlitSurface(picture.get(), nullptr, m.back.get(), &place);
    DrawnWith(place, picture);
}

SDL_Surface* BackBuffer() {
    Module& m = M();
    if (m.back) {
        Settle();
        UncoverAll();
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
