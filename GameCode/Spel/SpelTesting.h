// Test-only access to a running play. Scenario tests run plays on the virtual clock and watch them frame by
// frame through one observer; nothing of this runs unless a test installs an observer.
#pragma once

#include <functional>

#include "State.h"

namespace Spel::testing {

enum class PlayPoint {
    Started,    // the play's initialisation is done; its first frame comes next
    Presented,  // a frame has been presented (UpdateWindow); its win, crash and Escape checks come next
};

// Called on the main thread at the points above with the running play's records. The observer may read and
// change them and the game's globals; what it changes at Presented takes effect in that frame's remaining
// checks and in the following frames. To end the play the observer throws (e.g. StopPlay): Controls does
// not catch it, so it reaches whoever called Controls. nullptr removes the observer.
using PlayObserver = std::function<void(PlayPoint point, PlayType& play)>;
void SetPlayObserver(PlayObserver observer);

// The records of the play Controls is running now, or nullptr outside a play.
PlayType* RunningPlay();

// What an observer throws to end a play.
struct StopPlay {};

}  // namespace Spel::testing
