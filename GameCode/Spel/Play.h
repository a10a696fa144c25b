// The player's side of a play, by topic: levels, flight, weapons, dashboard, and the start and end screens'
// helpers. The frame loop (Controls) calls them in its fixed order; the enemy side is in Enemies.h.
#pragma once

#include <cstdint>

#include "Game/Screen/Screen.h"
#include "State.h"

namespace Spel {

// ---- Levels -----------------------------------------------------------------------------------------------

// Sets Level.Next once the kill quota of Level.Now is met; the quotas are drawn anew every frame.
void LevelSwitcher();
// When Level.Next is set: raises Level.Now and shows the four level-change pictures. Returns true then, and
// the current play ends: the next level's play follows.
[[nodiscard]] bool LevelLoader();

// ---- Flight -----------------------------------------------------------------------------------------------

// Refreshes the key flags of the frame; B stays off while the bomb load is spent.
void Settings(bool NoBombs);
// After Settings: 1, 2 and 3 choose the difficulty and a pad's shoulders lower and raise it, one step a
// press; a pad's Back held for a second sets Esc.
void Shortcuts(ShortcutType& Keys);
std::int32_t Absolute(std::int32_t Speed);
void HorizontalArrow(PlayerType& Player);
// These three return true when the aeroplane went into the sea: the sea-crash sequence has run and the play
// is over. Nothing else of that frame may run.
[[nodiscard]] bool VerticalArrow(bool NoFuel, PlayerType& Player);
[[nodiscard]] bool Fall(std::int32_t TimeDifference, PlayerType& Player);
[[nodiscard]] bool TakeDown(PlayerType& Player, FriendType Allied, DashBoardType& DashBoard);
// Pressing P pauses until P is pressed again; the time spent is added to Player.PauseTime.
void Pause(bool PFlag, PlayerType& Player);
// Sound fix: more than a second between two frame starts that no pause accounts for (a suspend, SIGSTOP, a
// debugger) is added to Player.PauseTime, so the play goes on where it stopped, as after P. Run first in a
// frame, before anything reads the time.
void PauseOverGap(TimeType& time, PlayerType& Player);
// The crash sequences: sound, then a picture; the game-over screen follows.
void CrashAir();
void CrashSea();

// ---- Weapons ----------------------------------------------------------------------------------------------

// Release a volley when its key is held and its interval has passed, then move and draw every volley.
void FirePlayer(bool SpaceFlag, PlayerType Player, std::int32_t& BulletCounter, TimeRecord& TimeDeltaBullet);
void DropBombs(bool BFlag, PlayerType Player, std::int32_t& BombCounter, TimeRecord& TimeDeltaBomb);

// ---- Dashboard --------------------------------------------------------------------------------------------

// Draws the top strip and keeps the fuel and bomb economy; a click on a difficulty button changes Difficulty.
void DrawDashboard(PlayerType& Player, DashBoardType& DashBoard, std::int32_t& BombCounter);

// ---- Start and end screens --------------------------------------------------------------------------------

// Loads a sound file anew, as every event that plays a sound does, and plays it once; returns its handle.
std::uint32_t PlaySoundOnce(const char* file, std::uint32_t volume);
// Starts the engine sounds: the start-up once, the engine loop in SoundMain.
void MusicMainProg();
// The end screens' buttons: back to the main menu, or the same level again with score and difficulty kept.
Game::Screen MenuButton();
Game::Screen RetryButton();

}  // namespace Spel
