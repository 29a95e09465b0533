#pragma once

#include <cstdint>

#include "platform/ScreenSize.h"

namespace gamekit {

// The screen most surfaces stand for (the frame drawn every frame).
using platform::kScreenHeight;
using platform::kScreenWidth;

// A 16-bit RGB 5-6-5 colour: red in bits 15-11, green 10-5, blue 4-0.
using Colour = uint16_t;

namespace colours {
constexpr Colour kWhite = 0xFFFF;
constexpr Colour kBlack = 0x0000;
constexpr Colour kLightGrey = 0xC618;
constexpr Colour kDarkGrey = 0x4208;
constexpr Colour kMidGrey = 0x8410;
constexpr Colour kDarkBlue = 0x0012;
constexpr Colour kBlue = 0x001F;
constexpr Colour kRed = 0xF800;
constexpr Colour kYellow = 0xFFE0;
// Pixels of this colour in a Sprite's picture are not drawn.
constexpr Colour kTransparentKey = 0xF79E;
// Pixels of this colour in a program's sprite sheet are not copied.
constexpr Colour kSheetKey = 0x001F;
}  // namespace colours

// A 16-bit image that drawing writes into: row-major, no padding, pixel
// (x, y) at index y * width + x. Either over pixels owned elsewhere (the
// screen image) or owning width x height pixels of its own.
class Surface {
public:
    Surface(uint16_t* pixels, int width, int height);
    Surface(int width, int height);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface();

    uint16_t* pixels() const { return pixels_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool ownsPixels() const { return ownsPixels_; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    uint16_t* row(int y) const { return pixels_ + static_cast<long>(y) * width_; }
    uint16_t pixel(int x, int y) const { return pixels_[static_cast<long>(y) * width_ + x]; }
    // Writes one pixel when (x, y) lies inside; anything outside is dropped.
    void putPixel(int x, int y, Colour colour) {
        if (contains(x, y)) pixels_[static_cast<long>(y) * width_ + x] = colour;
    }
    void fill(Colour colour);

private:
    uint16_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool ownsPixels_ = false;
};

}  // namespace gamekit
