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

}  // namespace testing_support
