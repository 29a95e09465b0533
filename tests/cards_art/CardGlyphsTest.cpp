#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "gamekit/cards/CardGlyphs.h"

using gamekit::kGlyphHeight;
using gamekit::kGlyphTransparent;
using gamekit::kGlyphWidth;
using gamekit::rankGlyph;
using gamekit::suitCell;
using gamekit::suitGlyph;

namespace {

struct Box {
    int left = kGlyphWidth, top = kGlyphHeight, right = -1, bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

Box inkBox(const uint16_t* cell) {
    Box box;
    for (int y = 0; y < kGlyphHeight; ++y) {
        for (int x = 0; x < kGlyphWidth; ++x) {
            if (cell[y * kGlyphWidth + x] == kGlyphTransparent) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

int inkInRow(const uint16_t* cell, int y) {
    int n = 0;
    for (int x = 0; x < kGlyphWidth; ++x) n += cell[y * kGlyphWidth + x] != kGlyphTransparent;
    return n;
}

std::set<uint16_t> coloursOf(const uint16_t* cell) {
    return std::set<uint16_t>(cell, cell + kGlyphWidth * kGlyphHeight);
}

}  // namespace

TEST(SuitGlyphs, AreStoredClubFirstButChosenBySuitNumberAndJokersHaveNone) {
    // Storage: club, spade, heart, diamond. Suit numbers: 0 spade, 1 club,
    // 2 heart, 3 diamond.
    EXPECT_EQ(suitGlyph(0), suitCell(1));
    EXPECT_EQ(suitGlyph(1), suitCell(0));
    EXPECT_EQ(suitGlyph(2), suitCell(2));
    EXPECT_EQ(suitGlyph(3), suitCell(3));
    // Jokers and suits out of range have none.
    EXPECT_EQ(suitGlyph(4), nullptr);
    EXPECT_EQ(suitGlyph(-1), nullptr);
    EXPECT_EQ(suitCell(4), nullptr);
}

TEST(SuitGlyphs, ShapesMatchTheirSuits) {
    // A spade ends in a single point at the top; a club starts with its
    // three-pixel top lobe; hearts and diamonds are red, the others black.
    const uint16_t* spade = suitGlyph(0);
    const uint16_t* club = suitGlyph(1);
    EXPECT_EQ(inkInRow(spade, inkBox(spade).top), 1);
    EXPECT_EQ(inkInRow(club, inkBox(club).top), 3);
    for (int suit = 0; suit < 4; ++suit) {
        const bool red = suit >= 2;
        for (uint16_t c : coloursOf(suitGlyph(suit))) {
            if (c == kGlyphTransparent) continue;
            if (red) {
                EXPECT_EQ(c, 0xF800) << "suit " << suit;
            } else {
                EXPECT_TRUE(c == 0x0000 || c == 0x8410) << "suit " << suit;
            }
        }
        const Box box = inkBox(suitGlyph(suit));
        EXPECT_EQ(box.width(), 9) << "suit " << suit;
        EXPECT_GE(box.height(), 9) << "suit " << suit;
        EXPECT_LE(box.height(), 11) << "suit " << suit;
    }
    EXPECT_NE(suitGlyph(2), suitGlyph(3));
}

TEST(RankGlyphs, ThirteenDistinctBlackGlyphs) {
    std::set<std::vector<uint16_t>> seen;
    for (int rank = 0; rank < 13; ++rank) {
        const uint16_t* cell = rankGlyph(rank);
        ASSERT_NE(cell, nullptr);
        seen.insert(std::vector<uint16_t>(cell, cell + kGlyphWidth * kGlyphHeight));
        const std::set<uint16_t> colours = coloursOf(cell);
        EXPECT_TRUE(colours.count(0x0000)) << "rank " << rank;
        for (uint16_t c : colours) {
            EXPECT_TRUE(c == 0x0000 || c == 0x8410 || c == kGlyphTransparent) << "rank " << rank;
        }
    }
    EXPECT_EQ(seen.size(), 13u);
    EXPECT_EQ(rankGlyph(-1), nullptr);
    EXPECT_EQ(rankGlyph(13), nullptr);
}

TEST(RankGlyphs, TheTenFillsTheCellWidthAndTheOthersFitInside) {
    const Box ten = inkBox(rankGlyph(9));
    EXPECT_EQ(ten.left, 0);
    EXPECT_EQ(ten.right, kGlyphWidth - 1);
    for (int rank = 0; rank < 13; ++rank) {
        const Box box = inkBox(rankGlyph(rank));
        EXPECT_GE(box.width(), 6) << "rank " << rank;
        EXPECT_GE(box.height(), 10) << "rank " << rank;
    }
}

TEST(CardGlyphs, RankAndSuitCellsDoNotCollideWhereTheyOverlapOnTheCard) {
    // The rank cell sits at y + 1 and the suit cell at y + 14: the rank's
    // last row and the suit's first row are the same card row.
    for (int rank = 0; rank < 13; ++rank) {
        EXPECT_EQ(inkInRow(rankGlyph(rank), kGlyphHeight - 1), 0) << "rank " << rank;
    }
    for (int suit = 0; suit < 4; ++suit) EXPECT_EQ(inkInRow(suitGlyph(suit), 0), 0);
}
