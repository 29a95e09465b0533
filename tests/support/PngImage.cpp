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

}  // namespace testing_support
