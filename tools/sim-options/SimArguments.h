#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sim_options {

// A whole number of at most `max`, digits only: no sign, no blanks.
bool parseBounded(std::string_view text, unsigned long long max, unsigned long long& out);

// "N" or "FIRST-LAST" with FIRST <= LAST, each 0 to 4294967295.
bool parseSeedRange(std::string_view text, uint32_t& first, uint32_t& last);

// One option of a simulator's command line. A flag takes no value; an option
// with a value gets the next argument. `take` refuses a value by returning
// false with `error` set; it may also return false with an empty error to
// end the reading early (the help option).
struct SimOption {
    const char* name;
    const char* alias;  // a second spelling ("--seed" for "--seeds"), or null
    bool takesValue;
    std::function<bool(const std::string& value, std::string& error)> take;
};

// Finds `value` among `names`; otherwise `why` says
// unknown WHAT "value" (a, b or c).
bool pickChoice(const std::string& value, const std::vector<std::string>& names, const char* what,
                size_t& index, std::string& why);

// An option whose value is one of a few words, each standing for a value of
// `target`.
template <class T>
SimOption choiceOption(const char* name, const char* what, T& target,
                       std::vector<std::pair<std::string, T>> choices) {
    return {name, nullptr, true, [what, &target, choices](const std::string& v, std::string& why) {
                std::vector<std::string> names;
                for (const auto& c : choices) names.push_back(c.first);
                size_t index = 0;
                if (!pickChoice(v, names, what, index, why)) return false;
                target = choices[index].second;
                return true;
            }};
}

// A flag (no value) that sets `target`.
SimOption flagOption(const char* name, const char* alias, bool& target);

// Reads argv[1..] against the table in order. False at the first argument
// that is unknown, lacks its value or is refused, with `error` saying which.
bool parseSimArguments(int argc, char** argv, const std::vector<SimOption>& table,
                       std::string& error);

// A subcommand's reading with the ends every tool shares: --help (or -h)
// prints `usage` and gives exit code 0; a refused argument prints
// "TOOL: why" and the usage on standard error and gives 2. Otherwise -1:
// the arguments are read and the subcommand goes on.
int readSubcommand(int argc, char** argv, std::vector<SimOption> table, const char* tool,
                   const char* usage);

}  // namespace sim_options
