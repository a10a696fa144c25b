// saltwing-replay's command line: a mode, its operands and its options, checked against what the mode takes
// before anything runs.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace replay {

struct Arguments {
    std::string mode;                   // "record", "watch", "play", "render", "auto" or "help"
    std::vector<std::string> operands;  // the recording, and render's folder
    std::map<std::string, std::string> options;

    bool Has(const std::string& option) const { return options.contains(option); }
    std::string Text(const std::string& option) const { return Has(option) ? options.at(option) : ""; }
    // A number option's value (checked positive when parsed), or `otherwise` when not given.
    std::int64_t Number(const std::string& option, std::int64_t otherwise) const;
};

// The arguments after the program's name, or none with `error` saying in one line what is wrong.
std::optional<Arguments> ParseArguments(std::span<const char* const> arguments, std::string& error);

void WriteUsage(std::ostream& out);
// The usage, then every mode and option with its default.
void WriteHelp(std::ostream& out);

}  // namespace replay
