// The game's records, enumerations and module globals. Per-play records belong to the frame loop and are
// made fresh for every play; the globals live for the whole program.
#pragma once

#include <array>
#include <cstdint>

#include "IndexedArray.h"
#include "StandardMenu/StandardMenu.h"
#include "Time/Time.h"

namespace Spel {

using StandardMenu::ButtonRc;
using Time::TimeRecord;

// ---- The aeroplane ------------------------------------------------------------------------------------

enum HoriType : std::uint8_t { R = 0, L = 1 };
enum VertType : std::uint8_t { U = 0, D = 1, N = 2 };
enum TotType : std::uint8_t { RU = 0, RD = 1, LU = 2, LD = 3 };

struct PositionType {
    HoriType Hori = R;
    VertType Vert = N;
    TotType Tot = RU;
};

struct PlayerType {
    std::int32_t CoX = 0;
    std::int32_t CoY = 0;
    std::int32_t PauseTime = 0;     // hundredths spent in pause during this play
    std::int32_t Hit = 0;           // enemy bullets that have hit the aeroplane in this play
    std::int32_t CounterCrash = 0;  // read by nothing
    std::int32_t Speed = 0;         // pixels per frame; the sign is the heading
    std::int32_t CounterFall = 0;   // number of the next one-second fall step
    std::int32_t LifeCounter = 0;   // thirds of the life gauge lost; from 4 on the aeroplane sinks
    bool Move = false;              // read by nothing
    bool TakeDown = false;          // standing on the friendly ship
    bool Hit2 = false;              // the hit explosion shows on the aeroplane
    bool Crash = false;             // shot down
    TimeRecord HitTime;
    PositionType Position;
};

// One bullet or bomb with its whole flight path.
struct AttackType {
    IndexedArray<std::int32_t, 1, 100> CoX;
    IndexedArray<std::int32_t, 1, 100> CoY;
    std::int32_t StartCoX = 0;
    std::int32_t StartCoY = 0;
    std::int32_t Index = 0;
    std::int32_t MaxIndex = 0;
    std::int32_t TimeDifferenceDrawTime = 0;
    std::int32_t BulletSpeed = 0;  // +1 right, -1 left; bullets only
    TimeRecord DrawTime;
    bool GetDrawTime = false;
    bool Draw = false;  // in flight
};

// ---- Dashboard, level, timers ---------------------------------------------------------------------------

struct DashBoardType {
    std::uint32_t FuelLevel = 0;  // 0 to 4, 4 full
    std::uint32_t BombLevel = 0;  // 0 to 4, 4 full
    std::uint32_t Life = 0;       // read by nothing
    TimeRecord FuelTime;
    TimeRecord RefuelTime;
    TimeRecord BombTime;
    bool NoFuel = false;
    bool Refueling = false;
    bool GetFuelTime = false;
    bool GetRefuelTime = false;
    bool NoBombs = false;
};

// Kill counters by kind: 1 small fighter, 2 big enemy, 3 elite enemy, 4 boss, 5 enemy boat.
struct LevelType {
    IndexedArray<std::int32_t, 1, 5> Kills;
    bool Next = false;
    std::int32_t Now = 0;
};

struct TimeType {
    TimeRecord BeginTime;
    TimeRecord MainTime;
    TimeRecord FallTime;  // read by nothing
    TimeRecord WinTime;   // read by nothing; the global WinTime serves
    std::int32_t DiffMain = 0;
    std::int32_t DiffEnemy = 0;  // hundredths since the play began
    // Not of the design: the previous frame's start and the pause total then, to tell a gap from a pause.
    Time::DateTime lastFrameStart;
    std::int32_t pausedBeforeLastFrame = 0;
};

struct SoundType {
    std::uint32_t Start = 0;
    std::uint32_t Main = 0;
    std::uint32_t Win = 0;
    std::uint32_t Shot = 0;
    std::uint32_t Bomb = 0;
    std::uint32_t CrashBullet = 0;
    std::uint32_t CrashEnemy = 0;
    std::uint32_t CrashSea = 0;
    std::uint32_t BossBomb = 0;
};

// The sounds a play loads in the frame that plays them. The play's start reads them all beforehand, so that
// no frame waits for a file to be decoded (the boss's explosion took 3 ms).
namespace sounds {
inline constexpr const char* kShot = "audio/Shot.wav";
inline constexpr const char* kBomb = "audio/Bomb.wav";
inline constexpr const char* kCrashAir = "audio/Crash_Air.wav";
inline constexpr const char* kCrashWater = "audio/Crash_Water.wav";
inline constexpr const char* kCrashBullet = "audio/Crash_Bullet.wav";
inline constexpr const char* kBossExplosion = "audio/BossExplosion.wav";
inline constexpr std::array kInPlay{kShot, kBomb, kCrashAir, kCrashWater, kCrashBullet, kBossExplosion};
}  // namespace sounds

using BitmapSlots = IndexedArray<std::uint32_t, 0, 100>;

struct BitmapType {
    BitmapSlots BackGround;
    BitmapSlots Player;
    BitmapSlots Enemy;
    BitmapSlots Fuel;
    BitmapSlots Ammo;
    BitmapSlots Friend;
    BitmapSlots Life;
    BitmapSlots Bullet;
    BitmapSlots Level;
    BitmapSlots Medal;
};

// ---- The enemy side --------------------------------------------------------------------------------------

using Coordinates = IndexedArray<std::int32_t, 1, 100>;
using Flags = IndexedArray<bool, 0, 100>;  // index 0 is never used
using Counters = IndexedArray<std::int32_t, 1, 8>;

struct EnemySmallType {
    Coordinates CoX;
    Coordinates CoY;
    Coordinates BulletCoX;
    Coordinates BulletCoY;
    Counters
        Counter;  // 1 next volley, 4 next volley's block, 6 bullet slots in use, 7 wave frame, 8 fighters
    Flags Move;
    Flags Killed;  // not used by the small fighters
    IndexedArray<bool, 1, 100> BulletHit;
};

// Big enemies (slots 1 to 3) and elite enemies (slots 1 to 2).
struct EnemyBigType {
    Coordinates CoX;
    Coordinates CoY;
    std::int32_t Counter = 0;    // wave frame counter
    std::int32_t direction = 0;  // big enemies: 2 is pattern B, anything else pattern A
    Flags Move;
    Flags Killed;
};

struct BoatType {
    Coordinates CoX;
    Coordinates CoY;
    Counters Counter;  // 7 wave frame, 8 boats in the wave
    Flags Move;
    Flags Killed;  // not used by the boats
};

struct FriendType {
    std::int32_t CoX = 0;
    std::int32_t CoY = 0;
    Counters Counter;       // 7 crossing frame counter
    std::int32_t Time = 0;  // level time in hundredths from which the ship sails
};

struct EnemyBossType {
    std::int32_t CoX = 0;
    std::int32_t CoY = 0;
    std::int32_t Height_Boss = 0;  // -1 moving down, 1 moving up
    std::int32_t Laser_var = 0;
    std::int32_t LaserCounter = 0;
    std::int32_t ShieldCounter = 0;
    std::int32_t BombCounter = 0;
    std::int32_t Counter = 0;
    std::int32_t HitCounter = 0;
    TimeRecord Laser_Time;
    TimeRecord Shield_Time;
    bool SHIELD = false;
    bool LASER = false;
    bool BOMB = false;
    bool Move = false;
};

struct EnemyType {
    EnemySmallType Small;
    EnemyBigType Big;
    EnemyBigType Elite;
    EnemyBossType Boss;
    BoatType Boat;
    FriendType Allied;
};

struct ExplosionType {
    TimeRecord SmallExplosion;
    TimeRecord BigExplosion;
    TimeRecord EliteExplosion;
    TimeRecord BoatExplosion;
    TimeRecord BossExplosion;
};

struct BossBombType {
    std::int32_t StartCoX = 0;
    std::int32_t StartCoY = 0;
    std::int32_t CoX = 0;
    std::int32_t CoY = 0;
};

// What a play remembers of the keys that act once per press or after a hold.
struct ShortcutType {
    bool LowerHeld = false;  // a pad's left shoulder, at the last frame
    bool RaiseHeld = false;  // its right shoulder
    bool BackHeld = false;   // a pad's Back, since BackTime.start
    TimeRecord BackTime;
};

// ---- One play ---------------------------------------------------------------------------------------------

// Everything a play owns. The frame loop makes a fresh one for every play (a start from the menu, a level
// change, a retry) and hands its parts by reference to the operations of the frame.
struct PlayType {
    PlayerType Player;
    EnemyType Enemy;
    DashBoardType DashBoard;
    TimeType Time;  // the play's clock, the frame pacing, DiffEnemy
    ExplosionType Explosions;
    TimeRecord TimeDeltaBullet;      // start: the play's start or the last shot
    TimeRecord TimeDeltaBomb;        // start: the play's start or the last bomb
    std::int32_t BulletCounter = 0;  // slot of the latest bullet, 1 to 20; 0 before the first shot
    std::int32_t BombCounter = 0;    // slot of the latest bomb, also the bombs used from the current load
    bool WIN = false;                // the boss's destruction has finished
    std::int32_t TimeDiffWinTime = 0;
    ShortcutType Shortcuts;
};

// ---- Module globals: zero at program start, kept when the program returns to the main menu ----------------

extern BitmapType Bitmaps;
extern std::int32_t Difficulty;  // 1 easy, 2 medium, 3 hard
extern std::uint32_t SoundMain;  // the looping engine sound
extern std::int32_t TimeDifferenceEnemy;
extern std::int32_t TimeDelta;
// The key flags of the current frame.
extern bool Esc, B, Space, P, Down, Up, Left, Right;
extern LevelType Level;
extern std::array<ButtonRc, 2> Buttons;            // end screens: menu, retry
extern IndexedArray<ButtonRc, 1, 3> ButtonsSkill;  // dashboard: easy, medium, hard
extern std::int32_t Score;
extern std::int32_t EnemyChoice;  // 0 none yet, 1 small, 2 big, 3 elite, 4 boss
extern BossBombType BossBomb;
extern SoundType Sound;
extern IndexedArray<AttackType, 0, 30> PlayerBomb;    // slots 1 to 20 are used
extern IndexedArray<AttackType, 0, 30> PlayerBullet;  // slots 1 to 20 are used
extern TimeRecord WinTime;

}  // namespace Spel
