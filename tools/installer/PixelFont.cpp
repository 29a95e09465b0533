#include "tools/installer/PixelFont.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace installer {

namespace {

struct Glyph {
    char c;
    const char* rows[kFontCellHeight];
};

// One text row per pixel row; '#' is ink.
// clang-format off
constexpr Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {'-', {".....", ".....", ".....", "####.", ".....", ".....", "....."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
    {'/', {"....#", "...#.", "...#.", "..#..", ".#...", ".#...", "#...."}},
};
// clang-format on

consteval bool everyRowFiveWide() {
    for (const Glyph& g : kGlyphs) {
        for (const char* row : g.rows) {
            int n = 0;
            while (row[n] != '\0') ++n;
            if (n != kFontCellWidth) return false;
        }
    }
    return true;
}
static_assert(everyRowFiveWide(), "a font row is not 5 characters wide");

const Glyph* glyphFor(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Glyph& g : kGlyphs) {
        if (g.c == upper) return &g;
    }
    return nullptr;
}

}  // namespace

int textWidth(const char* text, int scale) {
    const int n = static_cast<int>(std::strlen(text));
    return n == 0 ? 0 : (n * (kFontCellWidth + 1) - 1) * scale;
}

namespace {
std::vector<DrawnText>* textLog = nullptr;
}  // namespace

void logDrawnText(std::vector<DrawnText>* log) { textLog = log; }

void noteText(const Canvas& canvas, int x, int y, int width, int height, const char* text) {
    if (textLog != nullptr && *text != '\0') textLog->push_back({&canvas, x, y, width, height, text});
}

int narrowTextWidth(const char* text) {
    const int n = static_cast<int>(std::strlen(text));
    return n == 0 ? 0 : n * kFontCellWidth - 1;
}

void drawNarrowText(Canvas& canvas, int x, int y, const char* text, Rgb colour) {
    noteText(canvas, x, y, narrowTextWidth(text), kFontCellHeight, text);
    for (; *text != '\0'; ++text, x += kFontCellWidth) {
        const Glyph* g = glyphFor(*text);
        if (g == nullptr) continue;
        for (int row = 0; row < kFontCellHeight; ++row) {
            const char* r = g->rows[row];
            // Columns 1 and 2 become one.
            const bool ink[4] = {r[0] == '#', r[1] == '#' || r[2] == '#', r[3] == '#', r[4] == '#'};
            for (int col = 0; col < 4; ++col) {
                if (ink[col]) canvas.set(x + col, y + row, colour);
            }
        }
    }
}

void drawText(Canvas& canvas, int x, int y, const char* text, Rgb colour, int scale) {
    noteText(canvas, x, y, textWidth(text, scale), kFontCellHeight * scale, text);
    for (; *text != '\0'; ++text, x += (kFontCellWidth + 1) * scale) {
        const Glyph* g = glyphFor(*text);
        if (g == nullptr) continue;
        for (int row = 0; row < kFontCellHeight; ++row) {
            for (int col = 0; col < kFontCellWidth; ++col) {
                if (g->rows[row][col] == '#') {
                    canvas.fillRect(x + col * scale, y + row * scale, scale, scale, colour);
                }
            }
        }
    }
}

void drawTextCentred(Canvas& canvas, int centreX, int y, const char* text, Rgb colour, int scale) {
    drawText(canvas, centreX - textWidth(text, scale) / 2, y, text, colour, scale);
}

void drawNarrowTextCentred(Canvas& canvas, int centreX, int y, const char* text, Rgb colour) {
    drawNarrowText(canvas, centreX - narrowTextWidth(text) / 2, y, text, colour);
}

}  // namespace installer
