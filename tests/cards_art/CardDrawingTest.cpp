#include <gtest/gtest.h>

#include <vector>

#include "FatalErrorCatcher.h"
#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardGlyphs.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/Surface.h"

using gamekit::CardTheme;
using gamekit::GArray;
using gamekit::PlayingCard;
using gamekit::Surface;

namespace {

constexpr uint16_t kTable = 0x1234;  // a background no card colour uses
constexpr uint16_t kCardFill = 0xE71C;

// A strip whose every pixel tells which back and which pixel it is, so a
// wrong column or row shows.
std::vector<uint16_t> markedStrip() {
    std::vector<uint16_t> strip(252 * 43);
    for (int y = 0; y < 43; ++y) {
        for (int x = 0; x < 252; ++x)
            strip[y * 252 + x] = static_cast<uint16_t>(0x4000 + y * 256 + x);
    }
    return strip;
}

class CardDrawing : public ::testing::Test {
  protected:
    CardDrawing() : strip_(markedStrip()), themes_(gamekit::makeStandardThemes(strip_.data())) {
        s.fill(kTable);
    }
    ~CardDrawing() override { gamekit::destroyThemes(themes_); }

    std::vector<uint16_t> strip_;
    GArray<CardTheme*> themes_;
    Surface s{240, 320};  // the screen, all table colour
};

}  // namespace

TEST_F(CardDrawing, FaceUpCardWithoutThemeHasABlackFrameAndAWhiteSelectionBlock) {
    PlayingCard card(5, 0, true);
    drawCard(s, card, nullptr, 50, 60, 0, 0, true);
    EXPECT_EQ(s.pixel(48, 80), 0xFFFF);  // the block's 2-pixel rim, left
    EXPECT_EQ(s.pixel(81, 80), 0xFFFF);  // and right (x + 31)
    EXPECT_EQ(s.pixel(50, 80), 0x0000);  // the frame
    EXPECT_EQ(s.pixel(79, 80), 0x0000);
    EXPECT_EQ(s.pixel(65, 60), 0x0000);  // top edge
    EXPECT_EQ(s.pixel(70, 95), kCardFill);
    EXPECT_EQ(s.pixel(47, 80), kTable);  // nothing beyond the block
    EXPECT_EQ(s.pixel(82, 80), kTable);
}

TEST_F(CardDrawing, UnselectedFaceShowsNoBlock) {
    drawCard(s, PlayingCard(5, 0, true), themes_[0], 50, 60, 0, 0, false);
    EXPECT_EQ(s.pixel(48, 80), kTable);
    EXPECT_EQ(s.pixel(50, 80), themes_[0]->borderColour);
}

TEST_F(CardDrawing, GlyphsSitInTheCornerRedForHeartsAndDiamonds) {
    for (int suit = 0; suit < 4; ++suit) {
        s.fill(kTable);
        const int x = 100, y = 100, rank = 11;
        drawCard(s, PlayingCard(rank, suit, true), themes_[0], x, y, 0, 0, false);
        const uint16_t* rankCell = gamekit::rankGlyph(rank);
        const uint16_t* suitCell = gamekit::suitGlyph(suit);
        for (int row = 0; row < 14; ++row) {
            for (int col = 0; col < 10; ++col) {
                const uint16_t r = rankCell[row * 10 + col];
                if (r != gamekit::kGlyphTransparent && row < 13) {
                    EXPECT_EQ(s.pixel(x + 1 + col, y + 1 + row), suit >= 2 ? 0xF800 : r);
                }
                const uint16_t p = suitCell[row * 10 + col];
                if (p != gamekit::kGlyphTransparent) {
                    EXPECT_EQ(s.pixel(x + 1 + col, y + 14 + row), p);
                }
            }
        }
    }
}

TEST_F(CardDrawing, SelectedFaceDownCardLooksExactlyLikeAnUnselectedOne) {
    Surface unselected(240, 320);
    unselected.fill(kTable);
    PlayingCard card(0, 2, false);
    drawCard(s, card, themes_[4], 30, 40, 0, 0, true);
    drawCard(unselected, card, themes_[4], 30, 40, 0, 0, false);
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 240; ++x)
            ASSERT_EQ(s.pixel(x, y), unselected.pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(s.pixel(30, 60), themes_[4]->borderColour);
}

TEST_F(CardDrawing, DrawBackCopiesItsOwnBackAndFramesASelectedOneInTheHighlight) {
    const CardTheme& theme = *themes_[3];
    theme.drawBack(s, 20, 30, 240, 320, true);
    // Back pixel (col, row) of theme 3 comes from strip column 84 + col.
    for (int row : {2, 20, 40}) {
        for (int col : {3, 14, 25}) {
            EXPECT_EQ(s.pixel(21 + col, 31 + row), strip_[row * 252 + 84 + col]);
        }
    }
    EXPECT_EQ(s.pixel(20, 50), theme.highlightColour);
    EXPECT_EQ(s.pixel(20 + 29, 50), theme.highlightColour);
    EXPECT_EQ(s.pixel(35, 30), theme.highlightColour);
    theme.drawBack(s, 20, 30, 240, 320, false);
    EXPECT_EQ(s.pixel(20, 50), theme.borderColour);
}

TEST_F(CardDrawing, DrawingABackWithoutTheStripIsFatal) {
    CardTheme theme(0, 0, 28, 43, 252, 43);
    EXPECT_EQ(testing_support::fatalMessageOf([&] { theme.drawBack(s, 0, 0, 240, 320, false); }),
              "CardTheme: no cardBack!");
}

TEST_F(CardDrawing, FaceDownCardWithoutThemeDrawsAPlainFramedBack) {
    drawCard(s, PlayingCard(0, 0, false), nullptr, 60, 70, 0, 0, true);
    EXPECT_EQ(s.pixel(60, 90), 0x0000);  // black frame
    EXPECT_EQ(s.pixel(89, 90), 0x0000);
    const uint16_t field = s.pixel(75, 90);
    EXPECT_NE(field, kTable);
    EXPECT_EQ(s.pixel(65, 75), field);  // one plain colour
    EXPECT_EQ(s.pixel(85, 110), field);
    EXPECT_EQ(s.pixel(58, 90), kTable);  // and no selection
}

TEST_F(CardDrawing, CardsAtTheRightEdgeAreCutAtTheLastColumnAndNeverSpillOver) {
    drawCard(s, PlayingCard(9, 3, true), themes_[0], 215, 100, 0, 0, false);
    EXPECT_EQ(s.pixel(215, 120), themes_[0]->borderColour);
    EXPECT_EQ(s.pixel(239, 120), themes_[0]->borderColour);  // the cut edge
    EXPECT_EQ(s.pixel(238, 120), kCardFill);
    // The ten's cell spans x + 1 .. x + 10 = 216 .. 225, all drawn.
    int red = 0;
    for (int x = 216; x <= 225; ++x) red += s.pixel(x, 102) == 0xF800;
    EXPECT_GT(red, 4);
    // Nearer the edge still, nothing spills into the next row's first columns.
    drawCard(s, PlayingCard(9, 0, true), themes_[0], 235, 100, 0, 0, true);
    for (int y = 95; y < 150; ++y) {
        for (int x = 0; x < 20; ++x) ASSERT_EQ(s.pixel(x, y), kTable) << x << "," << y;
    }
}

TEST_F(CardDrawing, CardsHalfOffTheSurfaceNeverWriteOutsideIt) {
    // The surface's rows lie inside a larger buffer between two guard
    // bands; a write past any edge would land in a guard band or wrap into
    // the next row's first columns.
    constexpr int w = 60, h = 60, guard = 2 * 60 * 60;
    std::vector<uint16_t> buffer(guard + w * h + guard, 0xBEEF);
    Surface s(buffer.data() + guard, w, h);
    s.fill(kTable);
    const int places[][2] = {{45, 10}, {-20, 10}, {10, -30}, {10, 40}, {45, 40}, {-25, -35}};
    for (const auto& p : places) {
        for (bool faceUp : {true, false}) {
            drawCard(s, PlayingCard(9, 2, faceUp), themes_[5], p[0], p[1], 0, 0, true);
            drawCard(s, PlayingCard(12, 0, faceUp), nullptr, p[0], p[1], 0, 0, true);
        }
    }
    for (int i = 0; i < guard; ++i) {
        ASSERT_EQ(buffer[i], 0xBEEF) << "before the surface at " << i;
        ASSERT_EQ(buffer[guard + w * h + i], 0xBEEF) << "after the surface at " << i;
    }
}
