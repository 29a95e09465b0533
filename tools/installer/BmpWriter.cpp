#include "tools/installer/BmpWriter.h"

#include "tools/installer/ByteWriter.h"

namespace installer {

std::vector<uint8_t> encodeBmp24(const Canvas& canvas) {
    const uint32_t width = canvas.width(), height = canvas.height();
    const uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t pixelOffset = 14 + 40;
    const uint32_t imageBytes = rowBytes * height;

    ByteWriter out;
    out.u16(0x4D42);  // "BM"
    out.u32(pixelOffset + imageBytes);
    out.u16(0);
    out.u16(0);
    out.u32(pixelOffset);

    out.u32(40);
    out.u32(width);
    out.u32(height);  // positive: bottom-up rows
    out.u16(1);       // planes
    out.u16(24);      // bits per pixel
    out.u32(0);       // no compression
    out.u32(imageBytes);
    out.u32(2835);  // 72 dpi, both axes
    out.u32(2835);
    out.u32(0);  // colours used
    out.u32(0);  // important colours

    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb p = canvas.get(x, y);
            out.u8(p.b);
            out.u8(p.g);
            out.u8(p.r);
        }
        for (uint32_t pad = width * 3; pad < rowBytes; ++pad) out.u8(0);
    }
    return out.take();
}

}  // namespace installer
