#pragma once

#include <cstdint>
#include <vector>

#include "gamekit/graphics/Surface.h"

namespace gamekit {

struct DrawCommand;

// A proportional bitmap font over constant glyph tables. Every glyph is
// `height()` rows high and 1 to 15 pixels wide; the pen advances by the
// glyph's width plus one. Only "a".."z", "A".."Z", the characters 32..64,
// 91..96 and "~" have glyphs; any other byte draws nothing and measures 0.
//
// The colours and the transparent flag are state of the font, shared by
// every caller: set them before drawing and put them back afterwards
// (FontStyle does both).
class BitmapFont {
  public:
    // `packed` holds 92 glyphs in slot order, each `height` rows followed by
    // its width, and must outlive the font.
    BitmapFont(int height, const int16_t* packed);
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;
    virtual ~BitmapFont();

    int height() const { return height_; }

    void setColours(Colour foreground, Colour background) {
        foreground_ = foreground;
        background_ = background;
    }
    void setForeground(Colour foreground) { foreground_ = foreground; }
    void setBackground(Colour background) { background_ = background; }
    Colour foreground() const { return foreground_; }
    Colour background() const { return background_; }
    // When set, only the glyphs' set pixels are written; when clear, the
    // whole cell (glyph plus the one-pixel gap after it) is.
    void setTransparent(bool transparent) { transparent_ = transparent; }
    bool transparent() const { return transparent_; }

    // The glyph of `c`: `height()` row values then its width, or nullptr.
    const int16_t* glyph(unsigned char c) const;
    // Width of the glyph of `c` in pixels, 0 when it has none.
    int glyphWidth(unsigned char c) const;

    // Sum of (glyph width + 1) over the characters that have a glyph.
    int measure(const char* text) const;

    // Draws `text` with its top-left pixel at (x, y) and returns its length
    // in bytes. A character without a glyph draws nothing and moves the pen
    // one pixel. Pixels that fall outside `target` are dropped.
    int draw(Surface& target, int x, int y, const char* text) const;
    // Draws `text` starting at centreX - measure(text) / 2.
    int drawCentred(Surface& target, int centreX, int y, const char* text) const;
    // Draws `text` so that its measured width (the gap after the last glyph
    // included) ends just left of rightX: it starts at rightX - measure(text).
    int drawRight(Surface& target, int rightX, int y, const char* text) const;

  private:
    struct Ink {
        Colour foreground, background;
        bool transparent;
    };
    // Paints a noted call of draw (see DrawingRecord).
    static void paintText(Surface& target, const DrawCommand& command, int dx, int dy,
                          const uint8_t* extra);

    // The columns text is laid out in at a time: the widest screen fits.
    static constexpr int kWindowColumns = 320;
    // The rows laid out at a time: every built-in font's height fits.
    static constexpr int kBandRows = 16;

    void flipRows();
    void drawInk(Surface& target, int x, int y, const char* text, Ink ink) const;
    void drawWindow(Surface& target, int x, int y, const char* text, int left, Ink ink) const;
    void drawBand(Surface& target, int x, int y, const char* text, int left, int firstRow,
                  int endRow, Ink ink) const;
    // Columns from the start of `text` to the end of its last cell.
    long advance(const char* text) const;

    int height_;
    const int16_t* packed_;
    // Every glyph row with column c in bit c, slot after slot.
    std::vector<uint16_t> flipped_;
    // How far each byte moves the pen (its glyph's width plus one, or one)
    // and what it adds to a measure (the same, or nothing without a glyph).
    uint8_t advances_[256] = {};
    uint8_t measures_[256] = {};
    Colour foreground_ = colours::kBlack;
    Colour background_ = colours::kWhite;
    bool transparent_ = false;
};

// The three built-in fonts, each made on first use and kept for the life of
// the process. Font 1 (11 rows, regular) is the default; font 2 (11 rows) is
// bold; font 3 (14 rows) is the large one.
BitmapFont& font1();
BitmapFont& font2();
BitmapFont& font3();

// Saves a font's colours and transparent flag and puts them back when it
// goes out of scope, so a drawing routine can restyle a shared font freely.
class FontStyle {
  public:
    explicit FontStyle(BitmapFont& font);
    // Saves, then applies the given style.
    FontStyle(BitmapFont& font, Colour foreground, Colour background, bool transparent);
    FontStyle(const FontStyle&) = delete;
    FontStyle& operator=(const FontStyle&) = delete;
    ~FontStyle();

  private:
    BitmapFont& font_;
    Colour foreground_;
    Colour background_;
    bool transparent_;
};

}  // namespace gamekit
