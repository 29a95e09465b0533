#pragma once

// The lines of the rules and help pages: a line beginning with a blank is
// body text, any other a heading.

namespace cribbage {

extern const char* const kRulesLines[];
extern const int kRulesLineCount;
extern const char* const kHelpLines[];
extern const int kHelpLineCount;

}  // namespace cribbage
