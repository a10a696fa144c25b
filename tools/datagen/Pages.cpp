// The menu's pages: the title page under the main menu's buttons, two story pages, how to play, credits.
// The menu draws its buttons in a column at x 400 to 566 from y 300 down, and the pages' buttons at
// (635, 660) and (805, 660), 166 by 75: the pictures keep their text clear of those places.
#include <array>
#include <string>

#include "Art.h"
#include "Craft.h"
#include "Layout.h"

namespace datagen {
namespace {

constexpr double kPanelX = 60;
constexpr double kPanelY = 36;
constexpr double kPanelW = 880;
constexpr double kPanelH = 596;  // ends above the page buttons

void TitlePage(cairo_t* cr) {
    Backdrop(cr, mood::Dawn, 560,
             {{130, 330, 190, 41},
              {880, 190, 160, 42},
              {620, 470, 150, 43},
              {240, 520, 230, 44},
              {900, 540, 200, 45}},
             46);
    PlaceCraft(cr, DrawAirship, kAirshipBox, {800, 236}, 1.3, true);
    for (const Point at : std::array<Point, 3>{{{650, 330}, {760, 370}, {690, 410}}}) {
        PlaceCraft(cr, DrawSmallFighter, kFighterBox, at, 1.2, true);
    }
    PlaceCraft(cr, DrawTender, kTenderBox, {650, 600}, 1.5, false);
    PlaceCraft(cr, DrawGunboat, kGunboatBox, {60, 640}, 1.6, true);
    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {200, 370}, 2.7, -11, false);
    Headline(cr, "SALTWING", {500, 178}, 138);
    Caption(cr, "WINGS OVER THE SALT COAST", {500, 236}, 26);
    // The footer sits on a dark band of its own, clear of the wave crests.
    cairo_rectangle(cr, 0, 706, 1000, 44);
    SetVertical(cr, 706, 750,
                {{0, colour::DeepNavy, 0}, {0.35, colour::DeepNavy, 0.8}, {1, colour::DeepNavy, 0.9}});
    cairo_fill(cr);
    Text(cr, "Arrows steer  \u00b7  Space fires  \u00b7  B bombs", {30, 735}, {kSans, true, 15},
         colour::Cream);
    Text(cr, "\u00a9 the Saltwing team", {975, 735}, {kSans, true, 15}, colour::Cream, Align::Right);
}

// A story page: text on parchment over the coast, and a scene below it, left of the buttons.
void StoryPage(cairo_t* cr, std::string_view chapter, std::initializer_list<std::string_view> paragraphs,
               std::string_view page, void (*scene)(cairo_t*)) {
    Backdrop(cr, mood::Day, 600, {{180, 120, 200, 51}, {820, 160, 180, 52}}, 53);
    scene(cr);
    ParchmentPanel(cr, kPanelX, kPanelY, kPanelW, kPanelH - 40);
    Text(cr, "THE STORY", {500, 100}, {kSerif, true, 40}, colour::Navy, Align::Centre);
    Text(cr, chapter, {500, 136}, {kSerif, true, 22}, colour::Signal, Align::Centre);
    // Both pages fill the same space: the text is centred between the chapter line and the page number,
    // its lines drawn closer where a page holds more.
    constexpr double kTop = 185;
    constexpr double kRoom = 365;
    constexpr double kLeading = 31;
    constexpr double kGap = 0.4;  // between paragraphs, in lines
    const auto write = [&](double top, double leading) {
        double y = top;
        for (const std::string_view text : paragraphs) {
            y = Paragraph(cr, text, {kPanelX + 50, y}, kPanelW - 100, kBody, leading, kInkText) +
                kGap * leading;
        }
        return y - top;
    };
    cairo_push_group(cr);
    const double lines = write(0, 1);
    cairo_pattern_destroy(cairo_pop_group(cr));
    const double leading = std::min(kLeading, kRoom / lines);
    write(kTop + (kRoom - lines * leading) / 2, leading);
    Text(cr, page, {kPanelX + kPanelW - 40, kPanelY + kPanelH - 64}, {kSerif, true, 17}, colour::DarkBrass,
         Align::Right);
}

void GreyFleet(cairo_t* cr) {
    PlaceCraft(cr, DrawGunboat, kGunboatBox, {40, 650}, 2.0, true);
    PlaceCraft(cr, DrawGunboat, kGunboatBox, {300, 690}, 1.6, true);
    PlaceCraft(cr, DrawSmallFighter, kFighterBox, {420, 640}, 1.3, true);
}

void TenderUnderWay(cairo_t* cr) {
    PlaceCraft(cr, DrawTender, kTenderBox, {40, 668}, 1.5, false);
    PlaceCraft(cr, DrawPlayerPlane, kPlayerBox, {70, 605}, 1.5, true);
}

void StoryOne(cairo_t* cr) {
    StoryPage(
        cr, "I  \u00b7  THE SALT COAST",
        {"For three summers the Salt Coast lived by its nets. Every dawn the fishing boats slipped out past "
         "the "
         "lighthouse, and every dusk the harbour counted them home.",
         "Then the grey fleet came out of the fog. Red gunboats prowl the shipping lanes, squadrons of "
         "gunmetal "
         "fighters and heavy bombers sweep the bay, and behind them all hangs the Leviathan: an armoured "
         "airship that no shell has ever scratched.",
         "The harbour has one aeroplane left, a patched-up teal single-seater the dock crews call the "
         "Saltwing. Tonight they have fuelled her, hung twenty bombs under her wings and painted the coast's "
         "roundel fresh on her side.",
         "All she needs now is a pilot."},
        "page 1 of 2", GreyFleet);
}

void StoryTwo(cairo_t* cr) {
    StoryPage(
        cr, "II  \u00b7  YOUR ORDERS",
        {"Clear the skies wave by wave. A level is won when enough fighters, bombers and raiders have gone "
         "down "
         "and enough gunboats lie on the bottom. Only your bombs can sink a gunboat.",
         "The green tender Marigold sails the strait to keep you flying. Set down on her deck to refuel and "
         "take on a fresh load of bombs, then climb away and get back to work.",
         "Hold out through four levels and the Leviathan itself will come for you. It can be hurt only while "
         "its blue shield is down. Dodge its red laser, shake off its homing bombs, and bring it down.",
         "Good hunting, pilot. The whole coast is watching."},
        "page 2 of 2", TenderUnderWay);
}

struct KeyLine {
    std::initializer_list<std::string_view> keys;
    double keyWidth;
    std::string_view text;
    std::string_view pad;  // the same on a gamepad
};

void ColumnHeading(cairo_t* cr, std::string_view text, Point at) {
    Text(cr, text, at, {kSerif, true, 24}, colour::Signal);
    cairo_move_to(cr, at.x, at.y + 8);
    cairo_line_to(cr, at.x + 390, at.y + 8);
    SetColour(cr, colour::Brass);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// The keyboard's keys, what they do, and the gamepad's control for the same in a column on the right.
void Controls(cairo_t* cr, Point at) {
    const KeyLine lines[] = {
        {{"\u2190", "\u2192"}, 40, "fly left and right", "D-pad, stick"},
        {{"\u2191", "\u2193"}, 40, "climb and dive", "up, down"},
        {{"SPACE"}, 100, "fire the gun", "A"},
        {{"B"}, 40, "drop a bomb", "B or X"},
        {{"P"}, 40, "pause and resume", "Start"},
        {{"ESC"}, 60, "quit, in a play", "hold Back"},
        {{"F11"}, 60, "full screen; also Alt+Enter", ""},
    };
    constexpr double kPadColumn = 390;
    constexpr Font kPadFont{kSans, true, 15};
    ColumnHeading(cr, "CONTROLS", at);
    Text(cr, "GAMEPAD", {at.x + kPadColumn, at.y}, kPadFont, colour::Signal, Align::Right);
    double y = at.y + 26;
    for (const KeyLine& line : lines) {
        double x = at.x;
        for (const std::string_view key : line.keys) {
            KeyCap(cr, key, {x, y}, line.keyWidth);
            x += line.keyWidth + 6;
        }
        Text(cr, line.text, {at.x + 116, y + 24}, {kSerif, false, 19}, kInkText);
        Text(cr, line.pad, {at.x + kPadColumn, y + 23}, kPadFont, colour::Navy, Align::Right);
        y += 38;
    }
    Paragraph(cr, "Menus: arrows or Tab pick a button, Return or Space presses it; on a pad the D-pad and A.",
              {at.x, y + 16}, kPadColumn, {kSerif, false, 15}, 18, kInkText);
}

// Draws one of the game's own pictures (a gauge, a button) at `where`, cut to its size.
void Picture(cairo_t* cr, const std::vector<Art>& art, std::string_view name, Point where, CraftBox size,
             double scale) {
    for (const Art& a : art) {
        if (a.name == name) {
            Saved saved(cr);
            cairo_translate(cr, where.x, where.y);
            cairo_scale(cr, scale, scale);
            cairo_rectangle(cr, 0, 0, size.width, size.height);
            cairo_clip(cr);
            a.paint(cr, static_cast<int>(size.width), static_cast<int>(size.height));
        }
    }
}

// The dashboard's parts, drawn by the same painters as the game's own gauges and buttons.
void DashboardGuide(cairo_t* cr, Point at) {
    const std::vector<Art> gauges = GaugeArt();
    const std::vector<Art> buttons = ButtonArt();
    constexpr CraftBox kGauge = {200, 30};
    constexpr double kRow = 82;
    ColumnHeading(cr, "THE DASHBOARD", at);
    Picture(cr, gauges, "Bitmaps\\Balk_3vierde.bmp", {at.x, at.y + 30}, kGauge, 0.7);
    Picture(cr, gauges, "Bitmaps\\Balk_volbom.bmp", {at.x, at.y + 30 + kRow}, kGauge, 0.7);
    {
        // The life picture carries the dashboard strip around its plate; here only the plate shows.
        Saved saved(cr);
        const Point life = {at.x + 30, at.y + 26 + 2 * kRow};
        RoundedRect(cr, life.x + 1.2, life.y + 1.7, 77.6, 26.6, 13.3);
        cairo_clip(cr);
        Picture(cr, gauges, "Bitmaps\\tweederdeleven.bmp", life, {80, 30}, 1.0);
    }
    double y = at.y + 18 + 3 * kRow;
    for (const char* name : {"Bitmaps\\easy.bmp", "Bitmaps\\medium.bmp", "Bitmaps\\hard.bmp"}) {
        Picture(cr, buttons, name, {at.x + 25, y}, {90, 20}, 1.0);
        y += 24;
    }
    constexpr std::array<std::string_view, 4> kNotes = {
        "Fuel lasts 48 seconds. Land on the green tender for two seconds to refuel and re-arm.",
        "Twenty bombs a load. Only bombs sink gunboats.",
        "Enemy bullets cost life. With no life or no fuel left you sink.",
        "Easy, medium or hard at any time (keys 1 2 3, pad shoulders): harder means fiercer enemies.",
    };
    for (std::size_t i = 0; i < kNotes.size(); ++i) {
        Paragraph(cr, kNotes[i], {at.x + 155, at.y + 40 + static_cast<double>(i) * kRow}, 250,
                  {kSerif, false, 16}, 20, kInkText);
    }
}

struct Prize {
    void (*draw)(cairo_t*);
    CraftBox box;
    double scale;
    std::string_view points;
};

void Mission(cairo_t* cr, Point at) {
    ColumnHeading(cr, "THE MISSION", at);
    Paragraph(
        cr,
        "Levels 1 to 4 end when the kill quota is met: fighters, bombers, elite raiders (from level 2) and "
        "gunboats. On level 5 comes the airship: hit it while its blue shield is down. Never touch the sea!",
        {at.x, at.y + 34}, 850, {kSerif, false, 17}, 22, kInkText);
    const Prize prizes[] = {{DrawSmallFighter, kFighterBox, 0.8, "10"},
                            {DrawBomber, kBomberBox, 0.6, "50"},
                            {DrawRacer, kRacerBox, 0.8, "100"},
                            {DrawGunboat, kGunboatBox, 0.8, "1000"},
                            {DrawAirship, kAirshipBox, 0.55, "5000"}};
    double x = at.x + 10;
    for (const Prize& prize : prizes) {
        const double h = prize.box.height * prize.scale;
        PlaceCraft(cr, prize.draw, prize.box, {x, at.y + 106 - h}, prize.scale, true);
        Text(cr, prize.points, {x + prize.box.width * prize.scale + 10, at.y + 104}, {kSans, true, 18},
             colour::Signal);
        x += prize.box.width * prize.scale + 80;
    }
}

void HelpPage(cairo_t* cr) {
    Backdrop(cr, mood::Day, 600, {{150, 110, 180, 61}, {860, 130, 160, 62}}, 63);
    PlaceCraft(cr, DrawTender, kTenderBox, {60, 640}, 2.2, false);
    ParchmentPanel(cr, 30, 20, 940, 616);
    Text(cr, "HOW TO PLAY", {500, 74}, {kSerif, true, 40}, colour::Navy, Align::Centre);
    Controls(cr, {70, 122});
    DashboardGuide(cr, {520, 122});
    Mission(cr, {70, 482});
}

void CreditsPage(cairo_t* cr) {
    Backdrop(cr, mood::Dawn, 600, {{160, 120, 220, 71}, {840, 150, 180, 72}, {120, 520, 200, 73}}, 74);
    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {105, 330}, 1.4, -15, false);
    PlaceCraft(cr, DrawAirship, kAirshipBox, {840, 300}, 1.2, true);
    PlaceCraft(cr, DrawTender, kTenderBox, {30, 650}, 0.9, false);
    ParchmentPanel(cr, 200, 36, 600, 596);
    Headline(cr, "SALTWING", {500, 120}, 64);
    Text(cr, "was made by the Saltwing team", {500, 160}, {kSerif, false, 20}, kInkText, Align::Centre);
    constexpr std::array<std::array<std::string_view, 2>, 5> kRoles = {{
        {"FLYING, FIGHTING AND CODE", "the Saltwing team"},
        {"PICTURES", "drawn line by line by our own generator"},
        {"SOUND AND MUSIC", "synthesised by our own generator"},
        {"LETTERING", "the DejaVu typefaces"},
        {"TEST PILOTS", "the Saltwing team, after many a sea crash"},
    }};
    double y = 225;
    for (const auto& [role, who] : kRoles) {
        Text(cr, role, {500, y}, {kSans, true, 17}, colour::Signal, Align::Centre);
        Text(cr, who, {500, y + 28}, {kSerif, false, 20}, kInkText, Align::Centre);
        y += 72;
    }
    Text(cr, "Thank you for flying!", {500, 600}, {kSerif, true, 24}, colour::Navy, Align::Centre);
}

}  // namespace

std::vector<Art> PageArt() {
    return {
        {"Bitmaps\\tidewind.bmp", [](cairo_t* cr, int, int) { TitlePage(cr); }},
        {"Bitmaps\\tidewind2.bmp", [](cairo_t* cr, int, int) { StoryOne(cr); }},
        {"Bitmaps\\tidewind3.bmp", [](cairo_t* cr, int, int) { StoryTwo(cr); }},
        {"Bitmaps\\howtoplay.bmp", [](cairo_t* cr, int, int) { HelpPage(cr); }},
        {"Bitmaps\\creditsbackground.bmp", [](cairo_t* cr, int, int) { CreditsPage(cr); }},
    };
}

}  // namespace datagen
