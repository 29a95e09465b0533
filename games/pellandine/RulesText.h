#pragma once

namespace pellandine {

// The rules (three pages) and help (one page) texts, one screen line each. A
// line beginning with a blank is body text, any other a heading.
extern const char* const kRulesLines[];
extern const int kRulesLineCount;
extern const char* const kHelpLines[];
extern const int kHelpLineCount;

}  // namespace pellandine
