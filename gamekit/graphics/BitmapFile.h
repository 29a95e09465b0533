#pragma once

// Reads a 24-bit Windows bitmap file into the caller's buffer of 5-6-5
// pixels. The file is looked up in "\Windows\" first, then in installDir when
// that came from the registry.

#include <cstdint>

namespace gamekit {

// The largest width or height a picture of ours may have; anything bigger is
// a damaged header, refused before any allocation.
constexpr int kMaxBitmapSide = 4096;

// Loads `name` (a bare file name) as a `width` x `height` picture: pixel
// (x, y), y = 0 the top row, lands at destination[y * stride + x] for
// y < lastRow and x < stride. Returns false, with the buffer possibly partly
// written, when the file is missing or is not an uncompressed 24-bit bitmap
// of exactly that size, or is short, or its headers contradict each other.
bool loadBitmap(const wchar_t* name, int width, int height, uint16_t* destination, int stride,
                int lastRow);

// loadBitmap for the programs' own pictures, without which they cannot run:
// a failure ends the program through fatalError with
// "Files missing - Reinstall application".
void loadBitmapOrDie(const wchar_t* name, int width, int height, uint16_t* destination, int stride,
                     int lastRow);

}  // namespace gamekit
