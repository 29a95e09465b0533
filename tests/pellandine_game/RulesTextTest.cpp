// The rules and help pages: their page counts, headings and that every line
// fits the screen in the font it is drawn with.
#include <gtest/gtest.h>

#include <string>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/ui/Screens.h"
#include "games/pellandine/RulesText.h"

using namespace pellandine;

namespace {

int widthOf(const char* line) {
    gamekit::BitmapFont& font = line[0] == ' ' ? gamekit::font1() : gamekit::font2();
    return font.measure(line);
}

}  // namespace

TEST(PellandineRulesText, RulesHaveThreePagesAndHelpOne) {
    gamekit::Pager rules("Rules", kRulesLines, kRulesLineCount);
    gamekit::Pager help("Help", kHelpLines, kHelpLineCount);
    EXPECT_EQ(rules.pageCount(), 3);
    EXPECT_EQ(help.pageCount(), 1);
}

TEST(PellandineRulesText, TheTextsBeginAndEndWithTheirFixedLines) {
    EXPECT_STREQ(kRulesLines[0], "Goal:");
    EXPECT_STREQ(kRulesLines[1], "   Clear all cards off the table.");
    EXPECT_STREQ(kRulesLines[2], "Game Play: ");
    EXPECT_STREQ(kRulesLines[kRulesLineCount - 1], "   Configure -> Game Settings...)!");
    EXPECT_STREQ(kHelpLines[0], "Hardware Keys:");
    EXPECT_STREQ(kHelpLines[kHelpLineCount - 1], "   cards first.");
}

TEST(PellandineRulesText, EveryLineFitsBetweenTheMarginAndTheScreenEdge) {
    // Lines start at x 10 and must end before x 238.
    for (int i = 0; i < kRulesLineCount; ++i) {
        EXPECT_LE(widthOf(kRulesLines[i]), 228) << kRulesLines[i];
        EXPECT_LT(std::string(kRulesLines[i]).size(), 50u);
    }
    for (int i = 0; i < kHelpLineCount; ++i)
        EXPECT_LE(widthOf(kHelpLines[i]), 228) << kHelpLines[i];
}

TEST(PellandineRulesText, TheHelpNamesEveryHardwareKey) {
    std::string all;
    for (int i = 0; i < kHelpLineCount; ++i) all += kHelpLines[i];
    for (const char* key : {"leftarrow", "rightarrow", "uparrow", "downarrow"}) {
        EXPECT_NE(all.find(key), std::string::npos) << key;
    }
}
