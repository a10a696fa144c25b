// Recordings as text, and the recorder on the window layer's input path.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Recorder.h"
#include "Recording.h"
#include "VirtualTime.h"

namespace {

using Kind = Wimdows::InputEvent::Kind;
using std::chrono::milliseconds;

TEST(Recording, ReadsBackWhatWasWritten) {
    replay::Recording recording;
    recording.events = {{0, {Kind::KeyDown, 38, 0, 0}},
                        {1530, {Kind::KeyUp, 38, 0, 0}},
                        {2210, {Kind::MouseMove, 0, 480, 330}},
                        {2210, {Kind::LeftUp, 0, -1, 749}}};
    recording.endMs = 3000;
    std::stringstream text;
    replay::Write(text, recording);
    std::string error;
    const auto read = replay::Read(text, error);
    ASSERT_TRUE(read.has_value()) << error;
    ASSERT_EQ(read->events.size(), 4u);
    EXPECT_EQ(read->events[1].ms, 1530);
    EXPECT_EQ(read->events[1].event.kind, Kind::KeyUp);
    EXPECT_EQ(read->events[1].event.key, 38u);
    EXPECT_EQ(read->events[3].event.x, -1);
    EXPECT_EQ(read->events[3].event.y, 749);
    EXPECT_EQ(read->endMs, 3000);
}

TEST(Recording, ALineThatIsNotAnEventIsNamedNotSkipped) {
    for (const char* bad : {"10 KeyDown 38", "10 Jump 1 2", "-5 KeyUp 38 0", "10 KeyDown 300 0",
                            "10 MouseMove 1 2 3", "10 End 0 0\n20 KeyUp 38 0"}) {
        std::stringstream text(std::string("# header\n0 KeyDown 38 0\n") + bad + "\n");
        std::string error;
        EXPECT_FALSE(replay::Read(text, error).has_value()) << bad;
        EXPECT_NE(error.find("line"), std::string::npos) << bad;
    }
}

// Each malformed recording is refused at the line that shows it, with the reason and without the line's
// bytes, however large or binary the file.
TEST(Recording, EveryMalformedRecordingIsRefusedAtItsLineWithAReason) {
    const std::string binary(
        "\x7f"
        "ELF\x02\x01\x01\0\0\x1b[2J",
        13);
    const struct {
        std::string text;
        const char* where;
        const char* reason;
    } cases[] = {
        {"", "empty", "empty"},
        {"# only a comment\n", "line 2", "no End line"},
        {"0 KeyDown 38 0\n1500 KeyUp 38 0\n", "line 3", "no End line"},
        {"0 KeyDown 38 0\n1500 KeyUp 38 0", "line 3", "no End line"},
        {"900 KeyDown 38 0\n800 KeyUp 38 0\n1000 End 0 0\n", "line 2", "backwards"},
        {"900 KeyDown 38 0\n800 End 0 0\n", "line 2", "backwards"},
        {"0 Jump 38 0\n10 End 0 0\n", "line 1", "unknown kind"},
        {"99999999999999 KeyDown 38 0\n", "line 1", "time out of range"},
        {"0 KeyDown 38 0\n10 End 0 0\n20 KeyUp 38 0\n", "line 3", "after the End"},
        {binary + "\n", "line 1", "not text"},
        {std::string(3'000'000, '7'), "line 1", "longer than"},
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.text.substr(0, 60));
        std::istringstream text(bad.text);
        std::string error;
        EXPECT_FALSE(replay::Read(text, error).has_value());
        EXPECT_NE(error.find(bad.where), std::string::npos) << error;
        EXPECT_NE(error.find(bad.reason), std::string::npos) << error;
        EXPECT_TRUE(std::all_of(error.begin(), error.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            << error;
        EXPECT_LT(error.size(), 100u);
        EXPECT_LE(text.tellg(), static_cast<std::streamoff>(replay::kLongestLine * 4))
            << "read on past the fault";
    }
}

TEST(Recorder, RecordsEveryEventThatReachesTheWindowWithItsTime) {
    testsupport::VirtualTime time;
    Wimdows::Window("Game", 1000, 750);
    replay::Recording recording;
    {
        replay::Recorder recorder(time.clock().Now());
        Wimdows::Schedule(time.clock(), time.At(25), {Kind::KeyDown, Wimdows::VK_UP, 0, 0});
        Wimdows::Schedule(time.clock(), time.At(40) + milliseconds(3), {Kind::LeftDown, 0, 12, 34});
        Time::Delay(500);
        recording = recorder.Finish();
        Wimdows::Deliver({Kind::KeyUp, Wimdows::VK_UP, 0, 0});  // after the end: not recorded
    }
    Wimdows::KillWindow();
    Wimdows::Deliver({Kind::KeyUp, Wimdows::VK_UP, 0, 0});
    ASSERT_EQ(recording.events.size(), 2u);
    EXPECT_EQ(recording.events[0].ms, 250);
    EXPECT_EQ(recording.events[0].event.key, Wimdows::VK_UP);
    EXPECT_EQ(recording.events[1].ms, 403);
    EXPECT_EQ(recording.events[1].event.x, 12);
    EXPECT_EQ(recording.endMs, 500);
}

}  // namespace
