#pragma once

// The lines of the rules and help pages, shown 17 to a page by the pager. A
// line that begins with a blank is body text; any other is a heading.

namespace reflection {

extern const char* const kRulesLines[];
extern const int kRulesLineCount;
extern const char* const kHelpLines[];
extern const int kHelpLineCount;

}  // namespace reflection
