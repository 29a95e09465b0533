#include "gamekit/shell/Presentation.h"

#include <cstring>

#include "gamekit/shell/Shell.h"
#include "platform/Gx.h"

namespace gamekit {
namespace {

// Pitches are used as even numbers, rounded towards minus infinity.
int32_t evenPitch(int32_t pitch) { return pitch & ~1; }

void store16(uint8_t* at, uint16_t p) { std::memcpy(at, &p, 2); }

}  // namespace

void convertFrame(const uint16_t* back, const DisplayInfo& info, uint8_t* destination) {
    if (destination == nullptr) return;
    if (info.bitsPerPixel == 16) {
        if (info.xPitch != 2) {
            const long xp = evenPitch(info.xPitch), yp = evenPitch(info.yPitch);
            uint8_t* rowStart = destination;
            for (int y = 0; y < kScreenHeight; ++y) {
                uint8_t* d = rowStart;
                for (int x = 0; x < kScreenWidth; ++x, d += xp) store16(d, back[y * kScreenWidth + x]);
                rowStart += yp;
            }
        } else if (info.yPitch == 480) {
            std::memcpy(destination, back, kScreenWidth * kScreenHeight * 2);
        } else {
            for (int y = 0; y < kScreenHeight; ++y) {
                std::memcpy(destination + y * 512, back + y * kScreenWidth, kScreenWidth * 2);
            }
        }
    } else if (info.bitsPerPixel == 8) {
        for (int i = 0; i < kScreenWidth * kScreenHeight; ++i) destination[i] = eightBitValue(back[i]);
    } else if (info.bitsPerPixel == 4) {
        // Destination row k is source column k; byte j holds source rows
        // 319 - 2j (high nibble) and 318 - 2j (low nibble).
        for (int k = 0; k < kScreenWidth; ++k) {
            uint8_t* row = destination + k * 160;
            for (int j = 0; j < 160; ++j) {
                uint8_t high = greyLevel(back[(319 - 2 * j) * kScreenWidth + k]);
                uint8_t low = greyLevel(back[(318 - 2 * j) * kScreenWidth + k]);
                row[j] = static_cast<uint8_t>((high << 4) | low);
            }
        }
    }
}

void convertFrameFixed(const uint16_t* back, uint8_t* fixedAddress) {
    if (fixedAddress == nullptr) return;
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            store16(fixedAddress + 2L * y - 640L * x, back[y * kScreenWidth + x]);
        }
    }
}

void presentFrame() {
    if (backBuffer() == nullptr) return;  // before start-up or after shutdown
    const DisplayInfo& info = displayInfo();
    if (info.fixedFrameBuffer) {
        uint8_t* address = platform::fixedFrameBufferAddress();
        if (address == nullptr) return;
        convertFrameFixed(backBuffer(), address);
        platform::fixedFrameWritten();
        return;
    }
    if (info.bitsPerPixel != 16 && info.bitsPerPixel != 8 && info.bitsPerPixel != 4) return;
    auto* destination = static_cast<uint8_t*>(GXBeginDraw());
    convertFrame(backBuffer(), info, destination);
    GXEndDraw();
}

}  // namespace gamekit
