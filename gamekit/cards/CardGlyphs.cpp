#include "gamekit/cards/CardGlyphs.h"

#include <array>
#include <cstddef>

namespace gamekit {

namespace {

using Cell = std::array<uint16_t, kGlyphCellSize>;
using GlyphText = std::array<const char*, kGlyphHeight>;

// Not constexpr on purpose: reaching one of these while converting a table
// at compile time stops the build with its name in the diagnostic.
void glyphRowIsNotTenCharactersWide() {}
void glyphHasAnUnknownPixelCharacter() {}

// '.' transparent, '#' black, '+' mid-grey edge, 'r' red.
consteval uint16_t pixelOf(char c) {
    switch (c) {
        case '.':
            return kGlyphTransparent;
        case '#':
            return 0x0000;
        case '+':
            return 0x8410;
        case 'r':
            return 0xF800;
        default:
            glyphHasAnUnknownPixelCharacter();
            return 0;
    }
}

consteval Cell toCell(const GlyphText& rows) {
    Cell cell{};
    for (int y = 0; y < kGlyphHeight; ++y) {
        const char* row = rows[y];
        int length = 0;
        while (row[length] != '\0') ++length;
        if (length != kGlyphWidth) glyphRowIsNotTenCharactersWide();
        for (int x = 0; x < kGlyphWidth; ++x) cell[y * kGlyphWidth + x] = pixelOf(row[x]);
    }
    return cell;
}

template <size_t N>
consteval std::array<Cell, N> toCells(const std::array<GlyphText, N>& texts) {
    std::array<Cell, N> cells{};
    for (size_t i = 0; i < N; ++i) cells[i] = toCell(texts[i]);
    return cells;
}

// Strokes are two pixels wide so the marks stay legible at 1x on a 30 x 46
// card; the marks fill rows 1..11, leaving the rows the suit cell overlaps free.
// clang-format off
constexpr std::array<GlyphText, 13> kRankText = {{
    {"..........",  // A
     "....##....",
     "...+##+...",
     "...####...",
     "..+#++#+..",
     "..##..##..",
     ".+#+..+#+.",
     ".##....##.",
     ".########.",
     "+##....##+",
     "##......##",
     "##......##",
     "..........",
     ".........."},
    {"..........",  // 2
     "..+####+..",
     ".+##++##+.",
     ".##....##.",
     ".......##.",
     "......+##.",
     ".....+##+.",
     "....+##+..",
     "...+##+...",
     "..+##+....",
     ".+##+.....",
     ".########.",
     "..........",
     ".........."},
    {"..........",  // 3
     "..+####+..",
     ".+##++##+.",
     ".......##.",
     ".......##.",
     ".....+##+.",
     "....####..",
     ".....+##+.",
     ".......##.",
     ".##....##.",
     ".+##++##+.",
     "..+####+..",
     "..........",
     ".........."},
    {"..........",  // 4
     ".....+##..",
     "....+###..",
     "...+####..",
     "..+#+.##..",
     ".+#+..##..",
     "+#+...##..",
     "##....##..",
     "#########.",
     "......##..",
     "......##..",
     "......##..",
     "..........",
     ".........."},
    {"..........",  // 5
     ".#######..",
     ".##.......",
     ".##.......",
     ".##+###+..",
     ".#####+##.",
     ".......##.",
     ".......##.",
     ".......##.",
     ".##....##.",
     ".+##++##+.",
     "..+####+..",
     "..........",
     ".........."},
    {"..........",  // 6
     "...+###+..",
     "..+##+....",
     ".+##......",
     ".##.......",
     ".##+###+..",
     ".###++##+.",
     ".##....##.",
     ".##....##.",
     ".##....##.",
     ".+##++##+.",
     "..+####+..",
     "..........",
     ".........."},
    {"..........",  // 7
     ".########.",
     ".......##.",
     "......+##.",
     "......##+.",
     ".....+##..",
     ".....##+..",
     "....+##...",
     "....##+...",
     "...+##....",
     "...##+....",
     "...##.....",
     "..........",
     ".........."},
    {"..........",  // 8
     "..+####+..",
     ".+##++##+.",
     ".##....##.",
     ".+##..##+.",
     "..+####+..",
     ".+##++##+.",
     ".##....##.",
     ".##....##.",
     ".##....##.",
     ".+##++##+.",
     "..+####+..",
     "..........",
     ".........."},
    {"..........",  // 9
     "..+####+..",
     ".+##++##+.",
     ".##....##.",
     ".##....##.",
     ".##....##.",
     ".+##++###.",
     "..+###+##.",
     ".......##.",
     "......+##.",
     "....+##+..",
     "..+###+...",
     "..........",
     ".........."},
    {"..........",  // 10: the two digits take the whole width
     ".##.+####+",
     "###.##++##",
     ".##.##..##",
     ".##.##..##",
     ".##.##..##",
     ".##.##..##",
     ".##.##..##",
     ".##.##..##",
     ".##.##..##",
     ".##.##++##",
     ".##.+####+",
     "..........",
     ".........."},
    {"..........",  // J
     "...######.",
     "......##..",
     "......##..",
     "......##..",
     "......##..",
     "......##..",
     "......##..",
     ".##...##..",
     ".##...##..",
     ".+##+##+..",
     "..+###+...",
     "..........",
     ".........."},
    {"..........",  // Q
     "..+####+..",
     ".+##++##+.",
     ".##....##.",
     ".##....##.",
     ".##....##.",
     ".##....##.",
     ".##.+#.##.",
     ".##.+####.",
     ".+##++##+.",
     "..+######.",
     ".......+##",
     "..........",
     ".........."},
    {"..........",  // K
     ".##....##.",
     ".##...##+.",
     ".##..##+..",
     ".##.##+...",
     ".####+....",
     ".####.....",
     ".##+##....",
     ".##.+##...",
     ".##..+##..",
     ".##...+##.",
     ".##....##.",
     "..........",
     ".........."},
}};

// Storage order: club, spade, heart, diamond. Each shape is symmetric about
// column 5.
constexpr std::array<GlyphText, 4> kSuitText = {{
    {"..........",  // club
     "....###...",
     "...#####..",
     "...#####..",
     ".+#+###+#+",
     ".#########",
     ".#########",
     ".+#+.#.+#+",
     ".....#....",
     "....###...",
     "..........",
     "..........",
     "..........",
     ".........."},
    {"..........",  // spade
     ".....#....",
     "....###...",
     "...#####..",
     "..#######.",
     ".#########",
     ".#########",
     ".#########",
     "..##.#.##.",
     ".....#....",
     "....###...",
     "..........",
     "..........",
     ".........."},
    {"..........",  // heart
     "..rr...rr.",
     ".rrrr.rrrr",
     ".rrrrrrrrr",
     ".rrrrrrrrr",
     ".rrrrrrrrr",
     "..rrrrrrr.",
     "...rrrrr..",
     "....rrr...",
     ".....r....",
     "..........",
     "..........",
     "..........",
     ".........."},
    {"..........",  // diamond
     ".....r....",
     "....rrr...",
     "....rrr...",
     "...rrrrr..",
     "..rrrrrrr.",
     ".rrrrrrrrr",
     "..rrrrrrr.",
     "...rrrrr..",
     "....rrr...",
     "....rrr...",
     ".....r....",
     "..........",
     ".........."},
}};

// clang-format on

constexpr std::array<Cell, 13> kRankCells = toCells(kRankText);
constexpr std::array<Cell, 4> kSuitCells = toCells(kSuitText);

// Suit number (spade, club, heart, diamond) -> storage index.
constexpr int kSuitStorageIndex[4] = {1, 0, 2, 3};

}  // namespace

const uint16_t* rankGlyph(int rank) {
    if (rank < 0 || rank >= 13) return nullptr;
    return kRankCells[rank].data();
}

const uint16_t* suitGlyph(int suit) {
    if (suit < 0 || suit >= 4) return nullptr;
    return kSuitCells[kSuitStorageIndex[suit]].data();
}

const uint16_t* suitCell(int storageIndex) {
    if (storageIndex < 0 || storageIndex >= 4) return nullptr;
    return kSuitCells[storageIndex].data();
}

}  // namespace gamekit
