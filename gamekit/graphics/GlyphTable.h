#pragma once

#include <array>
#include <cstdint>

// The glyph art of the built-in fonts is kept as text, one string per pixel
// row ('#' set, '.' clear), so a glyph can be read and edited in the source.
// This header turns that art into the packed rows the font draws from, at
// compile time, and lets each font file prove its art matches its widths.

namespace gamekit::glyphs {

// Slots in this order: "a".."z", "A".."Z", characters 32..64, 91..96, "~".
constexpr int kGlyphSlots = 92;
constexpr int kMaxGlyphWidth = 15;

// The slot of a character, or -1 when the fonts have no glyph for it.
constexpr int slotOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= 'A' && c <= 'Z') return 26 + (c - 'A');
    if (c >= 32 && c <= 64) return 52 + (c - 32);
    if (c >= 91 && c <= 96) return 85 + (c - 91);
    if (c == '~') return 91;
    return -1;
}

constexpr unsigned char characterOfSlot(int slot) {
    if (slot < 26) return static_cast<unsigned char>('a' + slot);
    if (slot < 52) return static_cast<unsigned char>('A' + (slot - 26));
    if (slot < 85) return static_cast<unsigned char>(32 + (slot - 52));
    if (slot < 91) return static_cast<unsigned char>(91 + (slot - 85));
    return '~';
}

// One glyph as drawn in the source. A table that leaves out a row leaves a
// null pointer here, which the check below reports.
template <int Height>
struct GlyphArt {
    char character;
    const char* rows[Height];
};

template <int Height>
using GlyphArtTable = std::array<GlyphArt<Height>, kGlyphSlots>;
using WidthTable = std::array<uint8_t, kGlyphSlots>;

constexpr int lengthOf(const char* text) {
    int n = 0;
    while (text[n] != '\0') ++n;
    return n;
}

// The first slot whose art is malformed (entry for another character, a
// missing row, a row whose length differs from the slot's width, a character
// other than '#' or '.', a width outside 1..15), or -1 when all are sound.
// Fonts state `static_assert(firstMalformedGlyph(...) == -1)`, so the
// compiler names the offending slot.
template <int Height>
constexpr int firstMalformedGlyph(const GlyphArtTable<Height>& art, const WidthTable& widths) {
    for (int slot = 0; slot < kGlyphSlots; ++slot) {
        const GlyphArt<Height>& glyph = art[slot];
        const int width = widths[slot];
        if (static_cast<unsigned char>(glyph.character) != characterOfSlot(slot)) return slot;
        if (width < 1 || width > kMaxGlyphWidth) return slot;
        for (const char* row : glyph.rows) {
            if (row == nullptr || lengthOf(row) != width) return slot;
            for (int i = 0; i < width; ++i) {
                if (row[i] != '#' && row[i] != '.') return slot;
            }
        }
    }
    return -1;
}

// Every glyph as Height row values followed by its width, slot after slot.
// In a row, bit width - 1 is the leftmost pixel and bit 0 the rightmost.
template <int Height>
using PackedGlyphs = std::array<int16_t, kGlyphSlots*(Height + 1)>;

template <int Height>
constexpr PackedGlyphs<Height> packGlyphs(const GlyphArtTable<Height>& art,
                                          const WidthTable& widths) {
    PackedGlyphs<Height> packed{};
    for (int slot = 0; slot < kGlyphSlots; ++slot) {
        const int width = widths[slot];
        int16_t* glyph = packed.data() + slot * (Height + 1);
        for (int r = 0; r < Height; ++r) {
            int bits = 0;
            for (int i = 0; i < width; ++i) bits = (bits << 1) | (art[slot].rows[r][i] == '#');
            glyph[r] = static_cast<int16_t>(bits);
        }
        glyph[Height] = static_cast<int16_t>(width);
    }
    return packed;
}

// What a font is built from: its height and its packed glyphs.
struct FontGlyphs {
    int height;
    const int16_t* packed;
};

const FontGlyphs& font1Glyphs();
const FontGlyphs& font2Glyphs();
const FontGlyphs& font3Glyphs();

}  // namespace gamekit::glyphs
