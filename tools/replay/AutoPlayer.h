// A simple automatic player. After every presented frame it looks at the play the way a player looks at
// the screen (it may read the game's state), decides which keys to hold for the next frame, and answers with
// the key events that make it so. It steers toward its targets, fires, bombs boats, lands on the friendly
// ship to refuel, and on the end screens clicks retry or the menu button as a player would.
//
// It only answers with input events: the caller delivers them (Wimdows::Deliver) or records them, so the
// same play can be recorded and replayed.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "Spel/State.h"
#include "Wimdows/Wimdows.h"

namespace autoplay {

using Events = std::vector<Wimdows::InputEvent>;

class AutoPlayer {
  public:
    // The key changes for the next frame of `play`, decided after one of its frames was presented.
    Events Step(const Spel::PlayType& play);
    // Lets go of every key: at the end of a play.
    Events ReleaseAll();

    // A click on the game-over screen's retry button, and on the win screen's menu button.
    static Events ClickRetry();
    static Events ClickMenuOnWin();

  private:
    struct Keys {
        bool up = false;
        bool down = false;
        bool left = false;
        bool right = false;
        bool space = false;
        bool bomb = false;
        bool operator==(const Keys&) const = default;
    };

    Keys Decide(const Spel::PlayType& play);
    bool ShouldBomb(const Spel::PlayType& play);
    Events Apply(const Keys& wanted);

    Keys held_;
    std::int64_t frame_ = 0;
    bool refuelling_ = false;  // on the way to the friendly ship, or standing on it
    // Boat slots already bombed, until the frame from which they may be bombed again.
    std::map<std::int32_t, std::int64_t> bombedUntil_;
};

}  // namespace autoplay
