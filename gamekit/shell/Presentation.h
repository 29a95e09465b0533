#pragma once

#include <cstdint>

#include "platform/ScreenSize.h"

namespace gamekit {

using platform::kScreenHeight;
using platform::kScreenWidth;

// The display as the frame-buffer API describes it, noted once at start.
struct DisplayInfo {
    int32_t bitsPerPixel = 16;
    int32_t xPitch = 2;
    int32_t yPitch = 480;
    bool fixedFrameBuffer = false;
};

// Copies the 240 x 320 5-6-5 image `back` to `destination`, the address of
// the screen's top-left pixel, in the layout and depth `info` describes:
// 16 bits with any pitches (a block copy for pitch 480, rows 512 bytes apart
// for other x-pitch-2 layouts, per pixel otherwise), 8 bits as summed
// fields, 4 bits as a landscape grey screen; other depths get nothing.
void convertFrame(const uint16_t* back, const DisplayInfo& info, uint8_t* destination);

// How a frame is converted: with the widest vectors the processor has,
// chosen when the program runs (AVX2 where an x86-64 processor has it), with
// the vector unit the program is compiled for (SSE2 on x86-64, NEON on ARM)
// or in portable blocks. All write the same bytes; Wide is the Vector path
// where the processor has nothing wider (and for the 16-bit layouts, already
// at the copy's speed), Vector the Blocked path where there is no vector unit.
enum class PresentPath { Wide, Vector, Blocked };
bool hasVectorPresent();
void convertFrame(const uint16_t* back, const DisplayInfo& info, uint8_t* destination, PresentPath path);

// Copies rows top..bottom-1 of `back` alone where the display's rows are
// the image's rows (16 bits, 2-byte x-pitch); false, with nothing written,
// for any other layout, which takes whole frames.
bool convertRows(const uint16_t* back, const DisplayInfo& info, uint8_t* destination, int top,
                 int bottom);

// The fixed-frame-buffer device: the picture turned by a quarter into a
// landscape buffer of 640 bytes a row, written from the cell that stands for
// the device's fixed address.
void convertFrameFixed(const uint16_t* back, uint8_t* fixedAddress);
void convertFrameFixed(const uint16_t* back, uint8_t* fixedAddress, PresentPath path);

// The 8-bit value and 4-bit grey level of one 5-6-5 pixel.
inline uint8_t eightBitValue(uint16_t p) {
    return static_cast<uint8_t>(((p >> 9) & 0x60) + ((p >> 5) & 0x38) + ((p >> 3) & 0x03));
}
inline uint8_t greyLevel(uint16_t p) {
    return static_cast<uint8_t>((((p >> 5) & 0x3F) + ((p >> 11) & 0x1F) + (p & 0x1F)) >> 3);
}

// Copies backBuffer to the display in use: the rows written since the last
// time where the layout allows, else the whole frame. The display keeps
// what it was given.
void presentFrame();

}  // namespace gamekit
