#pragma once

namespace gallery {

// The gallery's rules and help pages: a line that begins with a blank is body
// text, any other a heading.
extern const char* const kRulesLines[];
extern const int kRulesLineCount;
extern const char* const kHelpLines[];
extern const int kHelpLineCount;

}  // namespace gallery
