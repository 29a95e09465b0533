#include "gamekit/graphics/BitmapFont.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "gamekit/graphics/GlyphTable.h"

namespace gamekit {

BitmapFont::BitmapFont(int height, const int16_t* packed) : height_(height), packed_(packed) {}

BitmapFont::~BitmapFont() = default;

const int16_t* BitmapFont::glyph(unsigned char c) const {
    const int slot = glyphs::slotOf(c);
    if (slot < 0 || packed_ == nullptr) return nullptr;
    return packed_ + slot * (height_ + 1);
}

int BitmapFont::glyphWidth(unsigned char c) const {
    const int16_t* g = glyph(c);
    return g ? g[height_] : 0;
}

int BitmapFont::measure(const char* text) const {
    if (text == nullptr) return 0;
    int width = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        const int w = glyphWidth(static_cast<unsigned char>(*p));
        if (w > 0) width += w + 1;
    }
    return width;
}

int BitmapFont::draw(Surface& target, int x, int y, const char* text) const {
    if (text == nullptr) return 0;
    const int length = static_cast<int>(std::strlen(text));
    // Text wholly above or below the target writes nothing; past this test
    // y + row stays within int for every row.
    if (y >= target.height() || static_cast<long>(y) + height_ <= 0) return length;
    long pen = x;
    for (const char* p = text; *p != '\0'; ++p) {
        // Everything from here on lies right of the target.
        if (pen >= target.width()) break;
        const int16_t* g = glyph(static_cast<unsigned char>(*p));
        pen += g ? drawGlyph(target, static_cast<int>(pen), y, g) : 1;
    }
    return length;
}

// A start column left of the int range only moves text that is off any
// target anyway; clamping it keeps the subtraction defined.
static int startColumn(int anchor, int offset) {
    const long x = static_cast<long>(anchor) - offset;
    return x < INT_MIN ? INT_MIN : static_cast<int>(x);
}

int BitmapFont::drawCentred(Surface& target, int centreX, int y, const char* text) const {
    return draw(target, startColumn(centreX, measure(text) / 2), y, text);
}

int BitmapFont::drawRight(Surface& target, int rightX, int y, const char* text) const {
    return draw(target, startColumn(rightX, measure(text)), y, text);
}

namespace {

using Pixels8 = uint16_t __attribute__((vector_size(16)));

Pixels8 loadEight(const uint16_t* p) {
    Pixels8 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

}  // namespace

// A cell with room for all 16 columns a glyph can span to its right: each
// row as two vectors of eight pixels (SSE2, NEON), the bit of every column
// tested at once. Columns past the cell keep what they held.
void BitmapFont::drawWholeCell(Surface& target, int x, int y, const int16_t* g, long firstRow,
                               long endRow, int cellWidth, uint16_t keepUnder,
                               uint16_t background) const {
    const int width = g[height_];
    // Column c shows bit width - c of the row shifted left once; the gap
    // column's bit is always clear.
    uint16_t bitOf[kCellSpan], inCell[kCellSpan];
    for (int c = 0; c < kCellSpan; ++c) {
        bitOf[c] = c <= width ? static_cast<uint16_t>(1u << (width - c)) : 0;
        inCell[c] = c < cellWidth ? 0xFFFF : 0;
    }
    const Pixels8 bitLow = loadEight(bitOf), bitHigh = loadEight(bitOf + 8);
    const Pixels8 cellLow = loadEight(inCell), cellHigh = loadEight(inCell + 8);
    auto eight = [&](Pixels8 under, Pixels8 bit, Pixels8 cell, uint16_t bits) {
        const Pixels8 set = reinterpret_cast<Pixels8>((bit & bits) != 0);
        const Pixels8 drawn = (set & foreground_) | (~set & ((under & keepUnder) | background));
        return (cell & drawn) | (~cell & under);
    };
    for (long r = firstRow; r < endRow; ++r) {
        uint16_t* out = target.row(static_cast<int>(y + r)) + x;
        const uint16_t bits = static_cast<uint16_t>(static_cast<uint16_t>(g[r]) << 1);
        const Pixels8 low = eight(loadEight(out), bitLow, cellLow, bits);
        const Pixels8 high = eight(loadEight(out + 8), bitHigh, cellHigh, bits);
        std::memcpy(out, &low, sizeof low);
        std::memcpy(out + 8, &high, sizeof high);
    }
}

// Draws one glyph cell at (x, y) and returns the pen advance. The cell is
// clipped to the target once, so text running off any edge can never spill
// into the next row or beyond the pixel array; inside, each pixel is chosen
// from its bit with masks, no branch per pixel.
// The caller guarantees x < target width, so x + cell width cannot overflow.
int BitmapFont::drawGlyph(Surface& target, int x, int y, const int16_t* g) const {
    const int width = g[height_];
    const int cellWidth = transparent_ ? width : width + 1;
    if (x <= -cellWidth) return width + 1;
    const int firstColumn = x < 0 ? -x : 0;
    const int endColumn = x + cellWidth > target.width() ? target.width() - x : cellWidth;
    if (firstColumn >= endColumn) return width + 1;
    const long firstRow = std::max(0L, -long{y});
    const long endRow = std::min(long{height_}, long{target.height()} - y);
    // Under a clear bit: the background, or what is there when transparent.
    const uint16_t keepUnder = transparent_ ? 0xFFFF : 0;
    const uint16_t background = background_ & ~keepUnder;
    if (x >= 0 && long{x} + kCellSpan <= target.width()) {
        drawWholeCell(target, x, y, g, firstRow, endRow, cellWidth, keepUnder, background);
        return width + 1;
    }
    for (long r = firstRow; r < endRow; ++r) {
        uint16_t* row = target.row(static_cast<int>(y + r));
        // The gap column (index `width`) has no bit: it is always background.
        const unsigned bits = static_cast<uint16_t>(g[r]) << 1;
        for (int column = firstColumn; column < endColumn; ++column) {
            const uint16_t set = static_cast<uint16_t>(0u - ((bits >> (width - column)) & 1u));
            uint16_t& pixel = row[x + column];
            const uint16_t under = static_cast<uint16_t>((pixel & keepUnder) | background);
            pixel = static_cast<uint16_t>((foreground_ & set) | (under & ~set));
        }
    }
    return width + 1;
}

BitmapFont& font1() {
    static BitmapFont font(glyphs::font1Glyphs().height, glyphs::font1Glyphs().packed);
    return font;
}

BitmapFont& font2() {
    static BitmapFont font(glyphs::font2Glyphs().height, glyphs::font2Glyphs().packed);
    return font;
}

BitmapFont& font3() {
    static BitmapFont font(glyphs::font3Glyphs().height, glyphs::font3Glyphs().packed);
    return font;
}

FontStyle::FontStyle(BitmapFont& font)
    : font_(font),
      foreground_(font.foreground()),
      background_(font.background()),
      transparent_(font.transparent()) {}

FontStyle::FontStyle(BitmapFont& font, Colour foreground, Colour background, bool transparent)
    : FontStyle(font) {
    font.setColours(foreground, background);
    font.setTransparent(transparent);
}

FontStyle::~FontStyle() {
    font_.setColours(foreground_, background_);
    font_.setTransparent(transparent_);
}

}  // namespace gamekit
