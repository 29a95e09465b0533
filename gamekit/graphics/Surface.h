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

class DrawingRecord;

// A 16-bit image that drawing writes into: row-major, pixel (x, y) at index
// y * stride + x. Either over pixels owned elsewhere (the screen image, with
// no padding), owning width x height pixels of its own, or a window onto a
// rectangle of another surface.
//
// While a DrawingRecord listens to a surface (the frame the main loop
// draws), the drawing calls on it are noted instead of painted.
// Asking such a surface for its pixels paints everything noted so far first
// and the rest of the frame straight away, so code that reads or writes the
// pixels itself always sees the frame as drawn up to that point.
class Surface {
public:
    Surface(uint16_t* pixels, int width, int height);
    Surface(int width, int height);
    // The part of `parent` from (x, y), width x height pixels, cut to the
    // parent: the window's (0, 0) is the top-left pixel of what lies on the
    // parent. Drawing on the window lands on the parent's pixels, and the
    // window listens to whatever record the parent does.
    Surface(Surface& parent, int x, int y, int width, int height);
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface();

    uint16_t* pixels() const {
        if (record_ != nullptr) paintRecord();
        return pixels_;
    }
    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels from one row to the next: the width, except on a window.
    int stride() const { return stride_; }
    bool ownsPixels() const { return ownsPixels_; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    uint16_t* row(int y) const { return pixels() + static_cast<long>(y) * stride_; }
    uint16_t pixel(int x, int y) const { return row(y)[x]; }
    // Writes one pixel when (x, y) lies inside; anything outside is dropped.
    void putPixel(int x, int y, Colour colour);
    void fill(Colour colour);

    // The record listening to this surface, or null, and where the
    // surface's (0, 0) lies on the surface the record listens to.
    DrawingRecord* record() const { return record_; }
    int originX() const { return originX_; }
    int originY() const { return originY_; }

  private:
    friend class DrawingRecord;
    void paintRecord() const;

    uint16_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    bool ownsPixels_ = false;
    DrawingRecord* record_ = nullptr;
    int originX_ = 0;
    int originY_ = 0;
};

}  // namespace gamekit
