// The rules and help pages: the eight headings in order, every line within
// the pager's 49 characters, the keys on the help page.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gamekit/graphics/BitmapFont.h"
#include "games/cribbage/table/CribbageTexts.h"

using namespace cribbage;

TEST(CribbageTexts, TheRulesHaveTheirEightHeadingsInOrder) {
    std::vector<std::string> headings;
    for (int i = 0; i < kRulesLineCount; ++i) {
        if (kRulesLines[i][0] != ' ') headings.emplace_back(kRulesLines[i]);
    }
    const std::vector<std::string> expected = {"Goal:",         "Deal:",  "Starter Card:",
                                               "Pegging:",      "Play:",  "\"Go\":",
                                               "Play Scoring:", "Final Scoring:"};
    EXPECT_EQ(headings, expected);
    EXPECT_LE(kRulesLineCount, 118);
}

TEST(CribbageTexts, EveryLineFitsThePagerAndHelpNamesTheKeys) {
    for (int i = 0; i < kRulesLineCount; ++i) EXPECT_LE(std::strlen(kRulesLines[i]), 49u) << i;
    for (int i = 0; i < kHelpLineCount; ++i) EXPECT_LE(std::strlen(kHelpLines[i]), 49u) << i;
    EXPECT_STREQ(kHelpLines[0], "Hardware Keys:");
    EXPECT_STREQ(kHelpLines[1], " uparrow - new game");
    EXPECT_STREQ(kHelpLines[2], " downarrow - exit");
}

TEST(CribbageTexts, EveryLineFitsTheScreenInItsFont) {
    // Body lines in the regular font from x 10, headings in the bold one,
    // inside the page's width.
    const struct {
        const char* const* lines;
        int count;
    } pages[] = {{kRulesLines, kRulesLineCount}, {kHelpLines, kHelpLineCount}};
    for (const auto& [lines, count] : pages) {
        for (int i = 0; i < count; ++i) {
            gamekit::BitmapFont& font = lines[i][0] == ' ' ? gamekit::font1() : gamekit::font2();
            EXPECT_LE(10 + font.measure(lines[i]), 236) << lines[i];
        }
    }
}
