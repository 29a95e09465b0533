// The drawing fast paths against the code they replaced (ReferenceDrawing):
// random scenes of shapes, blits, text and cards, many of them running off
// the surface's edges, drawn both ways must leave the very same pixels.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "RandomPictures.h"
#include "ReferenceDrawing.h"
#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/Primitives.h"

namespace {

using gamekit::Colour;
using gamekit::Surface;

constexpr Colour kKey = gamekit::colours::kSheetKey;
// The colours the recolouring pairs look for, frequent in the random sheet.
constexpr Colour kInk = 0x0000;
constexpr Colour kLine = 0x8410;
constexpr Colour kShade = 0x4208;

class Scene {
  public:
    explicit Scene(uint32_t seed)
        : random_(seed),
          strip_(drawing_test::randomBackStrip(random_)),
          themes_(gamekit::makeStandardThemes(strip_.data())) {
        sheet_.resize(kSheetWidth * kSheetHeight);
        const Colour common[] = {kKey, kInk, kLine, kShade};
        for (Colour& pixel : sheet_)
            pixel = chance(2) ? common[number(0, 3)] : static_cast<Colour>(random_());
    }
    ~Scene() { gamekit::destroyThemes(themes_); }

    // Draws `steps` random things onto both surfaces, each the same way.
    void draw(Surface& fast, Surface& slow, int steps) {
        for (int i = 0; i < steps; ++i) drawOne(fast, slow, fast.width(), fast.height());
    }

  private:
    static constexpr int kSheetWidth = 64;
    static constexpr int kSheetHeight = 48;

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int oneIn) { return number(1, oneIn) == 1; }
    Colour colour() { return static_cast<Colour>(random_()); }
    // Mostly on the surface, often across an edge, now and then far off.
    int coordinate(int size) { return chance(20) ? number(-4000, 4000) : number(-40, size + 40); }

    void drawOne(Surface& fast, Surface& slow, int w, int h) {
        const int x1 = coordinate(w), y1 = coordinate(h);
        const int x2 = chance(3) ? x1 + number(-3, 40) : coordinate(w);
        const int y2 = chance(3) ? y1 + number(-3, 50) : coordinate(h);
        const int mode = number(0, 3);
        const Colour edge = colour(), fill = colour();
        switch (number(0, 7)) {
            case 0:
                gamekit::drawRect(fast, x1, y1, x2, y2, mode, edge, fill);
                reference::drawRect(slow, x1, y1, x2, y2, mode, edge, fill);
                break;
            case 1: {
                const int radius = chance(10) ? number(-2, 47) : number(1, 8);
                gamekit::drawRoundRect(fast, x1, y1, x2, y2, radius, mode, edge, fill);
                reference::drawRoundRect(slow, x1, y1, x2, y2, radius, mode, edge, fill);
                break;
            }
            case 2: {
                const int radius = number(-1, 46);
                gamekit::drawCircle(fast, x1, y1, radius, mode, edge, fill);
                reference::drawCircle(slow, x1, y1, radius, mode, edge, fill);
                break;
            }
            case 3:
            case 4:
                blit(fast, slow, x1, y1);
                break;
            case 5:
                text(fast, slow, x1, y1);
                break;
            default:
                card(fast, slow, x1, y1);
                break;
        }
    }

    void blit(Surface& fast, Surface& slow, int x, int y) {
        // Now and then a block the sheet refuses (left of it, or too wide).
        const int sx = number(-1, kSheetWidth - 1), sy = number(0, kSheetHeight - 1);
        const int width = number(0, kSheetWidth - sx + 1), height = number(0, kSheetHeight - sy);
        const Colour from[3] = {kInk, kLine, chance(2) ? kInk : kShade};
        const Colour to[3] = {colour(), colour(), colour()};
        const int pairs = number(0, 3);
        const uint16_t* s = sheet_.data();
        switch (number(0, 2)) {
            case 0:
                gamekit::blitKeyed(fast, x, y, s, kSheetWidth, sx, sy, width, height, kKey);
                reference::blitKeyed(slow, x, y, s, kSheetWidth, sx, sy, width, height, kKey);
                break;
            case 1:
                gamekit::blitRecoloured(fast, x, y, s, kSheetWidth, sx, sy, width, height, from, to,
                                        pairs);
                reference::blitRecoloured(slow, x, y, s, kSheetWidth, sx, sy, width, height, from,
                                          to, pairs);
                break;
            default:
                gamekit::blitRecolouredKeyed(fast, x, y, s, kSheetWidth, sx, sy, width, height,
                                             from, to, pairs, kKey);
                reference::blitRecolouredKeyed(slow, x, y, s, kSheetWidth, sx, sy, width, height,
                                               from, to, pairs, kKey);
                break;
        }
    }

    void text(Surface& fast, Surface& slow, int x, int y) {
        gamekit::BitmapFont* fonts[] = {&gamekit::font1(), &gamekit::font2(), &gamekit::font3()};
        gamekit::BitmapFont& font = *fonts[number(0, 2)];
        const gamekit::FontStyle style(font, colour(), colour(), chance(2));
        std::string line(static_cast<size_t>(number(0, 24)), ' ');
        // Printable characters mostly, some without a glyph ({, |, }, 127..).
        for (char& c : line) c = static_cast<char>(chance(8) ? number(1, 255) : number(32, 126));
        EXPECT_EQ(font.draw(fast, x, y, line.c_str()),
                  reference::drawText(font, slow, x, y, line.c_str()));
    }

    void card(Surface& fast, Surface& slow, int x, int y) {
        // Rank 13 and the joker have no glyph.
        const gamekit::PlayingCard card(number(0, 13), number(0, 4), !chance(4));
        const gamekit::CardTheme* theme =
            chance(4) ? nullptr : themes_[number(0, static_cast<int>(themes_.size()) - 1)];
        const int clipWidth = chance(3) ? number(0, fast.width()) : 0;
        const int clipHeight = chance(3) ? number(0, fast.height()) : 0;
        const bool selected = chance(2);
        gamekit::drawCard(fast, card, theme, x, y, clipWidth, clipHeight, selected);
        reference::drawCard(slow, card, theme, x, y, clipWidth, clipHeight, selected);
    }

    std::mt19937 random_;
    std::vector<uint16_t> strip_;
    std::vector<uint16_t> sheet_;
    gamekit::GArray<gamekit::CardTheme*> themes_;
};

// The first pixel where two surfaces differ, as "x,y: fast vs reference".
std::string firstDifference(const Surface& fast, const Surface& slow) {
    for (int y = 0; y < fast.height(); ++y) {
        for (int x = 0; x < fast.width(); ++x) {
            if (fast.pixel(x, y) != slow.pixel(x, y))
                return std::to_string(x) + "," + std::to_string(y) + ": " +
                       std::to_string(fast.pixel(x, y)) + " vs " + std::to_string(slow.pixel(x, y));
        }
    }
    return "";
}

struct SurfaceSize {
    int width, height;
};

class RandomScenes : public ::testing::TestWithParam<SurfaceSize> {};

TEST_P(RandomScenes, LeaveTheReferencePixels) {
    const SurfaceSize size = GetParam();
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        Scene scene(seed);
        Surface fast(size.width, size.height), slow(size.width, size.height);
        fast.fill(0x1234);
        slow.fill(0x1234);
        scene.draw(fast, slow, 60);
        ASSERT_EQ(firstDifference(fast, slow), "") << "seed " << seed;
    }
}

// The screen, and small odd surfaces where almost everything is clipped.
INSTANTIATE_TEST_SUITE_P(Sizes, RandomScenes,
                         ::testing::Values(SurfaceSize{240, 320}, SurfaceSize{37, 23},
                                           SurfaceSize{1, 50}, SurfaceSize{320, 240}));

}  // namespace
