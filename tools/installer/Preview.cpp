#include "tools/installer/Preview.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Surface.h"
#include "platform/Platform.h"
#include "tools/installer/CardBacksArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

namespace {

using gamekit::Surface;

uint16_t to565(Rgb p) {
    return static_cast<uint16_t>(((p.r >> 3) << 11) | ((p.g >> 2) << 5) | (p.b >> 3));
}

Rgb from565(uint16_t c) {
    const int r = (c >> 11) & 31, g = (c >> 5) & 63, b = c & 31;
    return Rgb{static_cast<uint8_t>(r * 255 / 31), static_cast<uint8_t>(g * 255 / 63),
               static_cast<uint8_t>(b * 255 / 31)};
}

std::vector<uint16_t> canvasTo565(const Canvas& canvas) {
    std::vector<uint16_t> pixels(static_cast<size_t>(canvas.width()) * canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x)
            pixels[y * canvas.width() + x] = to565(canvas.get(x, y));
    }
    return pixels;
}

void copyOpaque(Surface& target, const std::vector<uint16_t>& pixels, int w, int h, int x, int y) {
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) target.putPixel(x + col, y + row, pixels[row * w + col]);
    }
}

bool writePng(const std::string& path, const Surface& surface, int scale, std::string& error) {
    const int w = surface.width() * scale, h = surface.height() * scale;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Rgb p = from565(surface.pixel(x / scale, y / scale));
            pixels[static_cast<size_t>(y) * w + x] = (uint32_t{p.r} << 16) | (uint32_t{p.g} << 8) | p.b;
        }
    }
    if (platform::writePng(path, w, h, pixels.data())) return true;
    error = "cannot write " + path;
    return false;
}

}  // namespace

bool writePreview(const std::string& path, int scale, std::string& error) {
    constexpr int kPitchX = 34, kPitchY = 52;
    int sheetCount = 0;
    const SheetGenerator* sheets = sheetGenerators(sheetCount);
    int sheetsWidth = 0, sheetsHeight = 0;
    for (int i = 0; i < sheetCount; ++i) {
        sheetsWidth += sheets[i].width + 6;
        if (sheets[i].height > sheetsHeight) sheetsHeight = sheets[i].height;
    }
    const int width = std::max(13 * kPitchX + 8, sheetsWidth + 4);
    const int height = 6 * kPitchY + 8 + sheetsHeight + 4;
    Surface surface(width, height);
    surface.fill(0x0010);  // the first theme's table

    const Canvas strip = drawCardBacks();
    const std::vector<uint16_t> backs = canvasTo565(strip);
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes(backs.data());

    // Rows 0..3: every face in suit order; row 4: a few selected faces and a
    // face-down card; row 5: the nine backs, each on its own theme's table.
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            gamekit::PlayingCard card(rank, suit, true);
            gamekit::drawCard(surface, card, themes[0], 6 + rank * kPitchX, 6 + suit * kPitchY, 0,
                              0, false);
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        gamekit::PlayingCard card(suit == 0 ? 0 : 9 + suit, suit, true);
        gamekit::drawCard(surface, card, themes[suit], 6 + suit * kPitchX, 6 + 4 * kPitchY, 0, 0,
                          true);
    }
    gamekit::drawCard(surface, gamekit::PlayingCard(0, 0, false), themes[0], 6 + 5 * kPitchX,
                      6 + 4 * kPitchY, 0, 0, true);
    gamekit::drawCard(surface, gamekit::PlayingCard(0, 0, false), nullptr, 6 + 6 * kPitchX,
                      6 + 4 * kPitchY, 0, 0, true);
    for (int i = 0; i < gamekit::kThemeCount; ++i) {
        const int x = 6 + i * kPitchX, y = 6 + 5 * kPitchY;
        gamekit::drawRect(surface, x - 3, y - 3, x + 32, y + 48, gamekit::kShapeFilled,
                          themes[i]->tableColour, themes[i]->tableColour);
        themes[i]->drawBack(surface, x, y, gamekit::kScreenWidth, gamekit::kScreenHeight, false);
    }
    int sheetX = 4;
    for (int i = 0; i < sheetCount; ++i) {
        const Canvas sheet = drawSheet(sheets[i]);
        copyOpaque(surface, canvasTo565(sheet), sheet.width(), sheet.height(), sheetX,
                   6 * kPitchY + 8);
        sheetX += sheet.width() + 6;
    }
    gamekit::destroyThemes(themes);
    return writePng(path, surface, scale < 1 ? 1 : scale, error);
}

}  // namespace installer
