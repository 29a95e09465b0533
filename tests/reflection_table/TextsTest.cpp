#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/ui/Screens.h"
#include "games/reflection/table/ReflectionTexts.h"

using namespace reflection;

namespace {

// The pager draws lines from x 10; a heading is in the bold font.
void expectLinesFit(const char* const* lines, int count) {
    for (int i = 0; i < count; ++i) {
        const char* line = lines[i];
        EXPECT_LE(std::strlen(line), 49u) << line;
        const gamekit::BitmapFont& font = line[0] == ' ' ? gamekit::font1() : gamekit::font2();
        EXPECT_LE(10 + font.measure(line), 240) << line;
    }
}

bool hasLine(const char* const* lines, int count, const std::string& text) {
    for (int i = 0; i < count; ++i) {
        if (text == lines[i]) return true;
    }
    return false;
}

}  // namespace

TEST(ReflectionTexts, RulesHaveTheirTwoHeadingsAndEveryLineFitsThePage) {
    expectLinesFit(kRulesLines, kRulesLineCount);
    EXPECT_EQ(std::string(kRulesLines[0]), "Goal:");
    EXPECT_TRUE(hasLine(kRulesLines, kRulesLineCount, "Game Play:"));
    // The four sequences as the rules build them.
    EXPECT_TRUE(hasLine(kRulesLines, kRulesLineCount, "  Row 2: 2 4 6 8 10 Q A 3 5 7 9 J K"));
    EXPECT_TRUE(hasLine(kRulesLines, kRulesLineCount, "  Row 4: 4 8 Q 3 7 J 2 6 10 A 5 9 K"));
}

TEST(ReflectionTexts, HelpNamesTheFourKeysOnOnePage) {
    expectLinesFit(kHelpLines, kHelpLineCount);
    EXPECT_LE(kHelpLineCount, gamekit::Pager::kLinesPerPage);
    EXPECT_EQ(std::string(kHelpLines[0]), "Hardware Keys:");
    for (const char* key :
         {" leftarrow - undo", " rightarrow - redo", " uparrow - new game", " downarrow - exit"}) {
        EXPECT_TRUE(hasLine(kHelpLines, kHelpLineCount, key)) << key;
    }
    EXPECT_TRUE(hasLine(kHelpLines, kHelpLineCount, "Moving Cards:"));
}
