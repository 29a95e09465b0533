#pragma once

// Pictures of random pixels that the random scenes draw their card backs
// from, in the card-backs strip's size.

#include <cstdint>
#include <random>
#include <vector>

#include "gamekit/cards/CardTheme.h"

namespace drawing_test {

inline std::vector<uint16_t> randomBackStrip(std::mt19937& random) {
    std::vector<uint16_t> strip(gamekit::kBackStripWidth * gamekit::kBackHeight);
    for (uint16_t& pixel : strip) pixel = static_cast<uint16_t>(random());
    return strip;
}

}  // namespace drawing_test
