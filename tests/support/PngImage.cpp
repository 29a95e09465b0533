#include "support/PngImage.h"

#include <png.h>

#include <cstdio>

namespace testing_support {

bool PngImage::load(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> buffer(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) return false;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    pixels.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = (uint32_t{buffer[i * 3]} << 16) | (uint32_t{buffer[i * 3 + 1]} << 8) | buffer[i * 3 + 2];
    }
    return true;
}

uint32_t screenColour(uint16_t c) {
    const uint32_t r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
    // The decoder widens each field by repeating its top bits.
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

int countPixels(const PngImage& image, int x1, int y1, int x2, int y2, uint32_t colour) {
    int n = 0;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) n += image.at(x, y) == colour;
    }
    return n;
}

}  // namespace testing_support
