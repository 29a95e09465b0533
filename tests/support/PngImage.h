#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// An RGB picture read from a PNG file; pixels as 0xRRGGBB.
struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    bool load(const std::string& path);
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A device colour (RGB 565) as a decoded screenshot shows it.
uint32_t screenColour(uint16_t colour);
// How many pixels from (x1, y1) to (x2, y2), both included, are `colour`.
int countPixels(const PngImage& image, int x1, int y1, int x2, int y2, uint32_t colour);
inline bool anyPixel(const PngImage& image, int x1, int y1, int x2, int y2,
                     uint32_t colour = 0x000000u) {
    return countPixels(image, x1, y1, x2, y2, colour) > 0;
}

}  // namespace testing_support
