// A paused play says so: the window shows the pause plaque over the last frame and the engine falls silent,
// and both go away when the play resumes. The game's own frame never holds the plaque.
#include "Music/MusicTesting.h"
#include "PlayFixture.h"
#include "WimdowsTesting.h"

namespace {

using playtest::PlayFixture;

// What the player saw and heard at one moment of the play.
struct Seen {
    bool plaque = false;
    bool engineHeld = false;
    bool frameClean = false;  // the game's frame under the plaque is the one the window was handed
};

Seen Look() {
    return {Wimdows::testing::PausePlaqueShown(), Music::testing::ChannelPaused(Spel::SoundMain),
            Wimdows::testing::PresentedPixel(500, 375) == Wimdows::testing::BackPixel(500, 375)};
}

class PausePlaque : public PlayFixture {
  protected:
    void StartHigh() { StartAlone(100, 250); }

    // Looks during the pause (play time 500) and after it (1100); P ends the pause at 1050.
    void FlyThroughPause() {
        AtPlayTime(500, [this] { during_ = Look(); });
        HoldKey(Wimdows::VK_P, 1050, 1055);
        RunPlay(
            [this](Spel::PlayType& play) {
                if (play.Time.DiffEnemy < 1100) {
                    return false;
                }
                after_ = Look();
                return true;
            },
            2000);
    }

    void ExpectShownThenGone() const {
        EXPECT_TRUE(during_.plaque) << "a paused play looks like a frozen one";
        EXPECT_TRUE(during_.frameClean) << "the plaque was drawn into the game's frame";
        EXPECT_FALSE(after_.plaque) << "the plaque stayed after the play resumed";
        if (playtest::HaveGameData()) {
            EXPECT_TRUE(during_.engineHeld) << "the engine roared on through the pause";
            EXPECT_FALSE(after_.engineHeld) << "the engine stayed silent after the pause";
            EXPECT_TRUE(Music::testing::CountsAsPlaying(Spel::SoundMain));
        }
    }

    Seen during_;
    Seen after_;
};

TEST_F(PausePlaque, PShowsThePlaqueAndHoldsTheEngineUntilPAgain) {
    StartHigh();
    HoldKey(Wimdows::VK_P, 50, 55);
    FlyThroughPause();
    ExpectShownThenGone();
}

TEST_F(PausePlaque, ALostFocusShowsThePlaqueAndHoldsTheEngineUntilP) {
    StartHigh();
    AtPlayTime(50, [] { Wimdows::testing::SendSdlFocusLoss(false); });
    FlyThroughPause();
    ExpectShownThenGone();
}

TEST_F(PausePlaque, APlayThatIsNotPausedShowsNoPlaqueAndKeepsItsEngine) {
    StartHigh();
    AtPlayTime(500, [this] { during_ = Look(); });
    RunPlay([](Spel::PlayType& play) { return play.Time.DiffEnemy >= 600; }, 2000);
    EXPECT_FALSE(during_.plaque);
    EXPECT_FALSE(during_.engineHeld);
    EXPECT_TRUE(during_.frameClean);
}

}  // namespace
