#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
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

// Reads argv[1..] against the table in order. False at the first argument
// that is unknown, lacks its value or is refused, with `error` saying which.
bool parseSimArguments(int argc, char** argv, const std::vector<SimOption>& table,
                       std::string& error);

}  // namespace sim_options
