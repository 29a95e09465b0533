#include "Display.h"

#include <array>

#include "Config.h"
#include "platform/ScreenSize.h"

namespace platform::display {

namespace {
constexpr int kW = kScreenWidth;
constexpr int kH = kScreenHeight;

uint32_t expand565(uint16_t p) {
    uint32_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
    r = (r << 3) | (r >> 2);
    g = (g << 2) | (g >> 4);
    b = (b << 3) | (b >> 2);
    return (r << 16) | (g << 8) | b;
}

uint16_t read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
}  // namespace

Layout layoutOf(DisplayKind kind) {
    switch (kind) {
        case DisplayKind::Portrait16: return {153600, 0, 2, 480, 16};
        case DisplayKind::Pitch512: return {512 * 320, 0, 2, 512, 16};
        // A landscape 320 x 240 buffer seen in portrait: going right is a
        // row up, going down is a pixel right.
        case DisplayKind::Landscape16: return {153600, 640 * 239, -640, 2, 16};
        case DisplayKind::Palette8: return {76800, 0, 1, 240, 8};
        // 240 rows of 160 bytes, two pixels a byte, pitches not meaningful.
        case DisplayKind::Gray4: return {38400, 0, 160, 0, 4};
        // The device reports a plain portrait display; its real frame buffer
        // is the landscape one behind fixedFrameBufferAddress().
        case DisplayKind::Fixed: return {153600, 640 * 239, -640, 2, 16};
    }
    return {153600, 0, 2, 480, 16};
}

GXDisplayProperties propertiesOf(DisplayKind kind) {
    Layout l = layoutOf(kind);
    GXDisplayProperties p{};
    p.cxWidth = kW;
    p.cyHeight = kH;
    p.cbxPitch = l.xPitch;
    p.cbyPitch = l.yPitch;
    p.cBPP = l.bitsPerPixel;
    if (kind == DisplayKind::Fixed) {
        p.cbxPitch = 2;
        p.cbyPitch = 480;
    }
    return p;
}

uint32_t paletteColour(uint8_t value) {
    static const std::array<uint32_t, 256> palette = [] {
        std::array<uint32_t, 256> sumR{}, sumG{}, sumB{}, count{}, out{};
        for (int r = 0; r < 4; ++r) {
            for (int g = 0; g < 8; ++g) {
                for (int b = 0; b < 4; ++b) {
                    int v = r * 32 + g * 8 + b;
                    sumR[v] += r * 255 / 3;
                    sumG[v] += g * 255 / 7;
                    sumB[v] += b * 255 / 3;
                    ++count[v];
                }
            }
        }
        for (int v = 0; v < 256; ++v) {
            if (count[v] == 0) continue;
            out[v] = ((sumR[v] / count[v]) << 16) | ((sumG[v] / count[v]) << 8) | (sumB[v] / count[v]);
        }
        return out;
    }();
    return palette[value];
}

void decode(DisplayKind kind, const uint8_t* memory, ScreenImage* image) {
    Layout l = layoutOf(kind);
    uint32_t* out = image->pixels.data();
    switch (kind) {
        case DisplayKind::Palette8:
            for (int i = 0; i < kW * kH; ++i) out[i] = paletteColour(memory[i]);
            return;
        case DisplayKind::Gray4:
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    // Row x holds the column; the bottom source row comes first.
                    int fromBottom = kH - 1 - y;
                    uint8_t byte = memory[x * 160 + fromBottom / 2];
                    uint32_t level = (fromBottom % 2 == 0) ? (byte >> 4) : (byte & 0x0F);
                    uint32_t grey = level * 17;
                    out[y * kW + x] = (grey << 16) | (grey << 8) | grey;
                }
            }
            return;
        default:
            for (int y = 0; y < kH; ++y) {
                for (int x = 0; x < kW; ++x) {
                    long offset = l.topLeftOffset + x * l.xPitch + y * l.yPitch;
                    out[y * kW + x] = expand565(read16(memory + offset));
                }
            }
            return;
    }
}

std::vector<uint8_t>& memory() {
    static std::vector<uint8_t> m(layoutOf(config().display).bytes, 0);
    return m;
}

}  // namespace platform::display
