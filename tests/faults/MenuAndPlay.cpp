#include "MenuAndPlay.h"

#include <chrono>

#include "Game/Game.h"
#include "ScriptedClick.h"
#include "Spel/SpelTesting.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"
#include "WimdowsTesting.h"

namespace faults {

namespace {

constexpr int kStartX = 480;
constexpr int kStartY = 330;
// Far beyond what the menu, the play's pictures and the play take together.
constexpr long long kDeadline = 60'000;

}  // namespace

ProgramRun RunMenuAndPlay(long long playHundredths) {
    testsupport::VirtualTime time;
    ProgramRun run;
    Spel::testing::SetPlayObserver([&](Spel::testing::PlayPoint point, Spel::PlayType&) {
        if (point == Spel::testing::PlayPoint::Presented) {
            ++run.playFrames;
            return;
        }
        Wimdows::Schedule(time.clock(), time.clock().Now() + std::chrono::milliseconds(playHundredths * 10),
                          {.kind = Wimdows::InputEvent::Kind::KeyDown, .key = Wimdows::VK_ESCAPE});
    });
    testsupport::ScriptClick(time.clock(), time.At(50), kStartX, kStartY);
    time.clock().Schedule(time.At(kDeadline), [&run] {
        run.timedOut = true;
        Wimdows::testing::CloseFromTitleBar();
    });
    run.status = Game::RunProgram();
    Spel::testing::SetPlayObserver(nullptr);
    return run;
}

}  // namespace faults
