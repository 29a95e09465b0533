#include "gamekit/shell/Presentation.h"

#include <algorithm>
#include <cstring>

#include "gamekit/shell/PresentWide.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/shell/ShellState.h"
#include "platform/Gx.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define GAMEKIT_PRESENT_SSE2 1
#elif defined(__ARM_NEON)
#include <arm_neon.h>
#define GAMEKIT_PRESENT_NEON 1
#endif

namespace gamekit {
namespace {

constexpr int kW = kScreenWidth;
constexpr int kH = kScreenHeight;
constexpr long kLandscapeRow = 640;  // bytes a row of the 320 x 240 landscape buffers
constexpr int kPitch512 = 512;
constexpr int kGreyRow = 160;  // bytes a row of the 4-bit screen

// Pitches are used as even numbers, rounded towards minus infinity.
int32_t evenPitch(int32_t pitch) { return pitch & ~1; }

void store16(uint8_t* at, uint16_t p) { std::memcpy(at, &p, 2); }

uint8_t greyPair(uint16_t high, uint16_t low) {
    return static_cast<uint8_t>((greyLevel(high) << 4) | greyLevel(low));
}

// Any 16-bit layout, one pixel at a time: for pitches no device of ours has.
void anyPitch16(const uint16_t* back, long xp, long yp, uint8_t* destination) {
    uint8_t* rowStart = destination;
    for (int y = 0; y < kH; ++y) {
        uint8_t* d = rowStart;
        for (int x = 0; x < kW; ++x, d += xp) store16(d, back[y * kW + x]);
        rowStart += yp;
    }
}

// ---- The portable paths: plain C++ in blocks the cache and the compiler
// handle well, for machines without a vector unit we know.

// The landscape buffer seen in portrait: source pixel (x, y) lands at
// topLeft + 2y - 640x. Eight source rows at a time, so every store run is
// 16 contiguous bytes of one landscape row and the eight source rows stay in
// the first-level cache.
void landscapeBlocked(const uint16_t* back, uint8_t* topLeft) {
    for (int y0 = 0; y0 < kH; y0 += 8) {
        const uint16_t* rows = back + y0 * kW;
        uint8_t* column = topLeft + 2 * y0;
        for (int x = 0; x < kW; ++x, column -= kLandscapeRow) {
            uint16_t run[8];
            for (int i = 0; i < 8; ++i) run[i] = rows[i * kW + x];
            std::memcpy(column, run, sizeof run);
        }
    }
}

void pitch512Blocked(const uint16_t* back, uint8_t* destination) {
    for (int y = 0; y < kH; ++y) std::memcpy(destination + y * kPitch512, back + y * kW, kW * 2);
}

void eightBitBlocked(const uint16_t* back, uint8_t* destination) {
    for (int i = 0; i < kW * kH; ++i) destination[i] = eightBitValue(back[i]);
}

// Destination row k is source column k; byte j holds source rows 319 - 2j
// (high nibble) and 318 - 2j (low nibble). Sixteen bytes of every
// destination row at a time: the 32 source rows they come from are turned
// into byte pairs row by row, then gathered per column.
void greyBlocked(const uint16_t* back, uint8_t* destination) {
    constexpr int kRun = 16;
    uint8_t pairs[kRun][kW];
    for (int j0 = 0; j0 < kGreyRow; j0 += kRun) {
        for (int j = 0; j < kRun; ++j) {
            const uint16_t* high = back + (319 - 2 * (j0 + j)) * kW;
            const uint16_t* low = high - kW;
            for (int k = 0; k < kW; ++k) pairs[j][k] = greyPair(high[k], low[k]);
        }
        for (int k = 0; k < kW; ++k) {
            uint8_t run[kRun];
            for (int j = 0; j < kRun; ++j) run[j] = pairs[j][k];
            std::memcpy(destination + k * kGreyRow + j0, run, kRun);
        }
    }
}

// ---- The vector paths, chosen when the program is compiled.

#if defined(GAMEKIT_PRESENT_SSE2)

using V16 = __m128i;  // eight 16-bit lanes

V16 load(const uint16_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void store(uint8_t* p, V16 v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Eight rows of eight lanes become eight columns.
void transpose8(V16 r[8]) {
    V16 a0 = _mm_unpacklo_epi16(r[0], r[1]), a1 = _mm_unpackhi_epi16(r[0], r[1]);
    V16 a2 = _mm_unpacklo_epi16(r[2], r[3]), a3 = _mm_unpackhi_epi16(r[2], r[3]);
    V16 a4 = _mm_unpacklo_epi16(r[4], r[5]), a5 = _mm_unpackhi_epi16(r[4], r[5]);
    V16 a6 = _mm_unpacklo_epi16(r[6], r[7]), a7 = _mm_unpackhi_epi16(r[6], r[7]);
    V16 b0 = _mm_unpacklo_epi32(a0, a2), b1 = _mm_unpackhi_epi32(a0, a2);
    V16 b2 = _mm_unpacklo_epi32(a1, a3), b3 = _mm_unpackhi_epi32(a1, a3);
    V16 b4 = _mm_unpacklo_epi32(a4, a6), b5 = _mm_unpackhi_epi32(a4, a6);
    V16 b6 = _mm_unpacklo_epi32(a5, a7), b7 = _mm_unpackhi_epi32(a5, a7);
    r[0] = _mm_unpacklo_epi64(b0, b4);
    r[1] = _mm_unpackhi_epi64(b0, b4);
    r[2] = _mm_unpacklo_epi64(b1, b5);
    r[3] = _mm_unpackhi_epi64(b1, b5);
    r[4] = _mm_unpacklo_epi64(b2, b6);
    r[5] = _mm_unpackhi_epi64(b2, b6);
    r[6] = _mm_unpacklo_epi64(b3, b7);
    r[7] = _mm_unpackhi_epi64(b3, b7);
}

V16 greyLevels(V16 p) {
    const V16 m3f = _mm_set1_epi16(0x3F), m1f = _mm_set1_epi16(0x1F);
    V16 g = _mm_and_si128(_mm_srli_epi16(p, 5), m3f);
    V16 sum = _mm_add_epi16(_mm_add_epi16(g, _mm_srli_epi16(p, 11)), _mm_and_si128(p, m1f));
    return _mm_srli_epi16(sum, 3);
}

V16 eightBitValues(V16 p) {
    V16 r = _mm_and_si128(_mm_srli_epi16(p, 9), _mm_set1_epi16(0x60));
    V16 g = _mm_and_si128(_mm_srli_epi16(p, 5), _mm_set1_epi16(0x38));
    V16 b = _mm_and_si128(_mm_srli_epi16(p, 3), _mm_set1_epi16(0x03));
    return _mm_add_epi16(_mm_add_epi16(r, g), b);
}

// Both values below 256, so the saturating pack keeps them as they are.
V16 packBytes(V16 low, V16 high) { return _mm_packus_epi16(low, high); }
V16 greyPairs(V16 high, V16 low) { return _mm_or_si128(_mm_slli_epi16(greyLevels(high), 4), greyLevels(low)); }

#elif defined(GAMEKIT_PRESENT_NEON)

using V16 = uint16x8_t;

V16 load(const uint16_t* p) { return vld1q_u16(p); }
void store(uint8_t* p, uint16x8_t v) { vst1q_u8(p, vreinterpretq_u8_u16(v)); }
void store(uint8_t* p, uint8x16_t v) { vst1q_u8(p, v); }

void transpose8(V16 r[8]) {
    uint16x8x2_t t0 = vtrnq_u16(r[0], r[1]), t1 = vtrnq_u16(r[2], r[3]);
    uint16x8x2_t t2 = vtrnq_u16(r[4], r[5]), t3 = vtrnq_u16(r[6], r[7]);
    uint32x4x2_t u0 = vtrnq_u32(vreinterpretq_u32_u16(t0.val[0]), vreinterpretq_u32_u16(t1.val[0]));
    uint32x4x2_t u1 = vtrnq_u32(vreinterpretq_u32_u16(t0.val[1]), vreinterpretq_u32_u16(t1.val[1]));
    uint32x4x2_t u2 = vtrnq_u32(vreinterpretq_u32_u16(t2.val[0]), vreinterpretq_u32_u16(t3.val[0]));
    uint32x4x2_t u3 = vtrnq_u32(vreinterpretq_u32_u16(t2.val[1]), vreinterpretq_u32_u16(t3.val[1]));
    auto join = [](uint32x2_t top, uint32x2_t bottom) {
        return vreinterpretq_u16_u32(vcombine_u32(top, bottom));
    };
    r[0] = join(vget_low_u32(u0.val[0]), vget_low_u32(u2.val[0]));
    r[4] = join(vget_high_u32(u0.val[0]), vget_high_u32(u2.val[0]));
    r[2] = join(vget_low_u32(u0.val[1]), vget_low_u32(u2.val[1]));
    r[6] = join(vget_high_u32(u0.val[1]), vget_high_u32(u2.val[1]));
    r[1] = join(vget_low_u32(u1.val[0]), vget_low_u32(u3.val[0]));
    r[5] = join(vget_high_u32(u1.val[0]), vget_high_u32(u3.val[0]));
    r[3] = join(vget_low_u32(u1.val[1]), vget_low_u32(u3.val[1]));
    r[7] = join(vget_high_u32(u1.val[1]), vget_high_u32(u3.val[1]));
}

V16 greyLevels(V16 p) {
    V16 g = vandq_u16(vshrq_n_u16(p, 5), vdupq_n_u16(0x3F));
    V16 sum = vaddq_u16(vaddq_u16(g, vshrq_n_u16(p, 11)), vandq_u16(p, vdupq_n_u16(0x1F)));
    return vshrq_n_u16(sum, 3);
}

V16 eightBitValues(V16 p) {
    V16 r = vandq_u16(vshrq_n_u16(p, 9), vdupq_n_u16(0x60));
    V16 g = vandq_u16(vshrq_n_u16(p, 5), vdupq_n_u16(0x38));
    V16 b = vandq_u16(vshrq_n_u16(p, 3), vdupq_n_u16(0x03));
    return vaddq_u16(vaddq_u16(r, g), b);
}

uint8x16_t packBytes(V16 low, V16 high) { return vcombine_u8(vmovn_u16(low), vmovn_u16(high)); }
V16 greyPairs(V16 high, V16 low) { return vorrq_u16(vshlq_n_u16(greyLevels(high), 4), greyLevels(low)); }

#endif

#if defined(GAMEKIT_PRESENT_SSE2) || defined(GAMEKIT_PRESENT_NEON)
constexpr bool kVector = true;

// 8 x 8 tiles turned a quarter: each tile's eight source rows become eight
// 16-byte runs of eight landscape rows.
void landscapeVector(const uint16_t* back, uint8_t* topLeft) {
    for (int y0 = 0; y0 < kH; y0 += 8) {
        for (int x0 = 0; x0 < kW; x0 += 8) {
            V16 r[8];
            for (int i = 0; i < 8; ++i) r[i] = load(back + (y0 + i) * kW + x0);
            transpose8(r);
            uint8_t* column = topLeft + 2 * y0 - kLandscapeRow * x0;
            for (int c = 0; c < 8; ++c) store(column - kLandscapeRow * c, r[c]);
        }
    }
}

void pitch512Vector(const uint16_t* back, uint8_t* destination) {
    for (int y = 0; y < kH; ++y) {
        const uint16_t* from = back + y * kW;
        uint8_t* to = destination + y * kPitch512;
        for (int x = 0; x < kW; x += 8) store(to + 2 * x, load(from + x));
    }
}

void eightBitVector(const uint16_t* back, uint8_t* destination) {
    for (int i = 0; i < kW * kH; i += 16) {
        store(destination + i, packBytes(eightBitValues(load(back + i)), eightBitValues(load(back + i + 8))));
    }
}

// Tiles of 8 source columns by 32 source rows: the 16 row pairs become 16
// rows of grey pairs, two 8 x 8 turns make them 8 columns of 16 bytes.
void greyVector(const uint16_t* back, uint8_t* destination) {
    for (int j0 = 0; j0 < kGreyRow; j0 += 16) {
        for (int k0 = 0; k0 < kW; k0 += 8) {
            V16 first[8], second[8];
            for (int j = 0; j < 8; ++j) {
                const uint16_t* high = back + (319 - 2 * (j0 + j)) * kW + k0;
                first[j] = greyPairs(load(high), load(high - kW));
                high -= 16 * kW;
                second[j] = greyPairs(load(high), load(high - kW));
            }
            transpose8(first);
            transpose8(second);
            uint8_t* to = destination + k0 * kGreyRow + j0;
            for (int c = 0; c < 8; ++c) store(to + c * kGreyRow, packBytes(first[c], second[c]));
        }
    }
}
#else
constexpr bool kVector = false;
void landscapeVector(const uint16_t* back, uint8_t* topLeft) { landscapeBlocked(back, topLeft); }
void pitch512Vector(const uint16_t* back, uint8_t* destination) { pitch512Blocked(back, destination); }
void eightBitVector(const uint16_t* back, uint8_t* destination) { eightBitBlocked(back, destination); }
void greyVector(const uint16_t* back, uint8_t* destination) { greyBlocked(back, destination); }
#endif

// Wide where the processor runs it, else the compiled vector path; asked once.
PresentPath resolved(PresentPath path) {
    static const bool wide = present_wide::available();
    return path == PresentPath::Wide && !wide ? PresentPath::Vector : path;
}

void landscape(const uint16_t* back, uint8_t* topLeft, PresentPath path) {
    if (path == PresentPath::Wide) {
        present_wide::landscape(back, topLeft);
    } else if (path == PresentPath::Vector) {
        landscapeVector(back, topLeft);
    } else {
        landscapeBlocked(back, topLeft);
    }
}

}  // namespace

bool hasVectorPresent() { return kVector; }

void convertFrame(const uint16_t* back, const DisplayInfo& info, uint8_t* destination, PresentPath path) {
    if (destination == nullptr) return;
    path = resolved(path);
    const bool wide = path == PresentPath::Wide;
    const bool vector = wide || path == PresentPath::Vector;
    if (info.bitsPerPixel == 16) {
        const long xp = evenPitch(info.xPitch), yp = evenPitch(info.yPitch);
        if (xp == -kLandscapeRow && yp == 2) {
            landscape(back, destination, path);
        } else if (xp != 2) {
            anyPitch16(back, xp, yp, destination);
        } else if (info.yPitch == 480) {
            std::memcpy(destination, back, kW * kH * 2);
        } else if (vector) {
            // Every other layout of 2-byte steps has rows 512 bytes apart.
            pitch512Vector(back, destination);
        } else {
            pitch512Blocked(back, destination);
        }
    } else if (info.bitsPerPixel == 8) {
        if (wide) {
            present_wide::eightBit(back, destination);
        } else {
            vector ? eightBitVector(back, destination) : eightBitBlocked(back, destination);
        }
    } else if (info.bitsPerPixel == 4) {
        if (wide) {
            present_wide::grey(back, destination);
        } else {
            vector ? greyVector(back, destination) : greyBlocked(back, destination);
        }
    }
}

void convertFrame(const uint16_t* back, const DisplayInfo& info, uint8_t* destination) {
    convertFrame(back, info, destination, PresentPath::Wide);
}

bool convertRows(const uint16_t* back, const DisplayInfo& info, uint8_t* destination, int top,
                 int bottom) {
    if (info.bitsPerPixel != 16 || evenPitch(info.xPitch) != 2) return false;
    top = std::max(top, 0);
    bottom = std::min(bottom, kH);
    if (destination == nullptr || top >= bottom) return true;
    if (top == 0 && bottom == kH) {
        convertFrame(back, info, destination);
    } else if (info.yPitch == 480) {
        std::memcpy(destination + top * kW * 2, back + top * kW,
                    static_cast<size_t>(bottom - top) * kW * 2);
    } else {
        for (int y = top; y < bottom; ++y)
            std::memcpy(destination + y * kPitch512, back + y * kW, kW * 2);
    }
    return true;
}

void convertFrameFixed(const uint16_t* back, uint8_t* fixedAddress, PresentPath path) {
    if (fixedAddress == nullptr) return;
    landscape(back, fixedAddress, resolved(path));
}

void convertFrameFixed(const uint16_t* back, uint8_t* fixedAddress) {
    convertFrameFixed(back, fixedAddress, PresentPath::Wide);
}

void presentFrame() {
    const uint16_t* image = screenImage();
    if (image == nullptr) return;  // before start-up or after shutdown
    const DisplayInfo& info = displayInfo();
    if (info.fixedFrameBuffer) {
        uint8_t* address = platform::fixedFrameBufferAddress();
        if (address == nullptr) return;
        convertFrameFixed(image, address);
        shell::rowsPresented();
        platform::fixedFrameWritten();
        return;
    }
    if (info.bitsPerPixel != 16 && info.bitsPerPixel != 8 && info.bitsPerPixel != 4) return;
    auto* destination = static_cast<uint8_t*>(GXBeginDraw());
    if (destination == nullptr) return;  // the rows stay to be shown
    const shell::RowSpan rows = shell::unpresentedRows();
    if (!convertRows(image, info, destination, rows.top, rows.bottom))
        convertFrame(image, info, destination);
    shell::rowsPresented();
    GXEndDraw();
}

}  // namespace gamekit
