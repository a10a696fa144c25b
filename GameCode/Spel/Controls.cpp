// One play: its initialisation and the frame loop. Every frame redraws the whole scene into the back buffer,
// moves everything by a fixed number of pixels, checks the hits and presents the result once.
#include <optional>
#include <utility>

#include "Enemies.h"
#include "EnemyParts.h"
#include "Music/Music.h"
#include "Play.h"
#include "Spel.h"
#include "SpelTesting.h"
#include "StandardMenu/StandardMenu.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

using Game::Screen;
using Time::GetClock;
using Time::TimeDeltaHundreds;

testing::PlayObserver gObserver;
PlayType* gRunning = nullptr;

void Observe(testing::PlayPoint point, PlayType& play) {
    if (gObserver) {
        gObserver(point, play);
    }
}

// Marks the play as the running one for as long as Controls runs it, also when a test ends it by throwing.
class RunningPlayScope {
  public:
    explicit RunningPlayScope(PlayType& play) { gRunning = &play; }
    ~RunningPlayScope() { gRunning = nullptr; }
    RunningPlayScope(const RunningPlayScope&) = delete;
    RunningPlayScope& operator=(const RunningPlayScope&) = delete;
};

void CreateSkillButtons() {
    ButtonsSkill[1] = StandardMenu::CreateMaskedButton(90, 20, "Bitmaps\\easy.bmp", "Bitmaps\\easy2.bmp",
                                                       "Bitmaps\\easyMono.bmp");
    ButtonsSkill[2] = StandardMenu::CreateMaskedButton(90, 20, "Bitmaps\\medium.bmp", "Bitmaps\\medium2.bmp",
                                                       "Bitmaps\\mediumMono.bmp");
    ButtonsSkill[3] = StandardMenu::CreateMaskedButton(90, 20, "Bitmaps\\hard.bmp", "Bitmaps\\hard2.bmp",
                                                       "Bitmaps\\hardMono.bmp");
}

// Enemies wait out of play before their first wave.
void ParkAll(Coordinates& CoX, Coordinates& CoY) {
    enemies::Park(CoX, CoY, Coordinates::first, Coordinates::last);
}

void SetStartValues(PlayType& play) {
    EnemyType& enemy = play.Enemy;
    enemy.Small.BulletCoX.Fill(-1000);
    enemy.Small.BulletCoY.Fill(0);

    PlayerType& player = play.Player;
    player.CoX = 100;
    player.CoY = 250;
    player.Position.Hori = R;
    player.Position.Vert = N;
    player.Speed = 10;
    player.TakeDown = false;
    player.Crash = false;
    player.Hit2 = false;
    player.Hit = 0;
    player.PauseTime = 0;
    player.LifeCounter = 0;
    player.CounterFall = 1;
    player.CounterCrash = 1;

    // Enemy positions before their first wave are parked where no hit or collision test can reach them.
    ParkAll(enemy.Small.CoX, enemy.Small.CoY);
    ParkAll(enemy.Big.CoX, enemy.Big.CoY);
    ParkAll(enemy.Elite.CoX, enemy.Elite.CoY);
    ParkAll(enemy.Boat.CoX, enemy.Boat.CoY);
    enemy.Small.Counter[7] = 0;
    enemy.Small.Counter[8] = 3;
    enemy.Big.Counter = 0;
    enemy.Elite.Counter = 0;
    enemy.Boat.Counter[7] = 0;

    enemy.Allied.Counter[7] = 0;
    enemy.Allied.Time = Time::RandomNr(201, 1000);
    enemy.Allied.CoX = 1000;
    enemy.Allied.CoY = 637;

    EnemyBossType& boss = enemy.Boss;
    boss.CoX = enemies::kParkedX;
    boss.CoY = enemies::kParkedY;
    boss.Counter = 0;
    boss.LaserCounter = 0;
    boss.ShieldCounter = 0;
    boss.BombCounter = 0;
    boss.HitCounter = 0;
    boss.Laser_var = 1;
    boss.Height_Boss = -1;
    boss.SHIELD = true;
    boss.LASER = false;
    boss.BOMB = false;

    EnemyChoice = 0;
    for (int slot = 1; slot <= 20; ++slot) {
        PlayerBullet[slot].Draw = false;
        PlayerBomb[slot].Draw = false;
    }

    DashBoardType& dashBoard = play.DashBoard;
    dashBoard.NoFuel = false;
    dashBoard.Refueling = false;
    dashBoard.GetFuelTime = true;
    dashBoard.FuelLevel = 4;
    dashBoard.BombLevel = 4;

    Level.Kills.Fill(0);
}

void InitialisePlay(PlayType& play) {
    CreateSkillButtons();
    SetStartValues(play);
    GetClock(play.Enemy.Boss.Laser_Time.start);
    GetClock(play.Enemy.Boss.Shield_Time.start);
    GetClock(play.Time.BeginTime.start);
    GetClock(play.Player.HitTime.start);
    GetClock(play.TimeDeltaBullet.start);
    GetClock(play.TimeDeltaBomb.start);
    GetClock(play.Time.lastFrameStart);
    play.WIN = false;
    play.BombCounter = 0;
    play.BulletCounter = 0;
}

// The aeroplane's picture by its attitude; a climbing or diving picture also records the attitude in Tot.
void DrawPlayer(PlayerType& player) {
    const bool right = player.Position.Hori == R;
    std::int32_t picture = right ? 0 : 1;
    if (player.Position.Vert == U) {
        picture = right ? 2 : 3;
        player.Position.Tot = right ? RU : LU;
    } else if (player.Position.Vert == D) {
        picture = right ? 4 : 5;
        player.Position.Tot = right ? RD : LD;
    }
    Wimdows::DrawMaskBitmap(Bitmaps.Player[picture], Bitmaps.Player[picture + 6], player.CoX, player.CoY);
}

// Waits until the clock's hundredth has moved on from the frame's reading; a slow frame does not wait.
void PaceFrame(TimeType& time) {
    for (;;) {
        GetClock(time.MainTime.now);
        time.DiffMain = TimeDeltaHundreds(time.MainTime.start, time.MainTime.now);
        if (time.DiffMain > 0) {
            return;
        }
        Time::WaitNextHundredth();
    }
}

void CheckHits(PlayType& play) {
    EnemyType& enemy = play.Enemy;
    ExplosionType& explosions = play.Explosions;
    KillSmallEnemy(enemy.Small.Counter[8], enemy.Small.CoX, enemy.Small.CoY, enemy.Small.Move,
                   explosions.SmallExplosion, play.BulletCounter);
    KillBigEnemy(enemy.Big.CoX, enemy.Big.CoY, enemy.Big.Move, explosions.BigExplosion, play.BulletCounter);
    KillEliteEnemy(enemy.Elite.CoX, enemy.Elite.CoY, enemy.Elite.Move, explosions.EliteExplosion,
                   play.BulletCounter);
    KillBoatEnemy(20, enemy.Boat.CoX, enemy.Boat.CoY, enemy.Boat.Move, explosions.BoatExplosion,
                  play.BombCounter);
    KillBoss(enemy.Boss.HitCounter, enemy.Boss.CoX, enemy.Boss.CoY, enemy.Boss.Move, enemy.Boss.SHIELD,
             explosions.BossExplosion, play.BulletCounter);
    KillPlayer(play.Player, enemy, play.Player.HitTime, enemy.Boss.SHIELD);
}

// One frame. Returns the screen that ends the play, or nothing while the play goes on.
std::optional<Screen> Frame(PlayType& play) {
    PlayerType& player = play.Player;
    TimeType& time = play.Time;

    PauseOverGap(time, player);
    Wimdows::DrawBitmap(Bitmaps.BackGround[0], 0, 0);
    Wimdows::DrawBitmap(Bitmaps.BackGround[1], 0, 660);
    DrawDashboard(player, play.DashBoard, play.BombCounter);
    if (!player.Crash) {
        DrawPlayer(player);
    }
    GetClock(time.MainTime.start);
    time.DiffEnemy = TimeDeltaHundreds(time.BeginTime.start, time.MainTime.start);

    if (LevelLoader()) {
        return Screen::Play;
    }
    LevelSwitcher();
    Settings(play.DashBoard.NoBombs);
    Shortcuts(play.Shortcuts);

    EnemySwitcher(play.Enemy, time.DiffEnemy);
    EnemyDraw(time.DiffEnemy, time.BeginTime, play.Enemy, player, play.Explosions, play.WIN);

    HorizontalArrow(player);
    if (VerticalArrow(play.DashBoard.NoFuel, player) || Fall(time.DiffEnemy, player)) {
        return Screen::GameOver;
    }
    // Sound fix: a play does not go on unseen behind another window or minimised.
    Pause(P || Wimdows::TakeFocusLoss(), player);
    PaceFrame(time);
    if (TakeDown(player, play.Enemy.Allied, play.DashBoard)) {
        return Screen::GameOver;
    }
    FirePlayer(Space, player, play.BulletCounter, play.TimeDeltaBullet);
    DropBombs(B, player, play.BombCounter, play.TimeDeltaBomb);
    CheckHits(play);
    EnemyDelete(time.DiffEnemy, play.Enemy, play.Explosions);

    time.DiffMain = 0;
    Wimdows::UpdateWindow();
    Observe(testing::PlayPoint::Presented, play);

    GetClock(WinTime.now);
    play.TimeDiffWinTime = TimeDeltaHundreds(WinTime.start, WinTime.now);
    if (play.WIN && play.TimeDiffWinTime >= 200) {
        return Screen::Win;
    }
    if (player.Crash) {
        Time::Delay(10);
        CrashAir();
        return Screen::GameOver;
    }
    if (Esc) {
        Wimdows::KillWindow();
        Music::StopSound(SoundMain);
        return Screen::Exit;
    }
    return std::nullopt;
}

}  // namespace

Screen Controls() {
    PlayType play;
    const RunningPlayScope running(play);
    InitialisePlay(play);
    Observe(testing::PlayPoint::Started, play);
    for (;;) {
        if (const std::optional<Screen> next = Frame(play)) {
            return *next;
        }
    }
}

namespace testing {

void SetPlayObserver(PlayObserver observer) {
    gObserver = std::move(observer);
}

PlayType* RunningPlay() {
    return gRunning;
}

}  // namespace testing

}  // namespace Spel
