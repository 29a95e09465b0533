#pragma once

// The present conversions in the widest vectors the processor has, chosen
// when the program runs (AVX2 on x86-64: 32-byte registers, twice the SSE2
// baseline the rest of the program is compiled for). Each writes the same
// bytes as the other paths of Presentation.cpp.

#include <cstdint>

namespace gamekit::present_wide {

// Whether this processor runs the functions below; none of them may be
// called where it does not.
bool available();

// The landscape buffer seen in portrait: source pixel (x, y) at
// topLeft + 2y - 640x.
void landscape(const uint16_t* back, uint8_t* topLeft);
// The 8-bit screen: one summed-field byte a pixel.
void eightBit(const uint16_t* back, uint8_t* destination);
// The 4-bit landscape grey screen, 160 bytes a row.
void grey(const uint16_t* back, uint8_t* destination);

}  // namespace gamekit::present_wide
