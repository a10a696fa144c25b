// The game's module globals.
#include "State.h"

namespace Spel {

BitmapType Bitmaps;
std::int32_t Difficulty = 0;
std::uint32_t SoundMain = 0;
std::int32_t TimeDifferenceEnemy = 0;
std::int32_t TimeDelta = 0;
bool Esc = false, B = false, Space = false, P = false, Down = false, Up = false, Left = false, Right = false;
LevelType Level;
std::array<ButtonRc, 2> Buttons;
IndexedArray<ButtonRc, 1, 3> ButtonsSkill;
std::int32_t Score = 0;
std::int32_t EnemyChoice = 0;
BossBombType BossBomb;
SoundType Sound;
IndexedArray<AttackType, 0, 30> PlayerBomb;
IndexedArray<AttackType, 0, 30> PlayerBullet;
TimeRecord WinTime;

}  // namespace Spel
