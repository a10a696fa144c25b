// The dashboard along the top of the window, and the fuel and bomb economy it keeps.
#include "Play.h"
#include "StandardMenu/StandardMenu.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

using Time::GetClock;
using Time::TimeDeltaHundreds;

constexpr std::uint32_t kFontStyle = 2;
constexpr std::uint32_t kFontColour = 176;  // dark red
constexpr std::int32_t kRefuelTime = 200;
constexpr std::int32_t kFuelStep = 1200;  // a full tank lasts four steps
constexpr std::int32_t kBombsPerLoad = 20;
constexpr std::int32_t kBombsPerStep = 5;

void Label(const char* text, std::int32_t x) {
    Wimdows::SetFont(kFontStyle, kFontColour);
    Wimdows::Text(text, x, 15);
}

void BurnFuel(const PlayerType& player, DashBoardType& dashBoard) {
    const std::int32_t burnt =
        TimeDeltaHundreds(dashBoard.FuelTime.start, dashBoard.FuelTime.now) - player.PauseTime;
    const std::int32_t steps = burnt < 0 ? 0 : burnt / kFuelStep;
    dashBoard.FuelLevel = steps >= 4 ? 0 : static_cast<std::uint32_t>(4 - steps);
    dashBoard.NoFuel = dashBoard.FuelLevel == 0;
}

void Refuel(DashBoardType& dashBoard, std::int32_t& bombCounter) {
    if (TimeDeltaHundreds(dashBoard.RefuelTime.start, dashBoard.FuelTime.now) < kRefuelTime) {
        return;
    }
    dashBoard.FuelLevel = 4;
    bombCounter = 0;
    dashBoard.NoFuel = false;
    dashBoard.GetFuelTime = true;
}

void CountBombs(DashBoardType& dashBoard, std::int32_t bombCounter) {
    dashBoard.NoBombs = bombCounter >= kBombsPerLoad;
    dashBoard.BombLevel = dashBoard.NoBombs ? 0 : static_cast<std::uint32_t>(4 - bombCounter / kBombsPerStep);
}

void LifeGauge(PlayerType& player) {
    Wimdows::Text("LIFE:", 730, 15);
    Wimdows::DrawBitmap(Bitmaps.Life[0], 770, 6);
    if (player.LifeCounter < 4) {
        Wimdows::DrawBitmap(Bitmaps.Life[3 - player.LifeCounter], 770, 6);
    } else {
        player.CoY = player.CoY + 1;
    }
}

// Easy, medium, hard, one under the other; a click on one sets the difficulty at once.
void DifficultyButtons() {
    IndexedArray<bool, 1, 3> clicked;
    for (int i = 1; i <= 3; ++i) {
        ButtonsSkill[i].x0 = 890;
        ButtonsSkill[i].y0 = i == 1 ? 10 : ButtonsSkill[i - 1].y0 + 25;
        StandardMenu::DrawButton(ButtonsSkill[i]);
        clicked[i] = StandardMenu::ButtonSelected(ButtonsSkill[i]);
    }
    for (int i = 1; i <= 3; ++i) {
        if (clicked[i]) {
            Difficulty = i;
            return;
        }
    }
}

}  // namespace

void DrawDashboard(PlayerType& Player, DashBoardType& DashBoard, std::int32_t& BombCounter) {
    GetClock(DashBoard.FuelTime.now);
    GetClock(DashBoard.BombTime.now);
    Label("FUEL", 10);
    if (DashBoard.GetFuelTime) {
        GetClock(DashBoard.FuelTime.start);
        DashBoard.GetFuelTime = false;
    }
    Wimdows::DrawMaskBitmap(Bitmaps.Fuel[static_cast<int>(DashBoard.FuelLevel)], Bitmaps.Fuel[5], 40, 7);
    if (DashBoard.Refueling) {
        Refuel(DashBoard, BombCounter);
    } else {
        DashBoard.GetRefuelTime = true;
        BurnFuel(Player, DashBoard);
    }
    if (DashBoard.NoFuel) {
        Player.CoY = Player.CoY + 1;
    }

    Label("BOMBS", 270);
    Wimdows::DrawMaskBitmap(Bitmaps.Ammo[static_cast<int>(DashBoard.BombLevel)], Bitmaps.Ammo[5], 310, 7);
    CountBombs(DashBoard, BombCounter);

    Wimdows::Text("SCORE: ", 540, 15);
    Wimdows::TextCard(static_cast<std::uint32_t>(Score), 590, 15);
    LifeGauge(Player);
    DifficultyButtons();
}

}  // namespace Spel
