#include "AutoPlayer.h"

#include <algorithm>

namespace autoplay {

namespace {

using namespace Spel;
using Kind = Wimdows::InputEvent::Kind;

constexpr std::int32_t kTop = 55;
constexpr std::int32_t kLowest = 590;      // above every landing height: no landing by accident
constexpr std::int32_t kFightX = 120;      // far left: the most time to shoot what comes in from the right
constexpr std::int32_t kBossFightX = 600;  // within reach of the airship, clear of its body
// Elites home in on the aeroplane's height three times slower once it is right of x 500.
constexpr std::int32_t kEliteFightX = 550;
constexpr std::int32_t kDeadBand = 4;
// Room kept around a danger: the once-a-second fall drops the aeroplane 10 pixels onto what lies below it.
constexpr std::int32_t kRoomAbove = 18;
constexpr std::int32_t kRoomBelow = 10;

// Heights (CoY of the aeroplane) to keep out of in the next moments.
class Dangers {
  public:
    // Where a contact happens: from < CoY < to.
    void Add(std::int32_t from, std::int32_t to, std::int32_t extra = 0) {
        bands_.push_back({from - kRoomAbove - extra, to + kRoomBelow + extra});
    }
    bool Safe(std::int32_t h) const {
        return std::none_of(bands_.begin(), bands_.end(),
                            [h](const Band& b) { return b.from < h && h < b.to; });
    }
    // Where to fly for `wanted` from `current`: the nearest height to it that can be reached without crossing
    // a danger; out of a danger by the shortest way.
    std::int32_t Choose(std::int32_t current, std::int32_t wanted, std::int32_t lowest) const {
        current = std::clamp(current, kTop, lowest);
        if (!Safe(current)) {
            return NearestSafe(current, lowest);
        }
        std::int32_t low = current;
        while (low > kTop && Safe(low - 1)) {
            --low;
        }
        std::int32_t high = current;
        while (high < lowest && Safe(high + 1)) {
            ++high;
        }
        return std::clamp(wanted, low, high);
    }

  private:
    struct Band {
        std::int32_t from;
        std::int32_t to;
    };

    std::int32_t NearestSafe(std::int32_t h, std::int32_t lowest) const {
        for (std::int32_t step = 1; step <= lowest - kTop; ++step) {
            for (const std::int32_t candidate : {h - step, h + step}) {
                if (candidate >= kTop && candidate <= lowest && Safe(candidate)) {
                    return candidate;
                }
            }
        }
        return h;
    }

    std::vector<Band> bands_;
};

bool InWindow(std::int32_t x, std::int32_t y) {
    return 0 <= x && x <= 1000 && 50 <= y && y <= 750;
}

bool FlyingAircraft(const EnemyBigType& wave, std::int32_t i) {
    return wave.Move[i] && !wave.Killed[i] && InWindow(wave.CoX[i], wave.CoY[i]);
}

// Frames the aeroplane needs to leave a band of this height by climbing or diving.
std::int32_t FramesToLeave(std::int32_t bandHeight) {
    return bandHeight / 5 + 8;
}

// What can strike the aeroplane soon. Bullets only cost life; `withBullets` leaves them out.
Dangers Threats(const PlayType& play, bool withBullets) {
    const std::int32_t px = play.Player.CoX;
    const std::int32_t d = Difficulty;
    const EnemyType& enemy = play.Enemy;
    Dangers dangers;
    // Enemy bullets strike when py < by < py + 75: a bullet level with the aeroplane's top passes over it.
    for (std::int32_t i = 1; withBullets && i <= 100; ++i) {
        const std::int32_t bx = enemy.Small.BulletCoX[i];
        if (!enemy.Small.BulletHit[i] && bx > px - 5 && bx < px + 100 + FramesToLeave(75) * 5 * d) {
            const std::int32_t by = enemy.Small.BulletCoY[i];
            dangers.Add(by - 75, by - kRoomBelow + 4);
        }
    }
    for (std::int32_t k = 1; k <= enemy.Small.Counter[8]; ++k) {
        const std::int32_t x = enemy.Small.CoX[k];
        const std::int32_t y = enemy.Small.CoY[k];
        if (enemy.Small.Move[k] && y >= 0 && x > px - 66 && x < px + 83 + FramesToLeave(77) * 2 * d) {
            dangers.Add(y - 50, y + 27);
        }
    }
    for (const EnemyBigType* wave : {&enemy.Big, &enemy.Elite}) {
        const bool elite = wave == &enemy.Elite;
        for (std::int32_t k = 1; k <= 3; ++k) {
            const std::int32_t x = wave->CoX[k];
            const std::int32_t speed = elite ? 5 + 2 * d : 5 + 2 * d;
            if (FlyingAircraft(*wave, k) && x > px - 50 && x < px + 50 + FramesToLeave(100) * speed) {
                dangers.Add(wave->CoY[k] - 50, wave->CoY[k] + 50, elite ? 20 : 5);
            }
        }
    }
    const EnemyBossType& boss = enemy.Boss;
    if (boss.Counter != 0 && boss.Move && boss.CoX > 0) {
        // The laser may switch on in any frame: never stay level with it.
        dangers.Add(boss.CoY - 40, boss.CoY + 20);
        if (boss.BOMB && BossBomb.CoX > px - 40 && BossBomb.CoX < px + 100 + 8 * 25) {
            dangers.Add(BossBomb.CoY - 60, BossBomb.CoY + 15, 20);
        }
    }
    return dangers;
}

struct Aim {
    std::int32_t x = kFightX;
    std::int32_t y = 450;  // nothing to shoot at: low, where the bombs reach the boats soon
};

// The nearest enemy still far enough ahead to be shot, and the height from which the gun hits it.
Aim ChooseTarget(const PlayType& play) {
    const std::int32_t px = play.Player.CoX;
    const EnemyType& enemy = play.Enemy;
    Aim aim;
    std::int32_t nearest = 5000;
    auto consider = [&](std::int32_t x, std::int32_t y, std::int32_t lineUp, std::int32_t closest) {
        if (x > px + closest && x < nearest) {
            nearest = x;
            aim.y = y + lineUp;
        }
    };
    switch (EnemyChoice) {
        case 1:
            for (std::int32_t k = 1; k <= enemy.Small.Counter[8]; ++k) {
                if (enemy.Small.Move[k] && enemy.Small.CoY[k] >= 0) {
                    // Just below the fighter's own line of fire, which then passes over the aeroplane.
                    consider(enemy.Small.CoX[k], enemy.Small.CoY[k], 8, 150);
                }
            }
            break;
        case 2:
            for (std::int32_t k = 1; k <= 3; ++k) {
                if (FlyingAircraft(enemy.Big, k)) {
                    consider(enemy.Big.CoX[k], enemy.Big.CoY[k], 20, 200);
                }
            }
            break;
        case 3:
            aim.x = kEliteFightX;
            for (std::int32_t k = 1; k <= 2; ++k) {
                if (FlyingAircraft(enemy.Elite, k)) {
                    consider(enemy.Elite.CoX[k], enemy.Elite.CoY[k], 10, 150);
                }
            }
            break;
        case 4:
            if (enemy.Boss.Counter != 0 && enemy.Boss.Move && enemy.Boss.CoX > 0) {
                aim.x = kBossFightX;
                aim.y = enemy.Boss.CoY + 45;  // below the laser, level with the body
            }
            break;
        default:
            break;
    }
    return aim;
}

bool NeedsRefuel(const PlayType& play) {
    const DashBoardType& dash = play.DashBoard;
    return dash.FuelLevel <= 2 || dash.NoBombs || (play.BombCounter >= 15 && dash.FuelLevel <= 3);
}

// Far enough right for the way down and the two seconds of the refill before it reaches the left edge.
bool ShipWithinReach(const FriendType& ship, std::int32_t leftmost) {
    return ship.Counter[7] >= 2 && ship.CoX >= leftmost && ship.CoX <= 960;
}

}  // namespace

Events AutoPlayer::Step(const PlayType& play) {
    ++frame_;
    return Apply(Decide(play));
}

AutoPlayer::Keys AutoPlayer::Decide(const PlayType& play) {
    const PlayerType& player = play.Player;
    const FriendType& ship = play.Enemy.Allied;
    Keys keys;
    keys.space = true;
    if (player.TakeDown) {
        // Off again once refilled, or at once when an aircraft comes.
        Time::DateTime now;
        Time::GetClock(now);
        const bool refilled = Time::TimeDeltaHundreds(play.DashBoard.RefuelTime.start, now) > 205;
        keys.up = refilled || !Threats(play, false).Safe(player.CoY);
        refuelling_ = !keys.up;
        return keys;
    }
    if (!refuelling_) {
        refuelling_ = NeedsRefuel(play) && ShipWithinReach(ship, 400);
    } else if (!ShipWithinReach(ship, 200)) {
        refuelling_ = false;  // missed this crossing; the next one starts at the right edge
    }

    const Dangers dangers = Threats(play, true);
    Aim aim = ChooseTarget(play);
    // A landing needs the aeroplane 40 to 30 pixels above the ship; lower over the ship is a crash into its
    // hull, so the aeroplane comes in high and lets itself sink onto the deck.
    const bool overShip = ship.CoX + 5 <= player.CoX && player.CoX <= ship.CoX + 35;
    const bool tooLowForShip = refuelling_ && !overShip && player.CoY > ship.CoY - 45;
    if (refuelling_) {
        aim = {ship.CoX + 20, ship.CoY - 45};
    }
    const std::int32_t height = dangers.Choose(player.CoY, aim.y, refuelling_ ? aim.y : kLowest);
    // From 45 pixels above the ship, a dive (5) and a fall step (10) in one frame still end on the deck.
    const bool landing = refuelling_ && overShip && height == aim.y;
    keys.up = player.CoY > height + kDeadBand && !landing;
    keys.down = landing ? player.CoY <= aim.y : player.CoY < height - kDeadBand;

    if (refuelling_) {
        keys.left = !tooLowForShip && player.CoX > ship.CoX + 32;
        keys.right = !tooLowForShip && player.CoX < ship.CoX + 8;
    } else if (player.Position.Hori == L) {
        // Turning back to the right moves 10 pixels, so turn only once that stays near the aim.
        keys.left = player.CoX > aim.x + 30;
        keys.right = !keys.left;
    } else {
        keys.left = player.CoX > aim.x + 40;
        keys.right = player.CoX < aim.x - 10;
    }
    keys.bomb = !keys.left && !keys.right && ShouldBomb(play);
    return keys;
}

// Drops a bomb when its fall meets a boat: the bomb leaves in the next frame, falls 15 pixels every six
// frames, and the boats sail on meanwhile.
bool AutoPlayer::ShouldBomb(const PlayType& play) {
    const PlayerType& player = play.Player;
    const BoatType& boats = play.Enemy.Boat;
    const std::int32_t bx = player.Position.Hori == R ? player.CoX + 64 : player.CoX + 34;
    const std::int32_t startY = player.CoY + 60;
    for (std::int32_t i = 1; i <= boats.Counter[8]; ++i) {
        const std::int32_t x = boats.CoX[i];
        const std::int32_t y = boats.CoY[i];
        const auto bombed = bombedUntil_.find(i);
        if (!boats.Move[i] || y < 600 || x > 1000 ||
            (bombed != bombedUntil_.end() && bombed->second > frame_)) {
            continue;
        }
        for (std::int32_t k = 0; startY + 15 * k + 5 < 750; ++k) {
            const std::int32_t by = startY + 15 * k;
            if (by <= y - 10 || by >= y + 39) {
                continue;
            }
            for (std::int32_t f = 6 * k + 1; f <= 6 * k + 6; ++f) {
                const std::int32_t boatX = x - Difficulty * f;
                if (boatX + 10 < bx && bx < boatX + 80) {
                    bombedUntil_[i] = frame_ + 6 * k + 60;
                    return true;
                }
            }
        }
    }
    return false;
}

Events AutoPlayer::Apply(const Keys& wanted) {
    Events events;
    auto change = [&events](bool was, bool now, std::uint32_t key) {
        if (was != now) {
            events.push_back({now ? Kind::KeyDown : Kind::KeyUp, key, 0, 0});
        }
    };
    change(held_.up, wanted.up, Wimdows::VK_UP);
    change(held_.down, wanted.down, Wimdows::VK_DOWN);
    change(held_.left, wanted.left, Wimdows::VK_LEFT);
    change(held_.right, wanted.right, Wimdows::VK_RIGHT);
    change(held_.space, wanted.space, Wimdows::VK_SPACE);
    change(held_.bomb, wanted.bomb, Wimdows::VK_B);
    held_ = wanted;
    return events;
}

Events AutoPlayer::ReleaseAll() {
    return Apply(Keys{});
}

namespace {

Events ClickAt(std::int32_t x, std::int32_t y) {
    return {{Kind::MouseMove, 0, x, y}, {Kind::LeftDown, 0, x, y}, {Kind::LeftUp, 0, x, y}};
}

}  // namespace

Events AutoPlayer::ClickRetry() {
    return ClickAt(880, 700);
}
Events AutoPlayer::ClickMenuOnWin() {
    return ClickAt(850, 640);
}

}  // namespace autoplay
