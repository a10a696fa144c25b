// What the program answers on its command line before it opens any window.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "Game/Game.h"

namespace {

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Answer Ask(std::vector<const char*> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = Game::HandleCommandLine(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(CommandLine, WithoutArgumentsTheGameStartsAndNothingIsPrinted) {
    const Answer answer = Ask({});
    EXPECT_FALSE(answer.status.has_value());
    EXPECT_EQ(answer.out, "");
    EXPECT_EQ(answer.err, "");
}

TEST(CommandLine, HelpShowsUsageAndEveryControlOnStandardOutput) {
    for (const char* option : {"--help", "-h"}) {
        const Answer answer = Ask({option});
        EXPECT_EQ(answer.status, 0) << option;
        EXPECT_EQ(answer.err, "") << option;
        EXPECT_TRUE(answer.out.starts_with("usage: saltwing")) << answer.out;
        for (const char* control : {"arrow keys", "Space", "B ", "P ", "Escape", "1, 2, 3", "F11",
                                    "Alt+Enter", "Tab", "Enter", "Gamepad", "Start", "shoulders"}) {
            EXPECT_NE(answer.out.find(control), std::string::npos) << control;
        }
    }
}

// Standard output on a full disk or a closed pipe: the answer is lost, so the status must say so.
TEST(CommandLine, AnAnswerThatCannotBeWrittenIsAFailure) {
    for (const char* option : {"--help", "--version"}) {
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        std::ostringstream err;
        const std::vector<const char*> arguments{option};
        EXPECT_EQ(Game::HandleCommandLine(arguments, out, err), 1) << option;
        EXPECT_NE(err.str().find("cannot write"), std::string::npos) << err.str();
    }
}

TEST(CommandLine, VersionIsOneLineWithTheProjectVersion) {
    const Answer answer = Ask({"--version"});
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.out, "saltwing " SALTWING_VERSION "\n");
    EXPECT_EQ(answer.err, "");
}

TEST(CommandLine, AnythingElseIsOneLineOnStandardErrorAndStatusTwo) {
    const std::vector<std::vector<const char*>> wrong = {
        {"--fullscreen"}, {"-v"}, {""}, {"level5"}, {"--help", "--version"}, {"--version", "x"}};
    for (const std::vector<const char*>& arguments : wrong) {
        const Answer answer = Ask(arguments);
        EXPECT_EQ(answer.status, 2) << arguments.back();
        EXPECT_EQ(answer.out, "") << arguments.back();
        EXPECT_EQ(std::count(answer.err.begin(), answer.err.end(), '\n'), 1) << answer.err;
        EXPECT_TRUE(answer.err.ends_with("\n")) << answer.err;
    }
}

}  // namespace
