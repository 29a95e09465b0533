#pragma once

// The texts of the Rules and Help pages, one entry a line.

namespace velloran {

extern const char* const kRulesLines[];
extern const int kRulesLineCount;
extern const char* const kHelpLines[];
extern const int kHelpLineCount;

// Where the Help page shows the Up and Down key icons, beside their lines.
constexpr int kUpKeyIconX = 20, kUpKeyIconY = 56;
constexpr int kDownKeyIconX = 20, kDownKeyIconY = 70;

}  // namespace velloran
