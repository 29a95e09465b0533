#pragma once

#include <string>
#include <vector>

#include "games/cribbage/rules/Card.h"

namespace cribbage_sim {

// Refused input: the message goes to stderr and the tool ends with exit 2.
[[noreturn]] void refuse(const std::string& message);

// Reads exactly `count` distinct cards in the project's card text, or refuses
// naming `what`.
std::vector<cribbage::Card> parseCards(const std::string& text, int count, const char* what);

// The value of an option `--name value` from argv, or "" when absent.
struct Arguments {
    std::vector<std::string> words;
    // Each option may be given once; unknown ones are refused.
    std::string value(const char* name) const;
    bool has(const char* name) const;
    void allowOnly(std::initializer_list<const char*> names, std::initializer_list<const char*> flags) const;
};

int runPeg(const Arguments& args);
int runDeal(const Arguments& args);
int runPlay(const Arguments& args);

}  // namespace cribbage_sim
