// One full frame: the gallery's shapes page drawn and presented, for every
// display kind, against a plain copy of the 153,600-byte screen image.

#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/Presentation.h"
#include "platform/core/Display.h"
#include "tools/gallery/ShapesPage.h"

using platform::DisplayKind;

namespace {

void BM_MemcpyScreen(benchmark::State& state) {
    std::vector<uint16_t> from(gamekit::kScreenWidth * gamekit::kScreenHeight, 0x1234),
        to(gamekit::kScreenWidth * gamekit::kScreenHeight);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), 153600);
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_MemcpyScreen);

void BM_Frame(benchmark::State& state) {
    const auto kind = static_cast<DisplayKind>(state.range(0));
    std::vector<uint16_t> back(gamekit::kScreenWidth * gamekit::kScreenHeight);
    gamekit::Surface surface(back.data(), gamekit::kScreenWidth, gamekit::kScreenHeight);
    auto layout = platform::display::layoutOf(kind);
    std::vector<uint8_t> frame(layout.bytes);
    GXDisplayProperties p = platform::display::propertiesOf(kind);
    gamekit::DisplayInfo info{static_cast<int32_t>(p.cBPP), static_cast<int32_t>(p.cbxPitch),
                              static_cast<int32_t>(p.cbyPitch), kind == DisplayKind::Fixed};
    for (auto _ : state) {
        gallery::drawShapesPage(surface);
        if (info.fixedFrameBuffer) {
            gamekit::convertFrameFixed(back.data(), frame.data() + layout.topLeftOffset);
        } else {
            gamekit::convertFrame(back.data(), info, frame.data() + layout.topLeftOffset);
        }
        benchmark::DoNotOptimize(frame.data());
    }
    state.SetLabel(platform::displayKindName(kind));
}
BENCHMARK(BM_Frame)->DenseRange(0, 5);

}  // namespace
