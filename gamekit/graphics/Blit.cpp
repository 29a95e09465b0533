#include "gamekit/graphics/Blit.h"

#include <algorithm>
#include <cstring>

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

Colour recolour(Colour pixel, const Colour from[], const Colour to[], int pairs) {
    for (int i = 0; i < pairs; ++i)
        if (pixel == from[i]) return to[i];
    return pixel;
}

}  // namespace

void blitOpaque(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                int sourceX, int sourceY, int width, int height) {
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [](uint16_t* to, const uint16_t* from, size_t count) {
                          std::memmove(to, from, count * sizeof(uint16_t));
                      });
}

void blitKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride, int sourceX,
               int sourceY, int width, int height, Colour key) {
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [key](uint16_t* to, const uint16_t* from, size_t count) {
                          for (size_t i = 0; i < count; ++i)
                              if (from[i] != key) to[i] = from[i];
                      });
}

void blitRecoloured(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                    int sourceX, int sourceY, int width, int height, const Colour from[],
                    const Colour to[], int pairs) {
    if (pairs > 0 && (from == nullptr || to == nullptr)) return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [&](uint16_t* out, const uint16_t* in, size_t count) {
                          for (size_t i = 0; i < count; ++i)
                              out[i] = recolour(in[i], from, to, pairs);
                      });
}

void blitRecolouredKeyed(Surface& target, int x, int y, const uint16_t* source, int sourceStride,
                         int sourceX, int sourceY, int width, int height, const Colour from[],
                         const Colour to[], int pairs, Colour key) {
    if (pairs > 0 && (from == nullptr || to == nullptr)) return;
    forEachVisibleRow(target, x, y, source, sourceStride, sourceX, sourceY, width, height,
                      [&](uint16_t* out, const uint16_t* in, size_t count) {
                          for (size_t i = 0; i < count; ++i)
                              if (in[i] != key) out[i] = recolour(in[i], from, to, pairs);
                      });
}

}  // namespace gamekit
