// Feeds arbitrary bytes to the bitmap reader as a picture file in the
// Windows directory. The caller's size is taken from the bytes where the
// file's own width and height would be, so well-formed inputs reach the pixel
// conversion; anything else must be refused without reading out of bounds.

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "gamekit/graphics/BitmapFile.h"
#include "platform/Device.h"

namespace {

std::string pictureFile;

void prepareRoot() {
    // Every input is written as a file: in memory where the machine has
    // such a directory, since a disk-backed one makes the fuzzer crawl.
    static char inMemory[] = "/dev/shm/deckhollow-fuzz-bitmap-XXXXXX";
    static char onDisk[] = "/tmp/deckhollow-fuzz-bitmap-XXXXXX";
    const char* root = ::mkdtemp(inMemory);
    if (root == nullptr) root = ::mkdtemp(onDisk);
    if (root == nullptr) abort();
    platform::setDeviceRootForTesting(root);
    std::string windows = std::string(root) + "/Windows";
    ::mkdir(windows.c_str(), 0777);
    pictureFile = windows + "/Fuzz.bmp";
}

int32_t sideAt(const uint8_t* data, size_t size, size_t at, int32_t fallback) {
    if (size < at + 4) return fallback;
    int32_t side = static_cast<int32_t>(data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) |
                                        (static_cast<uint32_t>(data[at + 3]) << 24));
    return side >= 1 && side <= 300 ? side : fallback;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (pictureFile.empty()) prepareRoot();
    FILE* out = std::fopen(pictureFile.c_str(), "wb");
    if (out == nullptr) abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) abort();
    std::fclose(out);

    int32_t width = sideAt(data, size, 18, 28);
    int32_t height = sideAt(data, size, 22, 4);
    // The stride and last row vary too, within what the caller allocates.
    int32_t stride = width + (size > 0 ? data[size - 1] % 3 : 0);
    int32_t lastRow = height - (size > 1 ? data[size - 2] % 2 : 0);
    std::vector<uint16_t> pixels(static_cast<size_t>(stride) * static_cast<size_t>(height));
    gamekit::loadBitmap(L"Fuzz.bmp", width, height, pixels.data(), stride, lastRow);
    return 0;
}
