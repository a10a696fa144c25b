// Aircraft, ships and ordnance drawn in their own boxes, facing right, at the origin. The sprites place
// them; the menu pages reuse them at larger scales.
#pragma once

#include <cairo.h>

#include "Draw.h"

namespace datagen {

struct CraftBox {
    double width;
    double height;
};

inline constexpr CraftBox kPlayerBox = {100, 60};
inline constexpr CraftBox kFighterBox = {100, 20};
inline constexpr CraftBox kBomberBox = {149, 35};
inline constexpr CraftBox kFloatPlaneBox = {100, 30};
inline constexpr CraftBox kRacerBox = {100, 30};
inline constexpr CraftBox kAirshipBox = {100, 60};
inline constexpr CraftBox kGunboatBox = {100, 20};
inline constexpr CraftBox kTenderBox = {200, 40};
inline constexpr CraftBox kBombBox = {40, 15};

void DrawPlayerPlane(cairo_t* cr);
void DrawSmallFighter(cairo_t* cr);
void DrawBomber(cairo_t* cr);
void DrawFloatPlane(cairo_t* cr);
void DrawRacer(cairo_t* cr);
void DrawAirship(cairo_t* cr);
void DrawGunboat(cairo_t* cr);
void DrawTender(cairo_t* cr);  // the only craft drawn bow-left: its landing deck lies at the bow
void DrawBossBomb(cairo_t* cr);
void DrawBombIcon(cairo_t* cr, Point centre, double length, Rgb body);

// Parts that several craft share.
void Propeller(cairo_t* cr, Point hub, double radius, double bladeWidth);
void Canopy(cairo_t* cr, double x0, double x1, double base, double height);
void EnemyInsignia(cairo_t* cr, Point centre, double size);

// Draws a craft scaled by `scale` with its box's top-left corner at `at`; `facingLeft` mirrors it.
void PlaceCraft(cairo_t* cr, void (*draw)(cairo_t*), CraftBox box, Point at, double scale, bool facingLeft);
// The same with the box's centre at `centre`, turned clockwise by `degrees`.
void TurnCraft(cairo_t* cr, void (*draw)(cairo_t*), CraftBox box, Point centre, double scale, double degrees,
               bool facingLeft);

}  // namespace datagen
