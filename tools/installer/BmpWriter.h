#pragma once

#include <cstdint>
#include <vector>

#include "tools/installer/Canvas.h"

namespace installer {

// The canvas as an uncompressed 24-bit Windows bitmap: 14-byte file header,
// 40-byte info header, no colour table, rows bottom first, each padded to a
// multiple of 4 bytes, pixels as blue, green, red.
std::vector<uint8_t> encodeBmp24(const Canvas& canvas);

}  // namespace installer
