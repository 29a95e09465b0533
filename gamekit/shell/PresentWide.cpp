#include "gamekit/shell/PresentWide.h"

#include "gamekit/shell/Presentation.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__EMSCRIPTEN__)
#include <immintrin.h>
#define GAMEKIT_PRESENT_AVX2 1
#endif

namespace gamekit::present_wide {

#if defined(GAMEKIT_PRESENT_AVX2)

namespace {

constexpr int kW = kScreenWidth;
constexpr int kH = kScreenHeight;
constexpr long kLandscapeRow = 640;
constexpr int kGreyRow = 160;

#define WIDE __attribute__((target("avx2")))
using V = __m256i;  // sixteen 16-bit lanes: two 8-lane halves side by side

WIDE inline V load(const uint16_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
WIDE inline void storeLow(uint8_t* p, V v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(v));
}
WIDE inline void storeHigh(uint8_t* p, V v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_extracti128_si256(v, 1));
}

// Each half of eight rows becomes eight columns of its own 8 x 8 tile: the
// unpacks work within halves, so two tiles turn at the cost of one.
WIDE inline void transpose8(V r[8]) {
    V a0 = _mm256_unpacklo_epi16(r[0], r[1]), a1 = _mm256_unpackhi_epi16(r[0], r[1]);
    V a2 = _mm256_unpacklo_epi16(r[2], r[3]), a3 = _mm256_unpackhi_epi16(r[2], r[3]);
    V a4 = _mm256_unpacklo_epi16(r[4], r[5]), a5 = _mm256_unpackhi_epi16(r[4], r[5]);
    V a6 = _mm256_unpacklo_epi16(r[6], r[7]), a7 = _mm256_unpackhi_epi16(r[6], r[7]);
    V b0 = _mm256_unpacklo_epi32(a0, a2), b1 = _mm256_unpackhi_epi32(a0, a2);
    V b2 = _mm256_unpacklo_epi32(a1, a3), b3 = _mm256_unpackhi_epi32(a1, a3);
    V b4 = _mm256_unpacklo_epi32(a4, a6), b5 = _mm256_unpackhi_epi32(a4, a6);
    V b6 = _mm256_unpacklo_epi32(a5, a7), b7 = _mm256_unpackhi_epi32(a5, a7);
    r[0] = _mm256_unpacklo_epi64(b0, b4);
    r[1] = _mm256_unpackhi_epi64(b0, b4);
    r[2] = _mm256_unpacklo_epi64(b1, b5);
    r[3] = _mm256_unpackhi_epi64(b1, b5);
    r[4] = _mm256_unpacklo_epi64(b2, b6);
    r[5] = _mm256_unpackhi_epi64(b2, b6);
    r[6] = _mm256_unpacklo_epi64(b3, b7);
    r[7] = _mm256_unpackhi_epi64(b3, b7);
}

WIDE inline V greyLevels(V p) {
    V g = _mm256_and_si256(_mm256_srli_epi16(p, 5), _mm256_set1_epi16(0x3F));
    V sum = _mm256_add_epi16(_mm256_add_epi16(g, _mm256_srli_epi16(p, 11)),
                             _mm256_and_si256(p, _mm256_set1_epi16(0x1F)));
    return _mm256_srli_epi16(sum, 3);
}

WIDE inline V greyPairs(V high, V low) {
    return _mm256_or_si256(_mm256_slli_epi16(greyLevels(high), 4), greyLevels(low));
}

WIDE inline V eightBitValues(V p) {
    V r = _mm256_and_si256(_mm256_srli_epi16(p, 9), _mm256_set1_epi16(0x60));
    V g = _mm256_and_si256(_mm256_srli_epi16(p, 5), _mm256_set1_epi16(0x38));
    V b = _mm256_and_si256(_mm256_srli_epi16(p, 3), _mm256_set1_epi16(0x03));
    return _mm256_add_epi16(_mm256_add_epi16(r, g), b);
}

}  // namespace

bool available() { return __builtin_cpu_supports("avx2"); }

// Tiles of 8 rows by 16 columns, each half a tile turned a quarter into
// 16-byte runs of eight landscape rows.
WIDE void landscape(const uint16_t* back, uint8_t* topLeft) {
    for (int y0 = 0; y0 < kH; y0 += 8) {
        for (int x0 = 0; x0 < kW; x0 += 16) {
            V r[8];
            for (int i = 0; i < 8; ++i) r[i] = load(back + (y0 + i) * kW + x0);
            transpose8(r);
            uint8_t* column = topLeft + 2 * y0 - kLandscapeRow * x0;
            for (int c = 0; c < 8; ++c) {
                storeLow(column - kLandscapeRow * c, r[c]);
                storeHigh(column - kLandscapeRow * (8 + c), r[c]);
            }
        }
    }
}

// The packs work within halves; the permute puts the four 8-byte quarters
// back in pixel order.
WIDE void eightBit(const uint16_t* back, uint8_t* destination) {
    for (int i = 0; i < kW * kH; i += 32) {
        V packed = _mm256_packus_epi16(eightBitValues(load(back + i)), eightBitValues(load(back + i + 16)));
        packed = _mm256_permute4x64_epi64(packed, 0xD8);
        _mm256_storeu_si256(reinterpret_cast<V*>(destination + i), packed);
    }
}

// Tiles of 16 source columns by 32 source rows: the 16 row pairs become 16
// rows of grey pairs, two turns make them 16 columns of 16 bytes; the
// in-half pack joins each column's two 8-byte pieces.
WIDE void grey(const uint16_t* back, uint8_t* destination) {
    for (int j0 = 0; j0 < kGreyRow; j0 += 16) {
        for (int k0 = 0; k0 < kW; k0 += 16) {
            V first[8], second[8];
            for (int j = 0; j < 8; ++j) {
                const uint16_t* high = back + (319 - 2 * (j0 + j)) * kW + k0;
                first[j] = greyPairs(load(high), load(high - kW));
                high -= 16 * kW;
                second[j] = greyPairs(load(high), load(high - kW));
            }
            transpose8(first);
            transpose8(second);
            uint8_t* to = destination + k0 * kGreyRow + j0;
            for (int c = 0; c < 8; ++c) {
                const V packed = _mm256_packus_epi16(first[c], second[c]);
                storeLow(to + c * kGreyRow, packed);
                storeHigh(to + (8 + c) * kGreyRow, packed);
            }
        }
    }
}

#undef WIDE

#else

bool available() { return false; }
void landscape(const uint16_t*, uint8_t*) {}
void eightBit(const uint16_t*, uint8_t*) {}
void grey(const uint16_t*, uint8_t*) {}

#endif

}  // namespace gamekit::present_wide
