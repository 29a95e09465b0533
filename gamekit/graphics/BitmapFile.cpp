#include "gamekit/graphics/BitmapFile.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "gamekit/containers/FatalError.h"
#include "gamekit/settings/InstallDir.h"
#include "platform/Files.h"

namespace gamekit {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr size_t kPathChars = 400;

uint16_t read16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Closes the file and releases the block on every way out.
struct OpenBitmap {
    HANDLE file = INVALID_HANDLE_VALUE;
    uint8_t* block = nullptr;
    ~OpenBitmap() {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        std::free(block);
    }
    bool readExactly(void* into, DWORD bytes) {
        DWORD got = 0;
        return ReadFile(file, into, bytes, &got, nullptr) && got == bytes;
    }
};

HANDLE openForReading(const wchar_t* path) {
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE openPicture(const wchar_t* name) {
    wchar_t path[kPathChars];
    if (std::swprintf(path, kPathChars, L"\\Windows\\%ls", name) > 0) {
        HANDLE file = openForReading(path);
        if (file != INVALID_HANDLE_VALUE) return file;
    }
    if (installDirKnown && std::swprintf(path, kPathChars, L"%ls\\%ls", installDir, name) > 0) {
        return openForReading(path);
    }
    return INVALID_HANDLE_VALUE;
}

inline uint16_t toRgb565(uint8_t blue, uint8_t green, uint8_t red) {
    return static_cast<uint16_t>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

}  // namespace

bool loadBitmap(const wchar_t* name, int width, int height, uint16_t* destination, int stride,
                int lastRow) {
    if (destination == nullptr || name == nullptr) return false;
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        stride <= 0) {
        return false;
    }
    OpenBitmap bitmap;
    bitmap.file = openPicture(name);
    if (bitmap.file == INVALID_HANDLE_VALUE) return false;

    uint8_t fileHeader[kFileHeaderBytes];
    if (!bitmap.readExactly(fileHeader, kFileHeaderBytes)) return false;
    if (read16(fileHeader) != kBitmapType || read16(fileHeader + 6) != 0 ||
        read16(fileHeader + 8) != 0) {
        return false;
    }
    uint32_t pixelOffset = read32(fileHeader + 10);

    uint8_t info[kInfoHeaderBytes];
    if (!bitmap.readExactly(info, kInfoHeaderBytes) || read32(info) != kInfoHeaderBytes) {
        return false;
    }
    int32_t fileWidth = static_cast<int32_t>(read32(info + 4));
    int32_t fileHeight = static_cast<int32_t>(read32(info + 8));
    uint16_t planes = read16(info + 12);
    uint16_t bitsPerPixel = read16(info + 14);
    uint32_t compression = read32(info + 16);
    uint32_t coloursUsed = read32(info + 32);
    // The conversion reads three bytes a pixel over the caller's size, so
    // only a file of exactly that shape can feed it.
    if (fileWidth != width || fileHeight != height || planes != 1 || bitsPerPixel != 24 ||
        compression != 0) {
        return false;
    }

    uint32_t colourTableBytes = coloursUsed != 0 ? 4u * (coloursUsed & 0xFFFF) : 0u;
    uint64_t rowBytes =
        ((uint64_t{bitsPerPixel} * planes * static_cast<uint32_t>(width) + 31) / 32) * 4;
    uint64_t pixelBytes = rowBytes * static_cast<uint32_t>(height);
    if (pixelBytes == 0) return false;
    // Pixel data that starts inside the headers or the colour table would
    // be read from the wrong place.
    if (pixelOffset != 0 && pixelOffset < kFileHeaderBytes + kInfoHeaderBytes + colourTableBytes) {
        return false;
    }

    size_t blockBytes = kInfoHeaderBytes + colourTableBytes + static_cast<size_t>(pixelBytes);
    bitmap.block = static_cast<uint8_t*>(std::malloc(blockBytes));
    if (bitmap.block == nullptr) return false;
    std::memcpy(bitmap.block, info, kInfoHeaderBytes);
    uint8_t* colourTable = bitmap.block + kInfoHeaderBytes;
    if (colourTableBytes != 0 && !bitmap.readExactly(colourTable, colourTableBytes)) return false;
    if (pixelOffset != 0 && SetFilePointer(bitmap.file, static_cast<LONG>(pixelOffset), nullptr,
                                           FILE_BEGIN) == INVALID_SET_FILE_POINTER) {
        return false;
    }
    uint8_t* pixels = colourTable + colourTableBytes;
    if (!bitmap.readExactly(pixels, static_cast<DWORD>(pixelBytes))) return false;
    CloseHandle(bitmap.file);
    bitmap.file = INVALID_HANDLE_VALUE;

    int padding = (3 * width) % 4 == 0 ? 0 : 4 - (3 * width) % 4;
    size_t fileRow = static_cast<size_t>(3 * width + padding);
    int rows = height < lastRow ? height : lastRow;
    int columns = width < stride ? width : stride;
    for (int y = 0; y < rows; ++y) {
        const uint8_t* source = pixels + fileRow * static_cast<size_t>(height - 1 - y);
        uint16_t* target = destination + static_cast<size_t>(y) * static_cast<size_t>(stride);
        for (int x = 0; x < columns; ++x) {
            target[x] = toRgb565(source[3 * x], source[3 * x + 1], source[3 * x + 2]);
        }
    }
    return true;
}

void loadBitmapOrDie(const wchar_t* name, int width, int height, uint16_t* destination, int stride,
                     int lastRow) {
    if (!loadBitmap(name, width, height, destination, stride, lastRow)) {
        fatalError("Files missing - Reinstall application");
    }
}

}  // namespace gamekit
