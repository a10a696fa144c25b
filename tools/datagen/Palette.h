// The game's colours: a propeller-era poster palette, warm creams against sea blues, with brass and
// signal red for accents. Friendly craft are teal and cream, the enemy gunmetal and crimson.
#pragma once

namespace datagen {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

constexpr Rgb Hex(unsigned v) {
    return {static_cast<double>((v >> 16) & 0xFFu) / 255.0, static_cast<double>((v >> 8) & 0xFFu) / 255.0,
            static_cast<double>(v & 0xFFu) / 255.0};
}

constexpr Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace colour {
inline constexpr Rgb Black = Hex(0x000000);
inline constexpr Rgb White = Hex(0xFFFFFF);
inline constexpr Rgb Ink = Hex(0x1B2531);  // outlines; never pure black, which is the mask's background
inline constexpr Rgb Navy = Hex(0x1F3A5A);
inline constexpr Rgb DeepNavy = Hex(0x12243A);
inline constexpr Rgb Cream = Hex(0xF4E8C8);
inline constexpr Rgb Parchment = Hex(0xEADBB4);
inline constexpr Rgb Brass = Hex(0xD9A441);
inline constexpr Rgb DarkBrass = Hex(0x8C6421);
inline constexpr Rgb Gold = Hex(0xF5C451);
inline constexpr Rgb Signal = Hex(0xC23B2E);
inline constexpr Rgb Crimson = Hex(0x9E2A2B);
inline constexpr Rgb Teal = Hex(0x2E7F73);
inline constexpr Rgb DarkTeal = Hex(0x1C5950);
inline constexpr Rgb Gunmetal = Hex(0x4C545E);
inline constexpr Rgb DarkGunmetal = Hex(0x2C323A);
inline constexpr Rgb Silver = Hex(0xC9CED3);
inline constexpr Rgb Glass = Hex(0x9FD3EA);
inline constexpr Rgb Olive = Hex(0x5C6B34);
inline constexpr Rgb Leaf = Hex(0x4F8A4B);
inline constexpr Rgb Deck = Hex(0xC9A86E);
inline constexpr Rgb Foam = Hex(0xF2FAFC);
inline constexpr Rgb Fire = Hex(0xF28C28);
inline constexpr Rgb Flame = Hex(0xFFD45C);
inline constexpr Rgb Smoke = Hex(0x5A5F66);
}  // namespace colour

}  // namespace datagen
