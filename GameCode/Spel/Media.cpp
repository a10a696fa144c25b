// A start from the main menu: the game's pictures, the engine sounds, level 1, difficulty 1, score 0.
#include <cstdio>

#include "Music/Music.h"
#include "Play.h"
#include "Spel.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

struct Slot {
    BitmapSlots BitmapType::*table;
    int index;
    const char* file;
    std::uint32_t width;
    std::uint32_t height;
};

// Every picture of the game with its slot, in load order; the size is also the size it is drawn at.
constexpr Slot kSlots[] = {
    {&BitmapType::BackGround, 0, "Bitmaps\\Hemel.bmp", 1000, 750},
    {&BitmapType::BackGround, 1, "Bitmaps\\Zee.bmp", 1000, 100},
    {&BitmapType::BackGround, 3, "Bitmaps\\Explosion2.bmp", 120, 84},
    {&BitmapType::BackGround, 5, "Bitmaps\\GameOver.bmp", 1000, 750},
    {&BitmapType::BackGround, 6, "Bitmaps\\Explosion.bmp", 1000, 750},
    {&BitmapType::BackGround, 7, "Bitmaps\\Image_Dead.bmp", 1000, 750},
    {&BitmapType::BackGround, 12, "Bitmaps\\Explosion2Mono.bmp", 120, 84},
    {&BitmapType::BackGround, 13, "Bitmaps\\Win.bmp", 1000, 750},
    {&BitmapType::Player, 0, "Bitmaps\\VliegtuigSpeler.bmp", 100, 60},
    {&BitmapType::Player, 1, "Bitmaps\\VliegtuigSpeler2.bmp", 100, 60},
    {&BitmapType::Player, 2, "Bitmaps\\VliegtuigSpeler3.bmp", 140, 90},
    {&BitmapType::Player, 3, "Bitmaps\\VliegtuigSpeler4.bmp", 140, 90},
    {&BitmapType::Player, 4, "Bitmaps\\VliegtuigSpeler5.bmp", 120, 90},
    {&BitmapType::Player, 5, "Bitmaps\\VliegtuigSpeler6.bmp", 120, 90},
    {&BitmapType::Player, 6, "Bitmaps\\VliegtuigSpelerMono.bmp", 100, 60},
    {&BitmapType::Player, 7, "Bitmaps\\VliegtuigSpeler2Mono.bmp", 100, 60},
    {&BitmapType::Player, 8, "Bitmaps\\VliegtuigSpeler3Mono.bmp", 140, 90},
    {&BitmapType::Player, 9, "Bitmaps\\VliegtuigSpeler4Mono.bmp", 140, 90},
    {&BitmapType::Player, 10, "Bitmaps\\VliegtuigSpeler5Mono.bmp", 120, 90},
    {&BitmapType::Player, 11, "Bitmaps\\VliegtuigSpeler6Mono.bmp", 120, 90},
    {&BitmapType::Enemy, 0, "Bitmaps\\Vijand1.bmp", 100, 20},
    {&BitmapType::Enemy, 6, "Bitmaps\\Vijand1Mono.bmp", 100, 20},
    {&BitmapType::Enemy, 1, "Bitmaps\\Vijand2.bmp", 149, 35},
    {&BitmapType::Enemy, 7, "Bitmaps\\Vijand2Mono.bmp", 149, 35},
    {&BitmapType::Enemy, 3, "Bitmaps\\Vijand4.bmp", 100, 30},
    {&BitmapType::Enemy, 9, "Bitmaps\\Vijand4Mono.bmp", 100, 30},
    {&BitmapType::Enemy, 4, "Bitmaps\\Hindenburg.bmp", 100, 60},
    {&BitmapType::Enemy, 5, "Bitmaps\\SchipRood.bmp", 100, 20},
    {&BitmapType::Enemy, 11, "Bitmaps\\SchipRoodMono.bmp", 100, 20},
    {&BitmapType::Fuel, 0, "Bitmaps\\Balk_leeg.bmp", 200, 30},
    {&BitmapType::Fuel, 1, "Bitmaps\\Balk_1vierde.bmp", 200, 30},
    {&BitmapType::Fuel, 2, "Bitmaps\\Balk_2vierde.bmp", 200, 30},
    {&BitmapType::Fuel, 3, "Bitmaps\\Balk_3vierde.bmp", 200, 30},
    {&BitmapType::Fuel, 4, "Bitmaps\\Balk_vol.bmp", 200, 30},
    {&BitmapType::Fuel, 5, "Bitmaps\\BalkFuelMono.bmp", 200, 30},
    {&BitmapType::Ammo, 0, "Bitmaps\\Balk_leegbom.bmp", 200, 30},
    {&BitmapType::Ammo, 1, "Bitmaps\\Balk_1vierdebom.bmp", 200, 30},
    {&BitmapType::Ammo, 2, "Bitmaps\\Balk_2vierdebom.bmp", 200, 30},
    {&BitmapType::Ammo, 3, "Bitmaps\\Balk_3vierdebom.bmp", 200, 30},
    {&BitmapType::Ammo, 4, "Bitmaps\\Balk_volbom.bmp", 200, 30},
    {&BitmapType::Ammo, 5, "Bitmaps\\BalkBomMono.bmp", 200, 30},
    {&BitmapType::Friend, 0, "Bitmaps\\SchipGroen.bmp", 200, 40},
    {&BitmapType::Friend, 1, "Bitmaps\\SchipGroenMono.bmp", 200, 40},
    {&BitmapType::Life, 0, "Bitmaps\\Hemel.bmp", 80, 30},
    {&BitmapType::Life, 1, "Bitmaps\\eenderdeleven.bmp", 80, 30},
    {&BitmapType::Life, 2, "Bitmaps\\tweederdeleven.bmp", 80, 30},
    {&BitmapType::Life, 3, "Bitmaps\\volleven.bmp", 80, 30},
    {&BitmapType::Bullet, 1, "Bitmaps\\kogel2.bmp", 14, 3},
    {&BitmapType::Bullet, 2, "Bitmaps\\kogel2inv.bmp", 14, 3},
    {&BitmapType::Bullet, 4, "Bitmaps\\kogel3inv.bmp", 40, 15},
    {&BitmapType::Level, 0, "Bitmaps\\nextlevel1.bmp", 1000, 750},
    {&BitmapType::Level, 1, "Bitmaps\\nextlevel2.bmp", 1000, 750},
    {&BitmapType::Level, 2, "Bitmaps\\nextlevel3.bmp", 1000, 750},
    {&BitmapType::Level, 3, "Bitmaps\\nextlevel4.bmp", 1000, 750},
    {&BitmapType::Medal, 1, "Bitmaps\\Medal.bmp", 160, 159},
    {&BitmapType::Medal, 2, "Bitmaps\\MedalMono.bmp", 160, 159},
    {&BitmapType::Medal, 3, "Bitmaps\\Medal2.bmp", 160, 159},
    {&BitmapType::Medal, 4, "Bitmaps\\Medal2Mono.bmp", 160, 159},
    // Not of the design: the player's bomb is a shaded sprite instead of a black disc. Loaded last, so that
    // every handle above keeps its number.
    {&BitmapType::Bullet, 3, "Bitmaps\\bom.bmp", 11, 11},
    {&BitmapType::Bullet, 5, "Bitmaps\\bomMono.bmp", 11, 11},
};

}  // namespace

std::uint32_t PlaySoundOnce(const char* file, std::uint32_t volume) {
    const std::uint32_t sound = Music::LoadSound(file);
    Music::PlaySound(sound, false);
    Music::SetSoundVolume(sound, volume);
    return sound;
}

void MusicMainProg() {
    if (!Music::InitMusic()) {
        std::fputs("Error with initializing", stdout);
        std::fflush(stdout);
    }
    for (const char* file : sounds::kInPlay) {
        Music::PreloadSound(file);
    }
    PlaySoundOnce("audio/spitfire_startup.wav", 250);
    SoundMain = Music::LoadSound("audio/xspitfire_rpm3.wav");
    Music::PlaySound(SoundMain, true);
    Music::SetSoundVolume(SoundMain, 40);
}

Game::Screen Media() {
    Wimdows::FlushKeys();
    Wimdows::ClearScreen();
    const bool menuShown = Wimdows::PicturesRead();
    bool anyRead = false;
    for (const Slot& slot : kSlots) {
        (Bitmaps.*slot.table)[slot.index] = Wimdows::LoadBitmap(slot.file, slot.width, slot.height);
        anyRead = anyRead || (Bitmaps.*slot.table)[slot.index] != 0;
    }
    // Sound fix: with none of its pictures a play would be black. It is said, and the menu shows again; when
    // the menu had no pictures either, the game ends.
    if (Wimdows::SayUnreadPictures("game pictures") && !anyRead) {
        return menuShown ? Game::Screen::MainMenu : Game::Screen::Abort;
    }
    MusicMainProg();
    Wimdows::SetBuffering(true);
    Level.Now = 1;
    Difficulty = 1;
    Score = 0;
    return Game::Screen::Play;
}

}  // namespace Spel
