#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "FontTestSupport.h"
#include "gamekit/graphics/BitmapFont.h"

using gamekit::BitmapFont;
using gamekit::font1;
using gamekit::font2;
using gamekit::font3;

namespace {

// The characters that have glyphs, in the order the width lists below use.
std::string glyphCharacters() {
    std::string s;
    for (char c = 'a'; c <= 'z'; ++c) s += c;
    for (char c = 'A'; c <= 'Z'; ++c) s += c;
    for (int c = 32; c <= 64; ++c) s += static_cast<char>(c);
    for (int c = 91; c <= 96; ++c) s += static_cast<char>(c);
    s += '~';
    return s;
}

std::vector<int> parseWidths(const std::vector<const char*>& groups) {
    std::vector<int> widths;
    for (const char* group : groups) {
        std::istringstream in(group);
        int w;
        while (in >> w) widths.push_back(w);
    }
    return widths;
}

struct FontCase {
    const char* name;
    BitmapFont& (*font)();
    int height;
    int baseline;  // the row capitals and digits sit on
    std::vector<const char*> widths;
};

const std::vector<FontCase>& fontCases() {
    static const std::vector<FontCase> cases = {
        {"font 1",
         &font1,
         11,
         8,
         {"6 6 5 6 5 5 6 7 3 3 6 3 11 7 5 6 6 5 4 4 7 7 9 6 7 4",
          "8 6 7 7 6 6 8 9 3 5 7 6 9 8 8 6 8 7 6 7 8 8 11 8 7 6", "3 1 3 7 5 8 7 1 4 4 5 5 2 5 4 4",
          "6 5 6 6 6 6 6 6 6 6", "2 2 5 5 5 4 9", "3 4 3 5 7 4", "6"}},
        {"font 2",
         &font2,
         11,
         8,
         {"7 7 5 7 6 5 7 8 4 4 7 4 12 8 6 7 7 6 5 5 8 7 9 6 7 5",
          "9 7 7 8 7 7 8 9 4 6 8 7 10 9 8 7 8 8 6 8 8 9 13 8 8 7",
          "3 2 3 7 7 10 8 1 4 4 5 5 2 5 4 5", "7 6 6 6 6 6 6 6 6 6", "2 2 6 7 6 5 10",
          "4 5 4 7 8 4", "6"}},
        {"font 3",
         &font3,
         14,
         10,
         {"7 8 7 8 7 6 8 9 4 4 9 4 14 9 8 8 8 6 6 5 9 8 11 8 8 6",
          "10 9 9 10 9 8 10 11 6 7 9 9 13 10 10 8 10 9 7 10 10 10 13 9 10 8",
          "3 2 5 8 7 10 9 2 5 5 6 7 2 5 2 6", "8 6 7 7 7 7 7 7 7 7", "2 2 6 7 6 6 13",
          "4 6 4 7 9 4", "7"}},
    };
    return cases;
}

// Rows of a glyph as '#'/'.' strings, for messages and shape checks.
std::vector<std::string> glyphRows(const BitmapFont& font, unsigned char c) {
    std::vector<std::string> rows;
    const int16_t* g = font.glyph(c);
    const int w = g[font.height()];
    for (int r = 0; r < font.height(); ++r) {
        std::string row;
        for (int i = w - 1; i >= 0; --i) row += (g[r] >> i) & 1 ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

std::string joined(const std::vector<std::string>& rows) {
    std::string s;
    for (const std::string& r : rows) s += r + "\n";
    return s;
}

// First and last row with ink, or -1 for both when there is none.
std::pair<int, int> inkRows(const std::vector<std::string>& rows) {
    int first = -1, last = -1;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].find('#') == std::string::npos) continue;
        if (first < 0) first = static_cast<int>(r);
        last = static_cast<int>(r);
    }
    return {first, last};
}

}  // namespace

TEST(FontTables, OneInstancePerFont) {
    EXPECT_EQ(&font1(), &font1());
    EXPECT_NE(&font1(), &font2());
    EXPECT_NE(&font2(), &font3());
}

// Heights, the listed width of every glyph, no glyph for any other byte, and
// no row bits beyond the glyph's width.
TEST(FontTables, OnlyTheListedCharactersHaveGlyphsOfTheListedWidths) {
    const std::string chars = glyphCharacters();
    ASSERT_EQ(chars.size(), 92u);
    for (const FontCase& fc : fontCases()) {
        EXPECT_EQ(fc.font().height(), fc.height) << fc.name;
        const std::vector<int> widths = parseWidths(fc.widths);
        ASSERT_EQ(widths.size(), 92u) << fc.name;
        for (int c = 0; c < 256; ++c) {
            const unsigned char byte = static_cast<unsigned char>(c);
            const size_t at = c == 0 ? std::string::npos : chars.find(static_cast<char>(c));
            const int16_t* g = fc.font().glyph(byte);
            EXPECT_EQ(g != nullptr, at != std::string::npos) << fc.name << " byte " << c;
            EXPECT_EQ(fc.font().glyphWidth(byte), at == std::string::npos ? 0 : widths[at])
                << fc.name << " '" << static_cast<char>(c) << "'";
            if (g == nullptr) continue;
            const int w = g[fc.height];
            for (int r = 0; r < fc.height; ++r) {
                EXPECT_EQ(g[r] & ~((1 << w) - 1), 0) << fc.name << " byte " << c << " row " << r;
            }
        }
    }
}

TEST(FontTables, GivenGlyphsAreBitExact) {
    struct Given {
        BitmapFont& font;
        char c;
        std::vector<int16_t> rowsThenWidth;
    };
    const Given given[] = {
        {font1(),
         '0',
         {0x0000, 0x001E, 0x0021, 0x0021, 0x0021, 0x0021, 0x0021, 0x0021, 0x001E, 0x0000, 0x0000,
          6}},
        {font2(),
         '0',
         {0x0000, 0x003E, 0x0063, 0x0063, 0x0063, 0x0063, 0x0063, 0x0063, 0x003E, 0x0000, 0x0000,
          7}},
        {font3(),
         '0',
         {0x0000, 0x003C, 0x0066, 0x00C3, 0x00C3, 0x00C3, 0x00C3, 0x00C3, 0x00C3, 0x0066, 0x003C,
          0x0000, 0x0000, 0x0000, 8}},
        {font1(),
         'A',
         {0x0000, 0x0018, 0x0018, 0x0024, 0x0024, 0x003C, 0x0042, 0x0042, 0x00E7, 0x0000, 0x0000,
          8}},
        {font1(),
         'o',
         {0x0000, 0x0000, 0x0000, 0x000E, 0x0011, 0x0011, 0x0011, 0x0011, 0x000E, 0x0000, 0x0000,
          5}},
    };
    for (const Given& g : given) {
        const int16_t* glyph = g.font.glyph(static_cast<unsigned char>(g.c));
        ASSERT_NE(glyph, nullptr);
        const std::vector<int16_t> actual(glyph, glyph + g.font.height() + 1);
        EXPECT_EQ(actual, g.rowsThenWidth)
            << "'" << g.c << "' of height " << g.font.height() << ":\n"
            << joined(glyphRows(g.font, static_cast<unsigned char>(g.c)));
    }
}

// Capitals and digits start on row 1 and sit on the baseline; lowercase
// letters sit on it too unless they have a descender, which goes below.
TEST(FontTables, CapitalsDigitsAndLowercaseShareOneBaseline) {
    const std::string descenders = "gjpqy";
    for (const FontCase& fc : fontCases()) {
        for (char c : glyphCharacters()) {
            const bool capitalOrDigit = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
            if (!capitalOrDigit && !(c >= 'a' && c <= 'z')) continue;
            const auto rows = glyphRows(fc.font(), static_cast<unsigned char>(c));
            const auto [first, last] = inkRows(rows);
            const std::string where = std::string(fc.name) + " '" + c + "'\n" + joined(rows);
            if (capitalOrDigit) {
                EXPECT_EQ(first, 1) << where;
            }
            if (descenders.find(c) != std::string::npos) {
                EXPECT_GT(last, fc.baseline) << where;
            } else if (c != 'Q') {
                EXPECT_EQ(last, fc.baseline) << where;
            }
        }
    }
}

// The bold and the large font draw vertical strokes two pixels wide: any
// pixel that is part of a vertical run of three or more has a set neighbour
// on its left or right.
TEST(FontTables, BoldAndLargeFontsHaveNoHairlineStems) {
    std::string letters;
    for (char c = 'a'; c <= 'z'; ++c) letters += c;
    for (char c = 'A'; c <= 'Z'; ++c) letters += c;
    for (char c = '0'; c <= '9'; ++c) letters += c;
    for (BitmapFont* font : {&font2(), &font3()}) {
        for (char c : letters) {
            const auto rows = glyphRows(*font, static_cast<unsigned char>(c));
            const int w = static_cast<int>(rows[0].size());
            const int h = static_cast<int>(rows.size());
            auto set = [&](int x, int y) {
                return x >= 0 && x < w && y >= 0 && y < h && rows[y][x] == '#';
            };
            for (int x = 0; x < w; ++x) {
                for (int y = 0; y < h; ++y) {
                    if (!set(x, y)) continue;
                    int top = y, bottom = y;
                    while (set(x, top - 1)) --top;
                    while (set(x, bottom + 1)) ++bottom;
                    if (bottom - top + 1 < 3) continue;
                    EXPECT_TRUE(set(x - 1, y) || set(x + 1, y))
                        << "height " << font->height() << " '" << c << "' pixel (" << x << ", " << y
                        << ")\n"
                        << joined(rows);
                }
            }
        }
    }
}

// Writes every glyph of every font as ASCII art to the file named by
// DECKHOLLOW_FONT_SHEET, for looking at them; checks each rendering against
// the glyph's own rows so a mismatch of drawing and data shows here too.
TEST(FontTables, DrawingAGlyphReproducesItsRows) {
    const char* sheetPath = std::getenv("DECKHOLLOW_FONT_SHEET");
    std::ofstream sheet;
    if (sheetPath != nullptr) sheet.open(sheetPath);
    const std::string chars = glyphCharacters();
    for (const FontCase& fc : fontCases()) {
        if (sheet) sheet << "==== " << fc.name << " ====\n";
        for (char c : chars) {
            const char text[2] = {c, '\0'};
            const std::string art = font_test::renderAscii(fc.font(), text);
            std::string expected;
            for (const std::string& row : glyphRows(fc.font(), static_cast<unsigned char>(c))) {
                for (char p : row) expected += p;
                expected += ".\n";  // the gap column
            }
            EXPECT_EQ(art, expected) << fc.name << " '" << c << "'";
            if (sheet) sheet << "'" << c << "'\n" << art;
        }
        if (sheet) {
            for (const char* sample :
                 {"Thank you for playing", "Configuration Error.", "Recovering baseline config...!",
                  "GAME OVER ok", "0123456789 +-*/=<>", "The quick brown fox jumps over",
                  "THE LAZY DOG? (100%) #1 $5 & @home", "[a\\b] ^_` ~ {x|y} \"it's\" a;b:c, d."}) {
                sheet << sample << "\n" << font_test::renderAscii(fc.font(), sample);
            }
        }
    }
}
