// Random shapes, sprites and copies with coordinates far outside the surface
// and near its edges: nothing may land outside the pixels, and the shapes
// that are not clipped by definition (round rectangles, copies) must show
// inside exactly what they show when drawn whole on a larger surface.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

#include "Canvas.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Sprite.h"

using namespace graphics_test;
using namespace gamekit;

namespace {

class Dice {
  public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    Colour colour() { return static_cast<Colour>(between(0, 0xFFFF)); }
    // Mostly near the edges of a surface `size` long, sometimes far away,
    // now and then at the ends of the int range.
    int coordinate(int size) {
        switch (between(0, 9)) {
            case 0:
                return between(-100000, 100000);
            case 1:
                return between(0, 1) ? INT_MAX - between(0, 50) : INT_MIN + between(0, 50);
            case 2:
            case 3:
                return between(-3, 3) + (between(0, 1) ? 0 : size - 1);
            default:
                return between(-size, 2 * size);
        }
    }
    int mode() { return between(0, 3); }

  private:
    std::mt19937 engine_;
};

TEST(NoWriteOutside, RandomShapesStayInsideTheSurface) {
    Dice dice(20240501);
    for (const auto& size : {std::pair{240, 320}, std::pair{37, 23}, std::pair{1, 1}}) {
        const int w = size.first, h = size.second;
        GuardedCanvas canvas(w, h);
        Surface& s = canvas.surface();
        for (int i = 0; i < 2500; ++i) {
            auto X = [&] { return dice.coordinate(w); };
            auto Y = [&] { return dice.coordinate(h); };
            switch (i % 7) {
                case 0:
                    drawLine(s, X(), Y(), X(), Y(), dice.colour());
                    break;
                case 1:
                    drawRect(s, X(), Y(), X(), Y(), dice.mode(), dice.colour(), dice.colour());
                    break;
                case 2:
                    drawRoundRect(s, X(), Y(), X(), Y(), dice.between(-2, 48), dice.mode(),
                                  dice.colour(), dice.colour());
                    break;
                case 3:
                    drawCircle(s, X(), Y(), dice.between(-2, 48), dice.mode(), dice.colour(),
                               dice.colour());
                    break;
                case 4:
                    drawTriangle(s, X(), Y(), X(), Y(), X(), Y(), dice.mode(), dice.colour(),
                                 dice.colour());
                    break;
                case 5:
                    (dice.between(0, 1) ? drawRaisedBox : drawSunkenBox)(
                        s, X(), Y(), X(), Y(), dice.colour(), dice.colour(), dice.colour(),
                        dice.between(-1, 12));
                    break;
                default: {
                    static std::vector<Colour> sheet(64 * 64, 0x1234);
                    const int sw = dice.between(-2, 70), sh = dice.between(-2, 70);
                    blitKeyed(s, X(), Y(), sheet.data(), 64, dice.between(-2, 63),
                              dice.between(0, 63 - std::max(0, std::min(sh, 63))), sw,
                              std::min(sh, 64), 0x1234 + dice.between(0, 1));
                    break;
                }
            }
            ASSERT_TRUE(canvas.canariesIntact()) << "shape " << i % 7 << " number " << i;
        }
    }
}

TEST(NoWriteOutside, RandomSpriteMovesRestoreTheSceneAndStayInside) {
    Dice dice(77);
    GuardedCanvas canvas(240, 320);
    Surface& s = canvas.surface();
    for (int i = 0; i < 76800; ++i) s.pixels()[i] = static_cast<Colour>(i * 31);
    const std::vector<Colour> scene(s.pixels(), s.pixels() + 76800);
    GuardedCanvas small(20, 16);
    for (int round = 0; round < 30; ++round) {
        Surface picture(dice.between(1, 60), dice.between(1, 60));
        for (int i = 0; i < picture.width() * picture.height(); ++i)
            picture.pixels()[i] = dice.between(0, 3) ? dice.colour() : 0xF79E;
        Sprite sprite(picture);
        for (int move = 0; move < 100; ++move) {
            const bool onSmall = dice.between(0, 19) == 0;
            Surface& target = onSmall ? small.surface() : s;
            const int x = dice.coordinate(target.width()), y = dice.coordinate(target.height());
            const bool fits = x >= 0 && y >= 0 &&
                              static_cast<long long>(x) + picture.width() < target.width() &&
                              static_cast<long long>(y) + picture.height() < target.height();
            ASSERT_EQ(sprite.moveTo(target, x, y), fits);
            ASSERT_TRUE(canvas.canariesIntact());
            ASSERT_TRUE(small.canariesIntact());
            if (onSmall && fits) {
                sprite.restoreBackground(small.surface());
                small.surface().fill(kBackground);
            }
        }
        sprite.restoreBackground(s);
        ASSERT_TRUE(std::equal(scene.begin(), scene.end(), s.pixels())) << "round " << round;
    }
}

// Draws the same thing on a small surface and, shifted by `margin`, on a
// large one whose inside it fits wholly; the small one must equal the crop.
class CropComparison {
  public:
    static constexpr int kW = 48, kH = 40, kMargin = 160;
    CropComparison() : small_(kW, kH), large_(kW + 2 * kMargin, kH + 2 * kMargin) {}

    template <typename Draw>
    void check(Colour background, Draw draw) {
        small_.surface().fill(background);
        // Only the window that is compared needs a known background: no
        // shape reads pixels of columns or rows other than those it writes.
        for (int y = 0; y < kH; ++y)
            std::fill_n(large_.surface().row(y + kMargin) + kMargin, kW, background);
        draw(small_.surface(), 0);
        draw(large_.surface(), kMargin);
        ASSERT_TRUE(small_.canariesIntact());
        for (int y = 0; y < kH; ++y) {
            const uint16_t* inside = small_.surface().row(y);
            const uint16_t* whole = large_.surface().row(y + kMargin) + kMargin;
            const auto [a, b] = std::mismatch(inside, inside + kW, whole);
            ASSERT_TRUE(a == inside + kW)
                << "at " << (a - inside) << "," << y << ": " << *a << " instead of " << *b;
        }
    }

  private:
    GuardedCanvas small_, large_;
};

TEST(NoWriteOutside, RoundRectsShowInsideExactlyWhatTheWholeShapeShows) {
    Dice dice(4242);
    CropComparison compare;
    const int lo = -CropComparison::kMargin + 50;
    for (int i = 0; i < 1500; ++i) {
        const int r = dice.between(1, 45);
        const int x1 = dice.between(lo, CropComparison::kW + 10);
        const int x2 = x1 + dice.between(-10, 2 * r + 40);
        const int y1 = dice.between(lo, CropComparison::kH + 10);
        // A band row that ends at the bottom takes its mirror row with it,
        // which matches the whole shape only when the mirror lies lower.
        const int y2 = y1 + 2 * r - 1 + dice.between(0, 40);
        const int mode = dice.mode();
        const Colour edge = dice.colour(), fill = dice.colour();
        SCOPED_TRACE(::testing::Message() << x1 << "," << y1 << " " << x2 << "," << y2 << " r " << r
                                          << " mode " << mode);
        compare.check(dice.colour(), [&](Surface& s, int m) {
            drawRoundRect(s, x1 + m, y1 + m, x2 + m, y2 + m, r, mode, edge, fill);
        });
    }
}

TEST(NoWriteOutside, CopiesShowInsideExactlyWhatTheWholeCopyShows) {
    Dice dice(99);
    std::vector<Colour> sheet(80 * 70);
    for (Colour& p : sheet) p = dice.between(0, 2) ? dice.colour() : 0x001F;
    const Colour from[] = {0x0000, 0x001F};
    const Colour to[] = {0xFFFF, 0x07E0};
    CropComparison compare;
    for (int i = 0; i < 1500; ++i) {
        const int w = dice.between(1, 80), h = dice.between(1, 70);
        const int sx = dice.between(0, 80 - w), sy = dice.between(0, 70 - h);
        const int x = dice.between(-90, 60), y = dice.between(-80, 50);
        const int kind = i % 3;
        compare.check(dice.colour(), [&](Surface& s, int m) {
            if (kind == 0) blitOpaque(s, x + m, y + m, sheet.data(), 80, sx, sy, w, h);
            if (kind == 1) blitKeyed(s, x + m, y + m, sheet.data(), 80, sx, sy, w, h, 0x001F);
            if (kind == 2)
                blitRecoloured(s, x + m, y + m, sheet.data(), 80, sx, sy, w, h, from, to, 2);
        });
    }
}

}  // namespace
