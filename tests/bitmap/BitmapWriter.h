#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace testing_support {

struct Rgb {
    uint8_t red, green, blue;
};

// A 24-bit bitmap file built byte by byte as the format lays it out, with
// fields a test can falsify.
struct BitmapSpec {
    int32_t width = 28;
    int32_t height = 4;
    std::function<Rgb(int x, int y)> pixel = [](int, int) { return Rgb{0, 0, 0}; };  // y=0 top
    uint16_t type = 0x4D42;
    uint16_t reserved1 = 0;
    uint16_t reserved2 = 0;
    uint32_t infoSize = 40;
    uint16_t planes = 1;
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t colourTableEntries = 0;  // entries actually written after the header
    int64_t pixelOffset = -1;         // -1: right behind the colour table
    uint8_t padByte = 0xAB;           // what fills the row padding
};

inline void put16(std::string& out, size_t at, uint16_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
}
inline void put32(std::string& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline std::string makeBitmap(const BitmapSpec& picture) {
    std::string out(54, '\0');
    uint32_t tableBytes = 4 * picture.colourTableEntries;
    uint32_t offset =
        picture.pixelOffset >= 0 ? static_cast<uint32_t>(picture.pixelOffset) : 54 + tableBytes;
    put16(out, 0, picture.type);
    put16(out, 6, picture.reserved1);
    put16(out, 8, picture.reserved2);
    put32(out, 10, offset);
    put32(out, 14, picture.infoSize);
    put32(out, 18, static_cast<uint32_t>(picture.width));
    put32(out, 22, static_cast<uint32_t>(picture.height));
    put16(out, 26, picture.planes);
    put16(out, 28, picture.bitsPerPixel);
    put32(out, 30, picture.compression);
    put32(out, 46, picture.coloursUsed);
    out.append(tableBytes, '\x11');
    int rows = picture.height < 0 ? -picture.height : picture.height;
    int rowBytes = 3 * picture.width;
    int padding = (4 - rowBytes % 4) % 4;
    for (int fileRow = 0; fileRow < rows; ++fileRow) {
        int y = rows - 1 - fileRow;  // bottom row first
        for (int x = 0; x < picture.width; ++x) {
            Rgb c = picture.pixel(x, y);
            out.push_back(static_cast<char>(c.blue));
            out.push_back(static_cast<char>(c.green));
            out.push_back(static_cast<char>(c.red));
        }
        out.append(static_cast<size_t>(padding), static_cast<char>(picture.padByte));
    }
    put32(out, 2, static_cast<uint32_t>(out.size()));
    return out;
}

}  // namespace testing_support
