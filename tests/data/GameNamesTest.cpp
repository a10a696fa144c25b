// Every picture and sound file the game's code names must be one the generator makes, spelled the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "Manifest.h"

namespace {

struct Named {
    std::string name;  // as the game means it, escapes resolved
    std::string where;
};

std::string Unescape(const std::string& literal) {
    return std::regex_replace(literal, std::regex(R"(\\\\)"), "\\");
}

std::vector<Named> NamesInGameCode() {
    const std::regex literal(R"re("((?:Bitmaps|audio)(?:\\\\|/)[^"]*\.(?:bmp|wav|mp3))")re",
                             std::regex::icase);
    std::vector<Named> names;
    for (const auto& file : std::filesystem::recursive_directory_iterator(SALTWING_SOURCE_DIR "/GameCode")) {
        const auto extension = file.path().extension();
        if (extension != ".cpp" && extension != ".h") {
            continue;
        }
        std::ifstream in(file.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            for (std::sregex_iterator it(line.begin(), line.end(), literal), end; it != end; ++it) {
                names.push_back(
                    {Unescape((*it)[1]), file.path().filename().string() + ":" + std::to_string(number)});
            }
        }
    }
    return names;
}

TEST(GameNames, EveryFileTheGameCodeNamesIsGenerated) {
    const std::vector<Named> names = NamesInGameCode();
    // The game names about a hundred: none found means the pattern no longer matches how it names them.
    ASSERT_FALSE(names.empty()) << "found no data file named in the game code";
    for (const Named& named : names) {
        EXPECT_NE(datagen::Find(named.name), nullptr) << named.name << " named at " << named.where;
    }
}

}  // namespace
