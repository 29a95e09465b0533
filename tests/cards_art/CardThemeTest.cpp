#include <gtest/gtest.h>

#include <cwchar>

#include "gamekit/cards/CardTheme.h"

using gamekit::CardTheme;
using gamekit::GArray;

TEST(CardTheme, ConstructionSetsTheDefaultColoursAndNoStrip) {
    CardTheme theme(56, 0, 28, 43, 252, 43);
    EXPECT_EQ(theme.borderColour, 0x001F);
    EXPECT_EQ(theme.highlightColour, 0xF800);
    EXPECT_EQ(theme.textColour, 0x0000);
    EXPECT_EQ(theme.tableColour, 0xFFFF);
    EXPECT_EQ(theme.lineColour, 0x001F);
    EXPECT_EQ(theme.backPixels, nullptr);
    EXPECT_EQ(theme.name[0], L'\0');
}

TEST(CardTheme, NamesAreCutToTwentyFiveCharacters) {
    CardTheme theme(0, 0, 28, 43, 252, 43);
    theme.setName("abcdefghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(std::wcslen(theme.name), 25u);
    EXPECT_STREQ(theme.name, L"abcdefghijklmnopqrstuvwxy");
}

TEST(StandardThemes, NineThemesInTableOrderWithTheirBacksSideBySide) {
    const wchar_t* names[] = {L"Standard 1", L"Standard 2", L"Standard 3",
                              L"Mardi Gras", L"South West", L"Astrology",
                              L"Wine & Art", L"Zen",        L"Island Night"};
    GArray<CardTheme*> themes = gamekit::makeStandardThemes();
    ASSERT_EQ(themes.size(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_STREQ(themes[i]->name, names[i]);
        EXPECT_EQ(themes[i]->stripX, 28 * i);
        EXPECT_EQ(themes[i]->stripY, 0);
        EXPECT_EQ(themes[i]->backWidth, 28);
        EXPECT_EQ(themes[i]->backHeight, 43);
        EXPECT_EQ(themes[i]->stripWidth, 252);
        EXPECT_EQ(themes[i]->stripHeight, 43);
    }
    gamekit::destroyThemes(themes);
    EXPECT_EQ(themes[0], nullptr);
}

TEST(StandardThemes, ColoursFollowTheThemeTable) {
    GArray<CardTheme*> themes = gamekit::makeStandardThemes();
    // Spot checks across the table: Standard 2, Mardi Gras, South West, Zen.
    EXPECT_EQ(themes[1]->borderColour, 0x0010);
    EXPECT_EQ(themes[1]->tableColour, 0x001F);
    EXPECT_EQ(themes[3]->borderColour, 0x0000);
    EXPECT_EQ(themes[3]->textColour, 0xFFE0);
    EXPECT_EQ(themes[3]->lineColour, 0xFC00);
    EXPECT_EQ(themes[4]->borderColour, 0xFC00);
    EXPECT_EQ(themes[4]->highlightColour, 0xF800);
    EXPECT_EQ(themes[7]->tableColour, 0xDFFF);
    EXPECT_EQ(themes[7]->lineColour, 0x0010);
    EXPECT_EQ(themes[8]->highlightColour, 0xFFE0);
    gamekit::destroyThemes(themes);
}

TEST(StandardThemes, TheStripGoesOnlyToThemesWithoutOne) {
    uint16_t strip[1] = {};
    uint16_t other[1] = {};
    GArray<CardTheme*> themes = gamekit::makeStandardThemes();
    themes[2]->backPixels = other;
    gamekit::giveStrip(themes, strip);
    EXPECT_EQ(themes[0]->backPixels, strip);
    EXPECT_EQ(themes[2]->backPixels, other);
    EXPECT_EQ(themes[8]->backPixels, strip);
    gamekit::destroyThemes(themes);
}
