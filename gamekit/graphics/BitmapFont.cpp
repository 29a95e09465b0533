#include "gamekit/graphics/BitmapFont.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/GlyphTable.h"

namespace gamekit {

BitmapFont::BitmapFont(int height, const int16_t* packed) : height_(height), packed_(packed) {
    flipRows();
    for (int c = 0; c < 256; ++c) {
        const int w = glyphWidth(static_cast<unsigned char>(c));
        advances_[c] = static_cast<uint8_t>(w > 0 ? w + 1 : 1);
        measures_[c] = static_cast<uint8_t>(w > 0 ? w + 1 : 0);
    }
}

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
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p != '\0'; ++p)
        width += measures_[*p];
    return width;
}

long BitmapFont::advance(const char* text) const {
    long width = 0;
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p != '\0'; ++p)
        width += advances_[*p];
    return width;
}

int BitmapFont::draw(Surface& target, int x, int y, const char* text) const {
    if (text == nullptr) return 0;
    const int length = static_cast<int>(std::strlen(text));
    const Ink ink{foreground_, background_, transparent_};
    if (DrawingRecord* record = target.record()) {
        // The style is the font's now, so it goes with the call; the text
        // cuts at any box like the surface's edges.
        const DrawCommand c = DrawCommand::make(
            &paintText, true, {x, y, ink.foreground, ink.background, ink.transparent}, this);
        if (record->note(target, c, x, y, x + advance(text), static_cast<long long>(y) + height_,
                         text, static_cast<size_t>(length) + 1)) {
            return length;
        }
    }
    drawInk(target, x, y, text, ink);
    return length;
}

void BitmapFont::paintText(Surface& target, const DrawCommand& c, int dx, int dy,
                           const uint8_t* extra) {
    const auto* font = static_cast<const BitmapFont*>(c.pointer);
    const Ink ink{static_cast<Colour>(c.value[2]), static_cast<Colour>(c.value[3]),
                  c.value[4] != 0};
    font->drawInk(target, c.value[0] + dx, c.value[1] + dy, reinterpret_cast<const char*>(extra),
                  ink);
}

void BitmapFont::drawInk(Surface& target, int x, int y, const char* text, Ink ink) const {
    // Text wholly above or below the target writes nothing; past this test
    // y + row stays within int for every row.
    if (y >= target.height() || static_cast<long>(y) + height_ <= 0 || packed_ == nullptr) return;
    // The visible columns are laid out window by window; a window holds
    // the screen's width, so text on the screen takes one pass.
    for (long left = std::max(0L, long{x}); left < target.width(); left += kWindowColumns) {
        drawWindow(target, x, y, text, static_cast<int>(left), ink);
    }
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

// Each lane all ones where its bit of `bits` is set: lane i stands for bit i.
Pixels8 laneMask(unsigned bits) {
    const Pixels8 lanes = {1, 2, 4, 8, 16, 32, 64, 128};
    return reinterpret_cast<Pixels8>(((Pixels8{} + static_cast<uint16_t>(bits)) & lanes) != 0);
}

// ORs one cell into `rows` rows of 64-bit words, `stride` words apart:
// bit i of values[r] for column `at` + i of row r. The cell starts left of
// column 0 by less than its 16 columns, or inside the row; columns past the
// row's `words` words are dropped. Where the bits land is worked out once
// for the cell, not per row.
void orCell(uint64_t* rows, int count, int stride, int words, const uint16_t* values, long at) {
    if (at < 0) {
        for (int r = 0; r < count; ++r) rows[r * stride] |= uint64_t{values[r]} >> -at;
        return;
    }
    const long word = at >> 6;
    if (word >= words) return;
    const int shift = static_cast<int>(at & 63);
    uint64_t* out = rows + word;
    if (shift <= 48 || word + 1 >= words) {
        for (int r = 0; r < count; ++r) out[r * stride] |= uint64_t{values[r]} << shift;
        return;
    }
    for (int r = 0; r < count; ++r) {
        out[r * stride] |= uint64_t{values[r]} << shift;
        out[r * stride + 1] |= uint64_t{values[r]} >> (64 - shift);
    }
}

}  // namespace

void BitmapFont::flipRows() {
    if (packed_ == nullptr) return;
    flipped_.resize(static_cast<size_t>(glyphs::kGlyphSlots) * height_);
    for (int slot = 0; slot < glyphs::kGlyphSlots; ++slot) {
        const int16_t* g = packed_ + slot * (height_ + 1);
        const int width = g[height_];
        for (int r = 0; r < height_; ++r) {
            uint16_t bits = 0;
            for (int c = 0; c < width; ++c) {
                if ((static_cast<uint16_t>(g[r]) >> (width - 1 - c)) & 1u) bits |= 1u << c;
            }
            flipped_[static_cast<size_t>(slot) * height_ + r] = bits;
        }
    }
}

// Lays out the glyph bits of every cell that reaches the columns from
// `left` (at most kWindowColumns of them, none past the target) into one
// row of bits per pixel row, with one more row marking the cells' columns,
// then writes those columns eight at a time with masks: no test per pixel,
// and nothing written outside the target or outside a cell. The rows go in
// bands of kBandRows, each laid out on its own.
void BitmapFont::drawWindow(Surface& target, int x, int y, const char* text, int left,
                            Ink ink) const {
    const int firstRow = std::max(0, -y);
    const int endRow = static_cast<int>(std::min(long{height_}, long{target.height()} - y));
    for (int band = firstRow; band < endRow; band += kBandRows) {
        drawBand(target, x, y, text, left, band, std::min(endRow, band + kBandRows), ink);
    }
}

namespace {

// The bit rows of one band of text: column c of the band's first pixel
// column at bit c, for the glyphs' set pixels and for the cells' columns.
struct BandBits {
    static constexpr int kWords = 5;  // 320 columns
    uint64_t set[16][kWords];
    uint64_t cell[kWords];

    static unsigned eightAt(const uint64_t* row, int group) {
        return static_cast<unsigned>(row[group >> 3] >> ((group & 7) * 8)) & 0xFFu;
    }
    static bool bitAt(const uint64_t* row, int column) { return (row[column >> 6] >> (column & 63)) & 1u; }
};

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__EMSCRIPTEN__)
#define GAMEKIT_TEXT_AVX2 1
#endif

#if defined(GAMEKIT_TEXT_AVX2)
// The first `steps` sixteen-pixel steps of a row (see writeRow) in AVX2's
// 32-byte registers, for processors that have them (wideWrites). Written
// out whole, with no helper taking a vector, so that every vector stays in
// code compiled for AVX2.
template <bool kTransparent>
__attribute__((target("avx2"))) void writeSixteens(uint16_t* out, const uint64_t* on,
                                                   const uint64_t* cell, int steps,
                                                   Colour foreground, Colour background) {
    using Pixels16 = uint16_t __attribute__((vector_size(32)));
    const Pixels16 lanes = {1,     2,     4,     8,      16,     32,     64,     128,
                            1 << 8, 1 << 9, 1 << 10, 1 << 11, 1 << 12, 1 << 13, 1 << 14, 1 << 15};
    for (int s = 0; s < steps; ++s) {
        const int shift = (s & 3) * 16;
        const uint16_t onBits = static_cast<uint16_t>(on[s >> 2] >> shift);
        const uint16_t inCell = kTransparent ? onBits : static_cast<uint16_t>(cell[s >> 2] >> shift);
        if (inCell == 0) continue;
        Pixels16 under;
        std::memcpy(&under, out + s * 16, sizeof under);
        const Pixels16 mark = reinterpret_cast<Pixels16>(((Pixels16{} + onBits) & lanes) != 0);
        Pixels16 result;
        if (kTransparent) {
            result = (mark & foreground) | (~mark & under);
        } else {
            const Pixels16 within = reinterpret_cast<Pixels16>(((Pixels16{} + inCell) & lanes) != 0);
            result = (within & ((mark & foreground) | (~mark & background))) | (~within & under);
        }
        std::memcpy(out + s * 16, &result, sizeof result);
    }
}

#endif

// Whether rows may be written sixteen pixels a step: never where the
// program is built for another processor family.
bool wideWrites() {
#if defined(GAMEKIT_TEXT_AVX2)
    static const bool wide = __builtin_cpu_supports("avx2");
    return wide;
#else
    return false;
#endif
}

// Writes one row of a band: in transparent text only the set pixels, in
// opaque text every pixel of a cell, set ones in the foreground and clear
// ones in the background. Sixteen pixels at a time where the processor
// can, then eight at a time up to group `groups`, then the last few up to
// `columns`. Steps and groups past the text hold no bits and write nothing.
template <bool kTransparent>
void writeRow(uint16_t* out, const uint64_t* on, const uint64_t* cell, int steps, int groups,
              int columns, Colour foreground, Colour background) {
#if defined(GAMEKIT_TEXT_AVX2)
    if (steps > 0) writeSixteens<kTransparent>(out, on, cell, steps, foreground, background);
#endif
    for (int g = steps * 2; g < groups; ++g) {
        const unsigned inCell = BandBits::eightAt(kTransparent ? on : cell, g);
        if (inCell == 0) continue;
        const Pixels8 under = loadEight(out + g * 8);
        const Pixels8 mark = laneMask(BandBits::eightAt(on, g));
        Pixels8 result;
        if (kTransparent) {
            result = (mark & foreground) | (~mark & under);
        } else {
            const Pixels8 within = laneMask(inCell);
            result = (within & ((mark & foreground) | (~mark & background))) | (~within & under);
        }
        std::memcpy(out + g * 8, &result, sizeof result);
    }
    for (int c = std::max(groups, steps * 2) * 8; c < columns; ++c) {
        if (!BandBits::bitAt(kTransparent ? on : cell, c)) continue;
        out[c] = BandBits::bitAt(on, c) ? foreground : background;
    }
}

}  // namespace

// Rows firstRow to endRow (at most kBandRows) of the cells that reach the
// window from `left`.
void BitmapFont::drawBand(Surface& target, int x, int y, const char* text, int left, int firstRow,
                          int endRow, Ink ink) const {
    static_assert(BandBits::kWords * 64 == kWindowColumns && kBandRows == 16);
    BandBits bits;
    const int rows = endRow - firstRow;
    std::memset(bits.set, 0, sizeof bits.set[0] * rows);
    std::memset(bits.cell, 0, sizeof bits.cell);
    const int columns = std::min(kWindowColumns, target.width() - left);
    long pen = x;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != '\0'; ++p) {
        // Everything from here on lies right of the window.
        if (pen >= long{left} + columns) break;
        const int slot = glyphs::slotOf(*p);
        if (slot < 0) {
            ++pen;
            continue;
        }
        const int width = packed_[slot * (height_ + 1) + height_];
        const long at = pen - left;
        pen += width + 1;
        if (pen <= left) continue;
        const uint16_t* rowBits = flipped_.data() + static_cast<size_t>(slot) * height_ + firstRow;
        orCell(bits.set[0], rows, BandBits::kWords, BandBits::kWords, rowBits, at);
        if (!ink.transparent) {
            const uint16_t cellColumns = static_cast<uint16_t>((1u << (width + 1)) - 1);
            orCell(bits.cell, 1, BandBits::kWords, BandBits::kWords, &cellColumns, at);
        }
    }
    // Only the columns the text reaches are visited.
    const int reach = static_cast<int>(std::min(long{columns}, pen - left));
    if (reach <= 0) return;
    const int steps = wideWrites() ? std::min(columns / 16, (reach + 15) / 16) : 0;
    const int groups = std::min(columns / 8, (reach + 7) / 8);
    for (int r = 0; r < rows; ++r) {
        uint16_t* out = target.row(y + firstRow + r) + left;
        if (ink.transparent) {
            writeRow<true>(out, bits.set[r], bits.cell, steps, groups, reach, ink.foreground,
                           ink.background);
        } else {
            writeRow<false>(out, bits.set[r], bits.cell, steps, groups, reach, ink.foreground,
                            ink.background);
        }
    }
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
