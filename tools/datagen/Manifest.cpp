#include "Manifest.h"

#include <algorithm>
#include <array>

namespace datagen {
namespace {

constexpr Kind C = Kind::Colour;
constexpr Kind M = Kind::Mask;
constexpr Kind S = Kind::Sound;

// The menu pages, the end screens and the crash pictures all cover the window.
constexpr int W = 1000;
constexpr int H = 750;

constexpr std::array kFiles = {
    // Scenery and full-window screens.
    Entry{"Bitmaps\\Hemel.bmp", C, W, H},
    Entry{"Bitmaps\\Zee.bmp", C, 1000, 100},
    Entry{"Bitmaps\\GameOver.bmp", C, W, H},
    Entry{"Bitmaps\\Explosion.bmp", C, W, H},
    Entry{"Bitmaps\\Image_Dead.bmp", C, W, H},
    Entry{"Bitmaps\\Win.bmp", C, W, H},
    Entry{"Bitmaps\\nextlevel1.bmp", C, W, H},
    Entry{"Bitmaps\\nextlevel2.bmp", C, W, H},
    Entry{"Bitmaps\\nextlevel3.bmp", C, W, H},
    Entry{"Bitmaps\\nextlevel4.bmp", C, W, H},
    Entry{"Bitmaps\\tidewind.bmp", C, W, H},
    Entry{"Bitmaps\\tidewind2.bmp", C, W, H},
    Entry{"Bitmaps\\tidewind3.bmp", C, W, H},
    Entry{"Bitmaps\\howtoplay.bmp", C, W, H},
    Entry{"Bitmaps\\creditsbackground.bmp", C, W, H},

    // The player's aeroplane: level, climbing, diving; right, then left.
    Entry{"Bitmaps\\VliegtuigSpeler.bmp", C, 100, 60, "Bitmaps\\VliegtuigSpelerMono.bmp"},
    Entry{"Bitmaps\\VliegtuigSpeler2.bmp", C, 100, 60, "Bitmaps\\VliegtuigSpeler2Mono.bmp"},
    Entry{"Bitmaps\\VliegtuigSpeler3.bmp", C, 140, 90, "Bitmaps\\VliegtuigSpeler3Mono.bmp"},
    Entry{"Bitmaps\\VliegtuigSpeler4.bmp", C, 140, 90, "Bitmaps\\VliegtuigSpeler4Mono.bmp"},
    Entry{"Bitmaps\\VliegtuigSpeler5.bmp", C, 120, 90, "Bitmaps\\VliegtuigSpeler5Mono.bmp"},
    Entry{"Bitmaps\\VliegtuigSpeler6.bmp", C, 120, 90, "Bitmaps\\VliegtuigSpeler6Mono.bmp"},
    Entry{"Bitmaps\\VliegtuigSpelerMono.bmp", M, 100, 60},
    Entry{"Bitmaps\\VliegtuigSpeler2Mono.bmp", M, 100, 60},
    Entry{"Bitmaps\\VliegtuigSpeler3Mono.bmp", M, 140, 90},
    Entry{"Bitmaps\\VliegtuigSpeler4Mono.bmp", M, 140, 90},
    Entry{"Bitmaps\\VliegtuigSpeler5Mono.bmp", M, 120, 90},
    Entry{"Bitmaps\\VliegtuigSpeler6Mono.bmp", M, 120, 90},

    // Enemies. Vijand3 is loaded with the others but never drawn; its size is ours to choose.
    Entry{"Bitmaps\\Vijand1.bmp", C, 100, 20, "Bitmaps\\Vijand1Mono.bmp"},
    Entry{"Bitmaps\\Vijand1Mono.bmp", M, 100, 20},
    Entry{"Bitmaps\\Vijand2.bmp", C, 149, 35, "Bitmaps\\Vijand2Mono.bmp"},
    Entry{"Bitmaps\\Vijand2Mono.bmp", M, 149, 35},
    Entry{"Bitmaps\\Vijand3.bmp", C, 100, 30, "Bitmaps\\Vijand3Mono.bmp"},
    Entry{"Bitmaps\\Vijand3Mono.bmp", M, 100, 30},
    Entry{"Bitmaps\\Vijand4.bmp", C, 100, 30, "Bitmaps\\Vijand4Mono.bmp"},
    Entry{"Bitmaps\\Vijand4Mono.bmp", M, 100, 30},
    Entry{"Bitmaps\\Hindenburg.bmp", C, 100, 60},
    Entry{"Bitmaps\\SchipRood.bmp", C, 100, 20, "Bitmaps\\SchipRoodMono.bmp"},
    Entry{"Bitmaps\\SchipRoodMono.bmp", M, 100, 20},
    Entry{"Bitmaps\\SchipGroen.bmp", C, 200, 40, "Bitmaps\\SchipGroenMono.bmp"},
    Entry{"Bitmaps\\SchipGroenMono.bmp", M, 200, 40},

    // Shots and the explosion.
    Entry{"Bitmaps\\Explosion2.bmp", C, 120, 84, "Bitmaps\\Explosion2Mono.bmp"},
    Entry{"Bitmaps\\Explosion2Mono.bmp", M, 120, 84},
    Entry{"Bitmaps\\kogel2.bmp", C, 14, 3},
    Entry{"Bitmaps\\kogel2inv.bmp", C, 14, 3},
    Entry{"Bitmaps\\kogel3inv.bmp", C, 40, 15},
    // Not of the design, which drew the player's bomb as a plain black disc of radius 5.
    Entry{"Bitmaps\\bom.bmp", C, 11, 11, "Bitmaps\\bomMono.bmp"},
    Entry{"Bitmaps\\bomMono.bmp", M, 11, 11},

    // Dashboard gauges, from empty to full.
    Entry{"Bitmaps\\Balk_leeg.bmp", C, 200, 30, "Bitmaps\\BalkFuelMono.bmp"},
    Entry{"Bitmaps\\Balk_1vierde.bmp", C, 200, 30, "Bitmaps\\BalkFuelMono.bmp"},
    Entry{"Bitmaps\\Balk_2vierde.bmp", C, 200, 30, "Bitmaps\\BalkFuelMono.bmp"},
    Entry{"Bitmaps\\Balk_3vierde.bmp", C, 200, 30, "Bitmaps\\BalkFuelMono.bmp"},
    Entry{"Bitmaps\\Balk_vol.bmp", C, 200, 30, "Bitmaps\\BalkFuelMono.bmp"},
    Entry{"Bitmaps\\BalkFuelMono.bmp", M, 200, 30},
    Entry{"Bitmaps\\Balk_leegbom.bmp", C, 200, 30, "Bitmaps\\BalkBomMono.bmp"},
    Entry{"Bitmaps\\Balk_1vierdebom.bmp", C, 200, 30, "Bitmaps\\BalkBomMono.bmp"},
    Entry{"Bitmaps\\Balk_2vierdebom.bmp", C, 200, 30, "Bitmaps\\BalkBomMono.bmp"},
    Entry{"Bitmaps\\Balk_3vierdebom.bmp", C, 200, 30, "Bitmaps\\BalkBomMono.bmp"},
    Entry{"Bitmaps\\Balk_volbom.bmp", C, 200, 30, "Bitmaps\\BalkBomMono.bmp"},
    Entry{"Bitmaps\\BalkBomMono.bmp", M, 200, 30},
    Entry{"Bitmaps\\eenderdeleven.bmp", C, 80, 30},
    Entry{"Bitmaps\\tweederdeleven.bmp", C, 80, 30},
    Entry{"Bitmaps\\volleven.bmp", C, 80, 30},

    // Medals of the win screen.
    Entry{"Bitmaps\\Medal.bmp", C, 160, 159, "Bitmaps\\MedalMono.bmp"},
    Entry{"Bitmaps\\MedalMono.bmp", M, 160, 159},
    Entry{"Bitmaps\\Medal2.bmp", C, 160, 159, "Bitmaps\\Medal2Mono.bmp"},
    Entry{"Bitmaps\\Medal2Mono.bmp", M, 160, 159},

    // Difficulty buttons on the dashboard.
    Entry{"Bitmaps\\easy.bmp", C, 90, 20, "Bitmaps\\easyMono.bmp"},
    Entry{"Bitmaps\\easy2.bmp", C, 90, 20, "Bitmaps\\easyMono.bmp"},
    Entry{"Bitmaps\\easyMono.bmp", M, 90, 20},
    Entry{"Bitmaps\\medium.bmp", C, 90, 20, "Bitmaps\\mediumMono.bmp"},
    Entry{"Bitmaps\\medium2.bmp", C, 90, 20, "Bitmaps\\mediumMono.bmp"},
    Entry{"Bitmaps\\mediumMono.bmp", M, 90, 20},
    Entry{"Bitmaps\\hard.bmp", C, 90, 20, "Bitmaps\\hardMono.bmp"},
    Entry{"Bitmaps\\hard2.bmp", C, 90, 20, "Bitmaps\\hardMono.bmp"},
    Entry{"Bitmaps\\hardMono.bmp", M, 90, 20},

    // End-screen buttons.
    Entry{"Bitmaps\\MenuGame.bmp", C, 166, 75, "Bitmaps\\MenuGameMono.bmp"},
    Entry{"Bitmaps\\MenuGame2.bmp", C, 166, 75, "Bitmaps\\MenuGameMono.bmp"},
    Entry{"Bitmaps\\MenuGameMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\retry.bmp", C, 166, 75, "Bitmaps\\retryMono.bmp"},
    Entry{"Bitmaps\\retry2.bmp", C, 166, 75, "Bitmaps\\retryMono.bmp"},
    Entry{"Bitmaps\\retryMono.bmp", M, 166, 75},

    // Menu buttons; the main menu's hover pictures are named with a forward slash.
    Entry{"Bitmaps\\Start.bmp", C, 166, 75, "Bitmaps\\StartMono.bmp"},
    Entry{"Bitmaps/Start2.bmp", C, 166, 75, "Bitmaps\\StartMono.bmp"},
    Entry{"Bitmaps\\StartMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\Story.bmp", C, 166, 75, "Bitmaps\\StoryMono.bmp"},
    Entry{"Bitmaps/Story2.bmp", C, 166, 75, "Bitmaps\\StoryMono.bmp"},
    Entry{"Bitmaps\\StoryMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\Help.bmp", C, 166, 75, "Bitmaps\\HelpMono.bmp"},
    Entry{"Bitmaps/Help2.bmp", C, 166, 75, "Bitmaps\\HelpMono.bmp"},
    Entry{"Bitmaps\\HelpMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\Credits.bmp", C, 166, 75, "Bitmaps\\CreditsMono.bmp"},
    Entry{"Bitmaps/Credits2.bmp", C, 166, 75, "Bitmaps\\CreditsMono.bmp"},
    Entry{"Bitmaps\\CreditsMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\Exit.bmp", C, 166, 75, "Bitmaps\\ExitMono.bmp"},
    Entry{"Bitmaps/Exit2.bmp", C, 166, 75, "Bitmaps\\ExitMono.bmp"},
    Entry{"Bitmaps\\ExitMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\previous.bmp", C, 166, 75, "Bitmaps\\PreviousMono.bmp"},
    Entry{"Bitmaps\\previous2.bmp", C, 166, 75, "Bitmaps\\PreviousMono.bmp"},
    Entry{"Bitmaps\\PreviousMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\next.bmp", C, 166, 75, "Bitmaps\\NextMono.bmp"},
    Entry{"Bitmaps\\next2.bmp", C, 166, 75, "Bitmaps\\NextMono.bmp"},
    Entry{"Bitmaps\\NextMono.bmp", M, 166, 75},
    Entry{"Bitmaps\\menu.bmp", C, 166, 75, "Bitmaps\\MenuMono.bmp"},
    Entry{"Bitmaps\\menu2.bmp", C, 166, 75, "Bitmaps\\MenuMono.bmp"},
    Entry{"Bitmaps\\MenuMono.bmp", M, 166, 75},

    // The window's icon (the desktop's icon is a larger PNG beside the data).
    Entry{"Bitmaps\\saltwing.bmp", C, 256, 256, "Bitmaps\\saltwingMono.bmp"},
    Entry{"Bitmaps\\saltwingMono.bmp", M, 256, 256},

    // Sounds.
    Entry{"audio/Shot.wav", S},
    Entry{"audio/Bomb.wav", S},
    Entry{"audio/Crash_Bullet.wav", S},
    Entry{"audio/Crash_Air.wav", S},
    Entry{"audio/Crash_Water.wav", S},
    Entry{"audio/BossExplosion.wav", S},
    Entry{"audio/spitfire_startup.wav", S},
    Entry{"audio/xspitfire_rpm3.wav", S},
    Entry{"audio/Intro_Menu.mp3", S},
    Entry{"audio/Win_Song.mp3", S},
};

}  // namespace

std::span<const Entry> Manifest() {
    return kFiles;
}

std::string DiskPath(std::string_view name) {
    std::string path(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

const Entry* Find(std::string_view name) {
    const std::string wanted = DiskPath(name);
    const auto found = std::find_if(kFiles.begin(), kFiles.end(),
                                    [&](const Entry& entry) { return DiskPath(entry.name) == wanted; });
    return found == kFiles.end() ? nullptr : &*found;
}

const Entry* SpriteOf(const Entry& mask) {
    const auto found = std::find_if(kFiles.begin(), kFiles.end(),
                                    [&](const Entry& entry) { return entry.mask == mask.name; });
    return found == kFiles.end() ? nullptr : &*found;
}

}  // namespace datagen
