#include "gamekit/graphics/Blit.h"

#include <algorithm>
#include <cstring>

#include "gamekit/graphics/DrawingRecord.h"

namespace gamekit {

namespace {

using Coord = long long;

// Calls rowAction(destination, source, count) for every row of the block
// that lands inside the target, with the part of the row that lands inside.
template <typename RowAction>
void forEachVisibleRow(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                       int sourceX, int sourceY, int width, int height, RowAction rowAction) {
    if (target.pixels() == nullptr || source == nullptr) return;
    if (width <= 0 || height <= 0 || sourceStride <= 0 || sourceX < 0 || sourceY < 0) return;
    if (Coord{sourceX} + width > sourceStride) return;
    // Columns and rows of the block (0-based) that land inside the target.
    const Coord firstColumn = std::max<Coord>(0, -Coord{x});
    const Coord endColumn = std::min<Coord>(width, Coord{target.width()} - x);
    const Coord firstRow = std::max<Coord>(0, -Coord{y});
    const Coord endRow = std::min<Coord>(height, Coord{target.height()} - y);
    if (firstColumn >= endColumn || firstRow >= endRow) return;
    const size_t count = static_cast<size_t>(endColumn - firstColumn);
    for (Coord row = firstRow; row < endRow; ++row) {
        const uint16_t* from =
            source + (Coord{sourceY} + row) * sourceStride + sourceX + firstColumn;
        uint16_t* to = target.row(static_cast<int>(y + row)) + x + firstColumn;
        rowAction(to, from, count);
    }
}

// `drawn` where the source pixel is not the key, else what lies under it;
// computed with masks so that the compiler makes vector code of it rather
// than a branch per pixel.
inline uint16_t keyedPixel(uint16_t source, uint16_t drawn, uint16_t under, Colour key) {
    const uint16_t shown = static_cast<uint16_t>(0u - (source != key));
    return static_cast<uint16_t>((drawn & shown) | (under & ~shown));
}

inline uint16_t keyedPixel(uint16_t source, uint16_t under, Colour key) {
    return keyedPixel(source, source, under, key);
}

// Eight pixels in one vector register (SSE2, NEON) through the compiler's
// vector extension.
using Pixels8 = uint16_t __attribute__((vector_size(16)));

inline void keyedEight(uint16_t* to, const uint16_t* from, Colour key) {
    Pixels8 source, under;
    std::memcpy(&source, from, sizeof source);
    std::memcpy(&under, to, sizeof under);
    const Pixels8 shown = reinterpret_cast<Pixels8>(source != key);
    const Pixels8 result = (source & shown) | (under & ~shown);
    std::memcpy(to, &result, sizeof result);
}

// A keyed row eight pixels at a time, the last eight overlapping the ones
// before: a pixel done twice comes out the same, since the second pass sees
// the source where it is shown and what was under it where it is not. A
// sprite row of a few pixels more than eight costs two steps, not a step
// and a pixel-by-pixel tail.
inline void keyedRow(uint16_t* to, const uint16_t* from, size_t count, Colour key) {
    if (count < 8) {
        for (size_t i = 0; i < count; ++i) to[i] = keyedPixel(from[i], to[i], key);
        return;
    }
    for (size_t i = 0; i + 8 < count; i += 8) keyedEight(to + i, from + i, key);
    keyedEight(to + count - 8, from + count - 8, key);
}

// Pixels recoloured a piece of a row at a time: each pair is one pass over
// the piece that the compiler turns into vector compares and selects, taken
// last pair first so that the first matching pair has the last word.
constexpr size_t kPiece = 64;

// out[i] = the recoloured in[i], for count <= kPiece.
void recolourPiece(Colour* out, const uint16_t* in, size_t count, const Colour from[],
                   const Colour to[], int pairs) {
    for (size_t i = 0; i < count; ++i) out[i] = in[i];
    for (int pair = pairs - 1; pair >= 0; --pair) {
        const Colour match = from[pair], replacement = to[pair];
        for (size_t i = 0; i < count; ++i) {
            const uint16_t hit = static_cast<uint16_t>(0u - (in[i] == match));
            out[i] = static_cast<uint16_t>((replacement & hit) | (out[i] & ~hit));
        }
    }
}

// Writes the recoloured row; with `keyed` the pixels equal to `key` leave the
// target as it was.
void recolourRow(uint16_t* out, const uint16_t* in, size_t count, const Colour from[],
                 const Colour to[], int pairs, bool keyed, Colour key) {
    Colour piece[kPiece];
    for (size_t start = 0; start < count; start += kPiece) {
        const size_t n = std::min(kPiece, count - start);
        recolourPiece(piece, in + start, n, from, to, pairs);
        uint16_t* o = out + start;
        const uint16_t* s = in + start;
        if (keyed) {
            for (size_t i = 0; i < n; ++i) o[i] = keyedPixel(s[i], piece[i], o[i], key);
        } else {
            std::memcpy(o, piece, n * sizeof(Colour));
        }
    }
}

enum BlitKind { kOpaque, kKeyed, kRecoloured, kRecolouredKeyed };

void paintBlit(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t* extra);

// Notes a blit on a surface a record listens to; false when it is to be
// drawn now. The colour pairs travel with the call.
bool notedBlit(Surface& target, BlitKind kind, int x, int y, const uint16_t* source,
               int sourceStride, int sourceX, int sourceY, int width, int height, Colour key = 0,
               const Colour* from = nullptr, const Colour* to = nullptr, int pairs = 0) {
    DrawingRecord* record = target.record();
    if (record == nullptr) return false;
    pairs = std::max(pairs, 0);
    Colour table[2 * 16];
    if (pairs > 16) return false;  // a longer table than any program uses is drawn at once
    std::copy_n(from, pairs, table);
    std::copy_n(to, pairs, table + pairs);
    const DrawCommand c = DrawCommand::make(
        &paintBlit, true, {kind, x, y, sourceStride, sourceX, sourceY, width, height, key, pairs},
        source);
    return record->note(target, c, x, y, Coord{x} + std::max(width, 0),
                        Coord{y} + std::max(height, 0), table,
                        sizeof(Colour) * 2 * static_cast<size_t>(pairs));
}

}  // namespace

void blitOpaque(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                int sourceX, int sourceY, int width, int height) {
    if (notedBlit(target, kOpaque, x, y, source, sourceStride, sourceX, sourceY, width, height))
        return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [](uint16_t* to, const uint16_t* from, size_t count) {
                          std::memmove(to, from, count * sizeof(uint16_t));
                      });
}

void blitKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride, int sourceX,
               int sourceY, int width, int height, Colour key) {
    if (notedBlit(target, kKeyed, x, y, source, sourceStride, sourceX, sourceY, width, height, key))
        return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [key](uint16_t* to, const uint16_t* from, size_t count) {
                          keyedRow(to, from, count, key);
                      });
}

void blitRecoloured(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                    int sourceX, int sourceY, int width, int height, const Colour from[],
                    const Colour to[], int pairs) {
    if (pairs > 0 && (from == nullptr || to == nullptr)) return;
    if (notedBlit(target, kRecoloured, x, y, source, sourceStride, sourceX, sourceY, width, height,
                  0, from, to, pairs))
        return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [&](uint16_t* out, const uint16_t* in, size_t count) {
                          recolourRow(out, in, count, from, to, pairs, false, 0);
                      });
}

void blitRecolouredKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                         int sourceX, int sourceY, int width, int height, const Colour from[],
                         const Colour to[], int pairs, Colour key) {
    if (pairs > 0 && (from == nullptr || to == nullptr)) return;
    if (notedBlit(target, kRecolouredKeyed, x, y, source, sourceStride, sourceX, sourceY, width,
                  height, key, from, to, pairs))
        return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [&](uint16_t* out, const uint16_t* in, size_t count) {
                          recolourRow(out, in, count, from, to, pairs, true, key);
                      });
}

namespace {

// A blit lands where its block meets the target, so on a window of its
// surface it paints the same pixels.
void paintBlit(Surface& target, const DrawCommand& c, int dx, int dy, const uint8_t* extra) {
    const auto* source = static_cast<const uint16_t*>(c.pointer);
    const int x = c.value[1] + dx, y = c.value[2] + dy;
    const int stride = c.value[3], sourceX = c.value[4], sourceY = c.value[5];
    const int width = c.value[6], height = c.value[7], pairs = c.value[9];
    const auto key = static_cast<Colour>(c.value[8]);
    Colour table[2 * 16];
    if (pairs > 0) std::memcpy(table, extra, sizeof(Colour) * 2 * static_cast<size_t>(pairs));
    switch (c.value[0]) {
        case kOpaque:
            blitOpaque(target, x, y, source, stride, sourceX, sourceY, width, height);
            break;
        case kKeyed:
            blitKeyed(target, x, y, source, stride, sourceX, sourceY, width, height, key);
            break;
        case kRecoloured:
            blitRecoloured(target, x, y, source, stride, sourceX, sourceY, width, height, table,
                           table + pairs, pairs);
            break;
        default:
            blitRecolouredKeyed(target, x, y, source, stride, sourceX, sourceY, width, height,
                                table, table + pairs, pairs, key);
            break;
    }
}

}  // namespace

}  // namespace gamekit
