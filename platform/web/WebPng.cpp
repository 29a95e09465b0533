// The browser build writes no PNG files: its screen is the page's canvas,
// which the page itself can save. Callers are told it failed.

#include <cstdio>

#include "platform/Platform.h"

namespace platform {

bool writePng(const std::string& path, int, int, const uint32_t*) {
    std::fprintf(stderr, "%s: pictures are not written in the browser build\n", path.c_str());
    return false;
}

bool writePng(const std::string& path, const ScreenImage& image) {
    return writePng(path, ScreenImage::kWidth, ScreenImage::kHeight, image.pixels.data());
}

}  // namespace platform
