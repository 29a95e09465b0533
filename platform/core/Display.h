#pragma once

// Internal to platform/core: the emulated frame buffer of each display kind,
// laid out as that device lays it out, and its decoding back to RGB.

#include <cstdint>
#include <vector>

#include "platform/Gx.h"
#include "platform/Platform.h"

namespace platform::display {

struct Layout {
    size_t bytes;        // size of the frame-buffer memory
    long topLeftOffset;  // where the portrait picture's top-left pixel lies
    long xPitch;
    long yPitch;
    long bitsPerPixel;
};

Layout layoutOf(DisplayKind kind);
GXDisplayProperties propertiesOf(DisplayKind kind);

// Decodes `memory`, laid out for `kind`, to 0xRRGGBB pixels.
void decode(DisplayKind kind, const uint8_t* memory, ScreenImage* image);

// The colour an 8-bit value shows. The device's 8-bit value adds the top bits
// of red, green and blue into overlapping fields, so a value can stand for
// several colours: it shows the average of them.
uint32_t paletteColour(uint8_t value);

// The frame-buffer memory of the display in use.
std::vector<uint8_t>& memory();

}  // namespace platform::display
