#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "FontTestSupport.h"
#include "gamekit/graphics/BitmapFont.h"

using gamekit::BitmapFont;
using gamekit::font1;
using gamekit::font2;
using gamekit::font3;
using gamekit::FontStyle;
using gamekit::Surface;
using namespace font_test;

namespace {

// Font 1 "o" as given: width 5, rows 3 to 8.
const char* const kFont1O[11] = {".....", ".....", ".....", ".###.", "#...#", "#...#",
                                 "#...#", "#...#", ".###.", ".....", "....."};

// Surface of the given size filled with kUntouched.
struct Canvas {
    Canvas(int w, int h) : s(w, h) { s.fill(kUntouched); }
    Surface s;
};

bool sameImage(const Surface& a, const Surface& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    return std::memcmp(a.pixels(), b.pixels(), sizeof(uint16_t) * a.width() * a.height()) == 0;
}

}  // namespace

TEST(FontMeasure, SumsWidthPlusOneOverCharactersWithGlyphs) {
    EXPECT_EQ(font1().measure(""), 0);
    EXPECT_EQ(font1().measure(nullptr), 0);
    EXPECT_EQ(font1().measure("ok"), 13);  // 5 + 1 + 6 + 1
    EXPECT_EQ(font1().measure("0"), 7);
    EXPECT_EQ(font2().measure("0"), 8);
    EXPECT_EQ(font3().measure("0"), 9);
    EXPECT_EQ(font1().measure("A o"), 9 + 4 + 6);
}

TEST(FontMeasure, CharactersWithoutGlyphsCountNothing) {
    EXPECT_EQ(font1().measure("{"), 0);
    EXPECT_EQ(font1().measure("o{o|}"), font1().measure("oo"));
    EXPECT_EQ(font1().measure("\t\n\x7f\x80\xff"), 0);
}

TEST(FontDraw, ReturnsTheLengthOfTheString) {
    Canvas c(60, 14);
    EXPECT_EQ(font1().draw(c.s, 0, 0, "ok"), 2);
    EXPECT_EQ(font1().draw(c.s, 0, 0, "a{b\n"), 4);
    EXPECT_EQ(font1().draw(c.s, 0, 0, ""), 0);
    EXPECT_EQ(font1().draw(c.s, 0, 0, nullptr), 0);
}

// Opaque, the glyph fills its cell and the gap column after it with paper;
// transparent, only its set pixels are written.
TEST(FontDraw, OpaqueGlyphFillsItsCellAndGapTransparentOnlyItsSetPixels) {
    for (const bool transparent : {false, true}) {
        FontStyle style(font1(), kInk, kPaper, transparent);
        Canvas c(30, 20);
        font1().draw(c.s, 10, 4, "o");
        const std::string message = asciiArt(c.s);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 30; ++x) {
                const int r = y - 4, col = x - 10;
                const bool inCell = r >= 0 && r < 11 && col >= 0 && col < 6;
                const bool ink = inCell && col < 5 && kFont1O[r][col] == '#';
                const uint16_t expected = ink ? kInk : inCell && !transparent ? kPaper : kUntouched;
                ASSERT_EQ(c.s.pixel(x, y), expected)
                    << (transparent ? "transparent" : "opaque") << " (" << x << ", " << y << ")\n"
                    << message;
            }
        }
    }
}

TEST(FontDraw, CharacterWithoutGlyphDrawsNothingAndMovesThePenOne) {
    FontStyle style(font1(), kInk, kPaper, false);
    Canvas alone(20, 11);
    font1().draw(alone.s, 2, 0, "{");
    EXPECT_EQ(countPixels(alone.s, kUntouched), 20 * 11);

    Canvas withBrace(40, 11), shifted(40, 11);
    font1().draw(withBrace.s, 2, 0, "{o}o");
    font1().draw(shifted.s, 3, 0, "o");
    font1().draw(shifted.s, 3 + 6 + 1, 0, "o");
    EXPECT_TRUE(sameImage(withBrace.s, shifted.s)) << asciiArt(withBrace.s) << "\n"
                                                   << asciiArt(shifted.s);
}

TEST(FontDraw, PenAdvancesByWidthPlusOne) {
    FontStyle style(font2(), kInk, kPaper, false);
    Canvas together(40, 11), apart(40, 11);
    font2().draw(together.s, 0, 0, "0A");
    font2().draw(apart.s, 0, 0, "0");
    font2().draw(apart.s, font2().glyphWidth('0') + 1, 0, "A");
    EXPECT_TRUE(sameImage(together.s, apart.s));
    EXPECT_EQ(countPixels(together.s, kUntouched), 40 * 11 - font2().measure("0A") * 11);
}

TEST(FontDraw, UsesTheCurrentColours) {
    FontStyle style(font3());
    font3().setColours(0x07E0, 0x001F);
    font3().setTransparent(false);
    Canvas c(9, 14);
    font3().draw(c.s, 0, 0, "0");
    // Font 3 "0" row 3 is ##....## (0x00C3), then the gap column.
    const uint16_t row3[9] = {0x07E0, 0x07E0, 0x001F, 0x001F, 0x001F,
                              0x001F, 0x07E0, 0x07E0, 0x001F};
    for (int x = 0; x < 9; ++x) EXPECT_EQ(c.s.pixel(x, 3), row3[x]) << x;
}

TEST(FontStyleGuard, RestoresColoursAndTransparency) {
    BitmapFont& f = font2();
    f.setColours(0x1111, 0x2222);
    f.setTransparent(false);
    {
        FontStyle style(f, 0x3333, 0x4444, true);
        EXPECT_EQ(f.foreground(), 0x3333);
        EXPECT_EQ(f.background(), 0x4444);
        EXPECT_TRUE(f.transparent());
        f.setForeground(0x5555);
    }
    EXPECT_EQ(f.foreground(), 0x1111);
    EXPECT_EQ(f.background(), 0x2222);
    EXPECT_FALSE(f.transparent());
    {
        FontStyle saveOnly(f);
        f.setBackground(0x6666);
        f.setTransparent(true);
    }
    EXPECT_EQ(f.background(), 0x2222);
    EXPECT_FALSE(f.transparent());
}

TEST(FontAlign, CentredTextStartsHalfItsWidthLeftOfTheCentre) {
    // The message panel's close mark: "ok" centred on 194 starts at 194 - 13 / 2 = 188.
    FontStyle style(font1(), kInk, kPaper, false);
    Canvas centred(240, 11), plain(240, 11);
    font1().drawCentred(centred.s, 194, 0, "ok");
    font1().draw(plain.s, 188, 0, "ok");
    EXPECT_TRUE(sameImage(centred.s, plain.s));
    EXPECT_EQ(centred.s.pixel(187, 0), kUntouched);
    EXPECT_EQ(centred.s.pixel(188, 0), kPaper);
    EXPECT_EQ(centred.s.pixel(188 + 13, 0), kUntouched);
}

TEST(FontAlign, AnchorsAtTheEndsOfTheIntRangeDrawNothing) {
    FontStyle style(font1(), kInk, kPaper, false);
    GuardedSurface guarded(40, 20);
    font1().drawCentred(guarded.surface(), INT_MIN, 0, "ok");
    font1().drawRight(guarded.surface(), INT_MIN, 0, "ok");
    font1().drawCentred(guarded.surface(), INT_MAX, INT_MAX, "ok");
    font1().drawRight(guarded.surface(), INT_MAX, INT_MIN, "ok");
    EXPECT_TRUE(guarded.guardsIntact());
    EXPECT_EQ(countPixels(guarded.surface(), kUntouched), 40 * 20);
}

TEST(FontAlign, RightAlignedTextEndsJustLeftOfTheGivenColumn) {
    FontStyle style(font2(), kInk, kPaper, false);
    Canvas right(120, 11), plain(120, 11);
    const int w = font2().measure("123");
    font2().drawRight(right.s, 100, 0, "123");
    font2().draw(plain.s, 100 - w, 0, "123");
    EXPECT_TRUE(sameImage(right.s, plain.s));
    EXPECT_EQ(right.s.pixel(99, 0), kPaper);
    EXPECT_EQ(right.s.pixel(100, 0), kUntouched);
}

// Text that runs off an edge loses the pixels beyond it: nothing wraps into
// the next row and nothing is written outside the pixel array.
class FontClipping : public ::testing::TestWithParam<bool> {};

TEST_P(FontClipping, PixelsBeyondEveryEdgeAreDropped) {
    const bool transparent = GetParam();
    const char* line = "The quick brown fox jumps over the lazy dog 0123456789 ~@#";
    for (BitmapFont* font : {&font1(), &font2(), &font3()}) {
        FontStyle style(*font, kInk, kPaper, transparent);
        const int h = font->height();
        const struct {
            int x, y;
        } places[] = {{-5, 3},      {-400, 3},      {30, 3},      {3, -4},  {3, -h},
                      {3, -h - 50}, {3, 20 - 4},    {3, 20},      {3, 500}, {-7, -5},
                      {35, 16},     {-1000, -1000}, {1000, 1000}, {39, 0},  {40, 0}};
        for (const auto& p : places) {
            GuardedSurface guarded(40, 20);
            font->draw(guarded.surface(), p.x, p.y, line);
            EXPECT_TRUE(guarded.guardsIntact()) << "height " << h << " at " << p.x << ", " << p.y;

            // The same text drawn into a big surface, then cut out where the
            // small one lies, must equal the small one pixel for pixel.
            const int margin = 1200;
            Surface big(font->measure(line) + 2 * 40, 20 + 2 * h + 2);
            big.fill(kUntouched);
            const int ox = p.x < -margin || p.x > margin ? 0 : 40;
            const int oy = h + 1;
            if (ox == 0) continue;  // far away: nothing may be drawn, checked below
            font->draw(big, p.x + ox, p.y + oy, line);
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const bool insideBig = big.contains(x + ox, y + oy);
                    const uint16_t expected = insideBig ? big.pixel(x + ox, y + oy) : kUntouched;
                    ASSERT_EQ(guarded.surface().pixel(x, y), expected)
                        << "height " << h << " at " << p.x << ", " << p.y << " pixel " << x << ", "
                        << y << "\n"
                        << asciiArt(guarded.surface());
                }
            }
        }
        // Far away, up to the ends of the int range: nothing is drawn and no
        // coordinate arithmetic overflows.
        for (const auto& p :
             {std::pair{-1000, -1000}, std::pair{1000, 1000}, std::pair{3, 500},
              std::pair{-3000, 3}, std::pair{3, -h - 50}, std::pair{INT_MAX, 3},
              std::pair{INT_MAX - 3, 3}, std::pair{3, INT_MAX - 3}, std::pair{INT_MIN, 3},
              std::pair{3, INT_MIN}, std::pair{INT_MIN, INT_MIN}, std::pair{INT_MAX, INT_MAX}}) {
            GuardedSurface guarded(40, 20);
            font->draw(guarded.surface(), p.first, p.second, line);
            EXPECT_EQ(countPixels(guarded.surface(), kUntouched), 40 * 20)
                << p.first << ", " << p.second;
        }
    }
}

TEST_P(FontClipping, LongLineAtTheRightEdgeDoesNotWrapIntoTheNextRow) {
    FontStyle style(font1(), kInk, kPaper, GetParam());
    GuardedSurface guarded(24, 30);
    font1().draw(guarded.surface(), 10, 5, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    EXPECT_TRUE(guarded.guardsIntact());
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(guarded.surface().pixel(x, y), kUntouched) << x << ", " << y << "\n"
                                                                 << asciiArt(guarded.surface());
        }
    }
}

TEST_P(FontClipping, TextOnTheLastRowsStopsAtTheBuffersEnd) {
    FontStyle style(font3(), kInk, kPaper, GetParam());
    GuardedSurface guarded(30, 8, 512);
    font3().draw(guarded.surface(), 0, 2, "Ogy");
    EXPECT_TRUE(guarded.guardsIntact());
    font3().draw(guarded.surface(), -3, -9, "Ogy[");
    EXPECT_TRUE(guarded.guardsIntact());
}

INSTANTIATE_TEST_SUITE_P(OpaqueAndTransparent, FontClipping, ::testing::Bool());
