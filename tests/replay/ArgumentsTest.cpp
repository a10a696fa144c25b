// saltwing-replay's command line: what each mode takes, and one line for anything else.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "Arguments.h"

namespace {

std::optional<replay::Arguments> Parse(std::vector<const char*> words, std::string& error) {
    return replay::ParseArguments(words, error);
}

TEST(ReplayArguments, ModesTakeTheirOperandsAndOptions) {
    std::string error;
    const auto play = Parse({"play", "a.rec", "--every", "50", "--hashes", "h.txt"}, error);
    ASSERT_TRUE(play.has_value()) << error;
    EXPECT_EQ(play->operands, std::vector<std::string>{"a.rec"});
    EXPECT_EQ(play->Number("--every", 200), 50);
    EXPECT_EQ(play->Number("--stride", 1), 1);
    EXPECT_EQ(play->Text("--hashes"), "h.txt");

    const auto render = Parse({"render", "a.rec", "out", "--frames", "2,500-600"}, error);
    ASSERT_TRUE(render.has_value()) << error;
    EXPECT_EQ(render->operands.size(), 2u);

    for (const char* help : {"--help", "-h", "help"}) {
        const auto asked = Parse({help}, error);
        ASSERT_TRUE(asked.has_value()) << help;
        EXPECT_EQ(asked->mode, "help");
    }
}

TEST(ReplayArguments, AnythingElseIsOneLineNamingTheWord) {
    const struct {
        std::vector<const char*> words;
        const char* named;
    } cases[] = {
        {{"play", "a.rec", "--evry", "3"}, "unknown option '--evry'"},
        {{"watch", "a.rec", "--every", "3"}, "unknown option '--every'"},
        {{"play", "a.rec", "b.rec"}, "unexpected argument 'b.rec'"},
        {{"record"}, "needs a recording"},
        {{"render", "a.rec"}, "needs a recording and a folder"},
        {{"play", "a.rec", "--every"}, "needs a value"},
        {{"play", "a.rec", "--every", "0"}, "'0'"},
        {{"play", "a.rec", "--stride", "5x"}, "'5x'"},
        {{"replay", "a.rec"}, "unknown mode 'replay'"},
        {{"--help", "play"}, "unexpected argument 'play'"},
    };
    for (const auto& bad : cases) {
        std::string error;
        EXPECT_FALSE(Parse(bad.words, error).has_value()) << bad.named;
        EXPECT_NE(error.find(bad.named), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

TEST(ReplayArguments, TheHelpExplainsEveryModeAndOption) {
    std::ostringstream help;
    replay::WriteHelp(help);
    for (const char* word :
         {"record", "watch", "play", "render", "auto", "--hashes", "--samples", "--summary", "--every",
          "--stride", "--frames", "default 200", "Escape", "Exit status"}) {
        EXPECT_NE(help.str().find(word), std::string::npos) << word;
    }
    std::istringstream lines(help.str());
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 100u) << line;
    }
}

}  // namespace
