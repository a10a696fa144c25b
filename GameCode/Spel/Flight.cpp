// The aeroplane's flight: keys to movement, the fall, landing on the friendly ship, the pause, the crashes.
#include "Music/Music.h"
#include "Play.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

using Time::GetClock;

constexpr std::int32_t kLeftLimit = 0;
constexpr std::int32_t kRightLimit = 900;
constexpr std::int32_t kTop = 50;
constexpr std::int32_t kSea = 750;
constexpr std::int32_t kClimbStep = 5;
constexpr std::int32_t kFallStep = 10;
constexpr std::int32_t kTakeOffJump = 100;
constexpr std::int32_t kTakeOffEdge = 10;
constexpr std::uint32_t kPauseDebounce = 150;
// How often the pause looks at the P key: the pause is measured in hundredths anyway.
constexpr std::uint32_t kPausePoll = 10;
// Hundredths between two frame starts beyond which the game was not running (its own long waits end the
// play).
constexpr std::int32_t kLongestFrame = 100;

// Not of the design: while a pause lasts the window says so and the play's sounds hold, also when a closed
// window ends the pause by an exception.
class PauseShown {
  public:
    PauseShown() {
        Music::PauseSounds();
        Wimdows::ShowPausePlaque(true);
    }
    ~PauseShown() {
        Wimdows::ShowPausePlaque(false);
        Music::ResumeSounds();
    }
    PauseShown(const PauseShown&) = delete;
    PauseShown& operator=(const PauseShown&) = delete;
};

// Sound, then the picture for five seconds; the game-over screen follows.
void CrashSequence(std::uint32_t& sound, const char* file, bool stopSound, std::uint32_t picture) {
    Music::StopSound(SoundMain);
    sound = PlaySoundOnce(file, 250);
    Time::Delay(2000);
    if (stopSound) {
        Music::StopSound(sound);
    }
    Wimdows::DrawBitmap(picture, 0, 0);
    Wimdows::UpdateWindow();
    Time::Delay(5000);
}

}  // namespace

void Settings(bool NoBombs) {
    Right = Wimdows::KeyDown(Wimdows::VK_RIGHT);
    Left = Wimdows::KeyDown(Wimdows::VK_LEFT);
    Up = Wimdows::KeyDown(Wimdows::VK_UP);
    Down = Wimdows::KeyDown(Wimdows::VK_DOWN);
    Space = Wimdows::KeyDown(Wimdows::VK_SPACE);
    P = Wimdows::KeyDown(Wimdows::VK_P);
    Esc = Wimdows::KeyDown(Wimdows::VK_ESCAPE);
    B = NoBombs ? false : Wimdows::KeyDown(Wimdows::VK_B);
}

std::int32_t Absolute(std::int32_t Speed) {
    return Speed < 0 ? -Speed : Speed;
}

void HorizontalArrow(PlayerType& Player) {
    if (!(Right || Left) || Player.Crash) {
        return;
    }
    if (Right) {
        Player.Speed = Absolute(Player.Speed);
        Player.Position.Hori = R;
    }
    if (Left) {
        Player.Speed = -Absolute(Player.Speed);
        Player.Position.Hori = L;
    }
    Player.CoX = Player.CoX + Player.Speed;
    if (Player.CoX >= kRightLimit) {
        Player.CoX = kRightLimit;
    } else if (Player.CoX <= kLeftLimit) {
        Player.CoX = kLeftLimit;
    }
}

bool VerticalArrow(bool NoFuel, PlayerType& Player) {
    if (!Up && !Down) {
        if (!Player.Crash) {
            Player.Position.Vert = N;
        }
        return false;
    }
    if (Up) {
        // An empty tank or a spent life gauge shows the climbing picture but gains no height.
        Player.Position.Vert = U;
        if (!NoFuel && Player.LifeCounter < 4) {
            Player.CoY = Player.CoY - kClimbStep;
        }
    } else if (!Player.TakeDown) {
        Player.CoY = Player.CoY + kClimbStep;
        Player.Position.Vert = D;
    } else if (!Player.Crash) {
        Player.Position.Vert = N;
    }
    if (Player.CoY <= kTop) {
        Player.CoY = kTop;
    } else if (Player.CoY >= kSea) {
        CrashSea();
        return true;
    }
    return false;
}

bool Fall(std::int32_t TimeDifference, PlayerType& Player) {
    const std::int32_t playTime = TimeDifference - Player.PauseTime;
    if (playTime < Player.CounterFall * 100 || Up || Player.TakeDown) {
        return false;
    }
    Player.CounterFall = Player.CounterFall + 1;
    if (Player.CoY + 50 >= kSea) {
        CrashSea();
        return true;
    }
    Player.CoY = Player.CoY + kFallStep;
    return false;
}

bool TakeDown(PlayerType& Player, FriendType Allied, DashBoardType& DashBoard) {
    const bool overShip =
        Allied.CoX <= Player.CoX && Player.CoX <= Allied.CoX + 40 && Player.CoY >= Allied.CoY - 40;
    if (!overShip) {
        DashBoard.Refueling = false;
        DashBoard.GetRefuelTime = true;
        Player.TakeDown = false;
        return false;
    }
    if (Player.CoY > Allied.CoY - 30) {
        CrashSea();
        return true;
    }
    Player.TakeDown = true;
    DashBoard.Refueling = true;
    if (DashBoard.GetRefuelTime) {
        GetClock(DashBoard.RefuelTime.start);
        DashBoard.GetRefuelTime = false;
    }
    // Standing on the ship, the aeroplane rides along at the ship's speed.
    Player.CoX = Player.CoX - Difficulty;
    if (Player.CoX <= kTakeOffEdge || Up) {
        Player.CoY = Player.CoY - kTakeOffJump;
        Player.TakeDown = false;
    }
    return false;
}

void Pause(bool PFlag, PlayerType& Player) {
    if (!PFlag) {
        return;
    }
    TimeRecord pause;
    GetClock(pause.start);
    const PauseShown shown;
    Time::Delay(kPauseDebounce);
    // Polls through the clock source instead of spinning: a paused game costs no processor time, and a
    // window closed meanwhile ends the wait.
    while (!Wimdows::KeyDown(Wimdows::VK_P)) {
        Time::Delay(kPausePoll);
    }
    Time::Delay(kPauseDebounce);
    // A focus loss before P was pressed in the window is over.
    Wimdows::TakeFocusLoss();
    GetClock(pause.now);
    Player.PauseTime = Player.PauseTime + Time::TimeDeltaHundreds(pause.start, pause.now);
}

void PauseOverGap(TimeType& time, PlayerType& Player) {
    Time::DateTime now;
    GetClock(now);
    const std::int32_t paused = Player.PauseTime - time.pausedBeforeLastFrame;
    const std::int32_t gap = Time::TimeDeltaHundreds(time.lastFrameStart, now) - paused;
    if (gap > kLongestFrame) {
        Player.PauseTime = Player.PauseTime + gap;
    }
    time.lastFrameStart = now;
    time.pausedBeforeLastFrame = Player.PauseTime;
}

void CrashAir() {
    CrashSequence(Sound.CrashEnemy, sounds::kCrashAir, true, Bitmaps.BackGround[7]);
}

// The water sound is not stopped: it plays to its end.
void CrashSea() {
    CrashSequence(Sound.CrashSea, sounds::kCrashWater, false, Bitmaps.BackGround[6]);
}

}  // namespace Spel
