#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "SolidBmp.h"
#include "StandardMenu/StandardMenu.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"

namespace {

using StandardMenu::ButtonRc;
using StandardMenu::InButton;

ButtonRc Box(std::int32_t x0, std::int32_t y0, std::int32_t width, std::int32_t height) {
    ButtonRc button;
    button.x0 = x0;
    button.y0 = y0;
    button.width = width;
    button.height = height;
    button.visible = true;
    return button;
}

TEST(InButton, OnlyPointsStrictlyInsideCount) {
    const ButtonRc button = Box(100, 200, 166, 75);
    EXPECT_TRUE(InButton(button, 101, 201));
    EXPECT_TRUE(InButton(button, 265, 274));
    EXPECT_FALSE(InButton(button, 100, 230));
    EXPECT_FALSE(InButton(button, 266, 230));
    EXPECT_FALSE(InButton(button, 150, 200));
    EXPECT_FALSE(InButton(button, 150, 275));

    for (std::int32_t d = -1; d <= 2; ++d) {
        EXPECT_FALSE(InButton(Box(100, 200, 1, 75), 100 + d, 230));
        EXPECT_FALSE(InButton(Box(100, 200, 166, 1), 150, 200 + d));
    }
    ButtonRc hidden = button;
    hidden.visible = false;
    EXPECT_TRUE(InButton(hidden, 150, 230));

    // At the end of the number range the box does not wrap around to the other end.
    const ButtonRc farOut = Box(2147483600, 2147483600, 166, 75);
    EXPECT_TRUE(InButton(farOut, 2147483647, 2147483647));
    EXPECT_FALSE(InButton(farOut, -2147483600, -2147483600));
}

TEST(SetVerticalMenu, PlacesEveryButtonFromTopEdgeToTopEdgeAndChangesNothingElse) {
    std::array<ButtonRc, 8> buttons{};
    buttons[0] = Box(0, 0, 166, 75);
    StandardMenu::SetVerticalMenu(400, 300, 90, buttons);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].x0, 400);
        EXPECT_EQ(buttons[i].y0, 300 + 90 * static_cast<std::int32_t>(i));
    }
    EXPECT_TRUE(buttons[0].visible);
    EXPECT_EQ(buttons[0].width, 166);
    EXPECT_FALSE(buttons[7].visible);
    EXPECT_EQ(buttons[7].height, 0);
}

TEST(CreateButtonX, ANegativeSizeEndsTheProgramWithAMessage) {
    EXPECT_DEATH(StandardMenu::CreateButtonX(-1, 75, {}, {}), "negative button size -1 x 75");
    EXPECT_DEATH(StandardMenu::CreateMaskedButton(166, -75, "a", "b", "c"), "negative button size 166 x -75");
}

TEST(CreateButtonX, LoadsNormalPictureMaskHoverPictureHoverMaskInThatOrder) {
    testsupport::VirtualTime time;
    Wimdows::Window("Game", 1000, 750);
    const testsupport::TempFile file = testsupport::SolidBmp("picture", 0x0000FF);
    const ButtonRc all =
        StandardMenu::CreateButtonX(166, 75, {.withMouseOver = true, .withMask = true},
                                    {file.c_str(), file.c_str(), file.c_str(), file.c_str()});
    EXPECT_EQ(all.bitmap, (std::array<std::uint32_t, 2>{1, 3}));
    EXPECT_EQ(all.mask, (std::array<std::uint32_t, 2>{2, 4}));
    EXPECT_TRUE(all.visible);
    EXPECT_EQ(all.width, 166);
    EXPECT_EQ(all.height, 75);

    const ButtonRc masked =
        StandardMenu::CreateMaskedButton(166, 75, file.c_str(), file.c_str(), file.c_str());
    EXPECT_EQ(masked.bitmap, (std::array<std::uint32_t, 2>{5, 7}));
    EXPECT_EQ(masked.mask, (std::array<std::uint32_t, 2>{6, 6}));

    // A missing picture gives handle 0 and uses up no number; the button is made all the same.
    const ButtonRc plain = StandardMenu::CreateButtonX(
        0, 0, {}, {.normal = "Bitmaps\\no-such.bmp", .mouseOver = file.c_str(), .normalMask = file.c_str()});
    EXPECT_EQ(plain.bitmap, (std::array<std::uint32_t, 2>{0, 0}));
    EXPECT_EQ(plain.mask, (std::array<std::uint32_t, 2>{0, 0}));
    EXPECT_TRUE(plain.visible);
    EXPECT_EQ(StandardMenu::CreateMaskedButton(1, 1, file.c_str(), file.c_str(), file.c_str()).bitmap[0], 8u);
    Wimdows::KillWindow();
}

}  // namespace
