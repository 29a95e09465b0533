// The rules and help pages: their page counts, headings and that every line
// fits the screen in the font it is drawn with.
#include <gtest/gtest.h>

#include <string>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/ui/Screens.h"
#include "games/pellandine/RulesText.h"

using namespace pellandine;

namespace {

// Lines start at x 10 and must end before x 238, in the font they are drawn
// with (a heading in the bold one).
void expectLinesFit(const char* const* lines, int count) {
    for (int i = 0; i < count; ++i) {
        gamekit::BitmapFont& font = lines[i][0] == ' ' ? gamekit::font1() : gamekit::font2();
        EXPECT_LE(font.measure(lines[i]), 228) << lines[i];
        EXPECT_LT(std::string(lines[i]).size(), 50u) << lines[i];
    }
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
    expectLinesFit(kRulesLines, kRulesLineCount);
    expectLinesFit(kHelpLines, kHelpLineCount);
}

TEST(PellandineRulesText, TheHelpNamesEveryHardwareKey) {
    std::string all;
    for (int i = 0; i < kHelpLineCount; ++i) all += kHelpLines[i];
    for (const char* key : {"leftarrow", "rightarrow", "uparrow", "downarrow"}) {
        EXPECT_NE(all.find(key), std::string::npos) << key;
    }
}
