// One frame's worth of shapes drawn into the 240 x 320 screen image, against
// the one block copy that presents such an image: the scene should cost a
// small multiple of the copy.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Surface.h"

namespace {

using namespace gamekit;

void drawScene(Surface& s) {
    s.fill(0x0410);
    // Menu bar, status panel and a few dozen plain rectangles.
    drawRect(s, 0, 0, 239, 17, kShapeFilled, 0x0000, 0xC618);
    drawRect(s, 0, 290, 239, 319, kShapeOutlineFilled, 0xFFFF, 0x0012);
    for (int i = 0; i < 30; ++i) {
        const int x = (i * 37) % 200, y = 20 + (i * 53) % 250;
        drawRect(s, x, y, x + 30, y + 12, i % 3, 0xFFFF, 0x8410);
    }
    // Two rows of cards and a fanned hand.
    for (int i = 0; i < 7; ++i) drawRoundRect(s, 5 + i * 33, 25, 35 + i * 33, 70, 3, 2, 0, 0xFFFF);
    for (int i = 0; i < 7; ++i) drawRoundRect(s, 5 + i * 33, 80, 35 + i * 33, 125, 3, 2, 0, 0xFFFF);
    for (int i = 0; i < 11; ++i)
        drawRoundRect(s, 10 + i * 18, 230, 40 + i * 18, 275, 3, 2, 0x0000, 0xFFFF);
    // Pegs, markers, arrows and rules.
    for (int i = 0; i < 12; ++i) drawCircle(s, 20 + i * 18, 150, 4 + i % 4, i % 3, 0xF800, 0xFFE0);
    drawCircle(s, 120, 190, 30, 2, 0x0000, 0x07E0);
    for (int i = 0; i < 8; ++i)
        drawTriangle(s, 10 + i * 28, 200, 30 + i * 28, 200, 20 + i * 28, 215, i % 3, 0, 0xF800);
    for (int i = 0; i < 20; ++i) drawLine(s, 0, 130 + i, 239, 140 + 2 * i, 0x001F);
    for (int i = 0; i < 10; ++i) drawLine(s, i * 24, 18, 239 - i * 24, 289, 0xFFFF);
    // Buttons.
    for (int i = 0; i < 4; ++i) {
        drawRaisedBox(s, 5 + i * 58, 295, 58 + i * 58, 314, 0xC618, 0xFFFF, 0x4208, 2);
        drawSunkenBox(s, 5 + i * 58, 282, 58 + i * 58, 288, 0xC618, 0xFFFF, 0x4208, 1);
    }
}

void BM_DrawScene(benchmark::State& state) {
    std::vector<uint16_t> pixels(gamekit::kScreenWidth * gamekit::kScreenHeight);
    Surface screen(pixels.data(), gamekit::kScreenWidth, gamekit::kScreenHeight);
    for (auto _ : state) {
        drawScene(screen);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawScene);

void BM_PresentCopy(benchmark::State& state) {
    std::vector<uint16_t> from(gamekit::kScreenWidth * gamekit::kScreenHeight, 0x1234),
        to(gamekit::kScreenWidth * gamekit::kScreenHeight);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), 153600);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 153600);
}
BENCHMARK(BM_PresentCopy);

}  // namespace
