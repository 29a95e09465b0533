#pragma once

#include <string>
#include <vector>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Surface.h"

namespace font_test {

constexpr gamekit::Colour kInk = 0x1234;
constexpr gamekit::Colour kPaper = 0xABCD;
constexpr gamekit::Colour kUntouched = 0x5A5A;

// A surface inside a larger buffer whose margins are filled with a sentinel,
// so a write outside the surface (before its first pixel or past its last)
// shows up as a changed guard.
class GuardedSurface {
  public:
    GuardedSurface(int width, int height, int guard = 64)
        : guard_(guard),
          buffer_(static_cast<size_t>(width) * height + 2 * guard, kGuard),
          surface_(buffer_.data() + guard, width, height) {
        surface_.fill(kUntouched);
    }
    gamekit::Surface& surface() { return surface_; }
    bool guardsIntact() const {
        for (int i = 0; i < guard_; ++i) {
            if (buffer_[i] != kGuard || buffer_[buffer_.size() - 1 - i] != kGuard) return false;
        }
        return true;
    }
    static constexpr uint16_t kGuard = 0xDEAD;

  private:
    int guard_;
    std::vector<uint16_t> buffer_;
    gamekit::Surface surface_;
};

// The surface as text, one line per row: '#' ink, '.' paper, ' ' anything else.
inline std::string asciiArt(const gamekit::Surface& s) {
    std::string art;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const uint16_t p = s.pixel(x, y);
            art += p == kInk ? '#' : p == kPaper ? '.' : ' ';
        }
        art += '\n';
    }
    return art;
}

// Renders `text` in ink on paper into a surface exactly as wide as its
// measured width and returns it as ASCII art, for failure messages and for
// looking at the glyphs.
inline std::string renderAscii(gamekit::BitmapFont& font, const char* text) {
    gamekit::FontStyle style(font, kInk, kPaper, false);
    const int width = font.measure(text);
    if (width == 0) return "";
    gamekit::Surface s(width, font.height());
    font.draw(s, 0, 0, text);
    return asciiArt(s);
}

// Count of pixels of `s` equal to `colour`.
inline int countPixels(const gamekit::Surface& s, gamekit::Colour colour) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == colour;
    }
    return n;
}

}  // namespace font_test
