// Making, placing, hit-testing and drawing buttons.
#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "StandardMenu.h"
#include "StandardMenuDetail.h"
#include "Wimdows/Wimdows.h"

namespace StandardMenu {

namespace {

std::uint32_t LoadPicture(BitmapName file, std::int32_t w, std::int32_t h) {
    return Wimdows::LoadBitmap(file, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h));
}

bool UsesNormalMask(BitmapName mouseOverMask) {
    return mouseOverMask != nullptr && mouseOverMask[0] == '=';
}

}  // namespace

ButtonRc CreateButtonX(std::int32_t w, std::int32_t h, ButtonType flags, const ButtonStrings& bitmaps) {
    if (w < 0 || h < 0) {
        std::cerr << "CreateButtonX: negative button size " << w << " x " << h << std::endl;
        std::abort();
    }
    ButtonRc button;
    button.bitmap[0] = LoadPicture(bitmaps.normal, w, h);
    if (flags.withMask) {
        button.mask[0] = LoadPicture(bitmaps.normalMask, w, h);
    }
    if (flags.withMouseOver) {
        button.bitmap[1] = LoadPicture(bitmaps.mouseOver, w, h);
        if (flags.withMask) {
            button.mask[1] = UsesNormalMask(bitmaps.mouseOverMask) ? button.mask[0]
                                                                   : LoadPicture(bitmaps.mouseOverMask, w, h);
        }
    }
    button.width = w;
    button.height = h;
    button.type = flags;
    button.visible = true;
    return button;
}

ButtonRc CreateMaskedButton(std::int32_t w, std::int32_t h, BitmapName normal, BitmapName mouseOver,
                            BitmapName mask) {
    return CreateButtonX(
        w, h, ButtonType{.withMouseOver = true, .withMask = true},
        ButtonStrings{.normal = normal, .mouseOver = mouseOver, .normalMask = mask, .mouseOverMask = "="});
}

void SetVerticalMenu(std::int32_t x0, std::int32_t y0, std::int32_t yGap, std::span<ButtonRc> buttons) {
    std::int32_t y = y0;
    for (ButtonRc& button : buttons) {
        button.x0 = x0;
        button.y0 = y;
        y += yGap;
    }
}

bool InButton(const ButtonRc& button, std::int32_t x, std::int32_t y) {
    // Widened so that a button near the edge of the number range cannot wrap around.
    const std::int64_t left = button.x0;
    const std::int64_t top = button.y0;
    return left < x && x < left + button.width && top < y && y < top + button.height;
}

ButtonLook LookOf(const ButtonRc& button) {
    if (!button.visible) {
        return ButtonLook::Hidden;
    }
    const ClickRc pointer = detail::PointerPos();
    return button.type.withMouseOver && InButton(button, pointer.x, pointer.y) ? ButtonLook::Hover
                                                                               : ButtonLook::Normal;
}

void DrawButtonAs(const ButtonRc& button, ButtonLook look) {
    if (look == ButtonLook::Hidden) {
        return;
    }
    const std::size_t k = look == ButtonLook::Hover ? 1 : 0;
    if (button.type.withMask) {
        Wimdows::DrawMaskBitmap(button.bitmap[k], button.mask[k], button.x0, button.y0);
    } else {
        Wimdows::DrawBitmap(button.bitmap[k], button.x0, button.y0);
    }
}

void DrawButton(const ButtonRc& button) {
    DrawButtonAs(button, LookOf(button));
}

}  // namespace StandardMenu
