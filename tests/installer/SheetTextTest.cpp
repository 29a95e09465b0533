// Every text the installer letters into a sprite sheet lies inside the
// sprite it belongs to, a pixel clear of its edge, and two inside the
// outlined empty talons (their outline is the edge's first pixel). Pellandine's
// banners are exactly as high as their lettering: there the pixel is kept at
// the sides.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "games/cribbage/CribbageSprites.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/velloran/VelloranSprites.h"
#include "tools/gallery/GallerySprites.h"
#include "tools/installer/PixelFont.h"
#include "tools/installer/SpriteSheets.h"

using namespace installer;
using gamekit::SheetRect;

namespace {

struct Sprite {
    const char* name;
    SheetRect rect;
    int margin;
    int marginY = margin;
};

std::vector<Sprite> spritesOf(const char* fileName) {
    if (std::strcmp(fileName, pellandine_sprites::kSheetFile) == 0) {
        using namespace pellandine_sprites;
        return {{"title banner", kTitleBanner, 1, 0},
                {"PAIRS banner", kVariationBanners[0], 1, 0},
                {"SUM 10 banner", kVariationBanners[1], 1, 0},
                {"SUM 11 banner", kVariationBanners[2], 1, 0},
                {"SUM 14 banner", kVariationBanners[3], 1, 0},
                {"logo", kLogo, 1},
                {"About logo", kAboutLogo, 1},
                {"name art", kNameArt, 1}};
    }
    if (std::strcmp(fileName, reflection_sprites::kSheetFile) == 0) {
        using namespace reflection_sprites;
        return {{"logo", kLogo, 1},         {"About logo", kAboutLogo, 1},
                {"name art", kNameArt, 1},  {"kings talon", kKingsSlot, 2},
                {"store talon", kStoreSlot, 2}};
    }
    if (std::strcmp(fileName, cribbage_sprites::kSheetFile) == 0) {
        using namespace cribbage_sprites;
        return {{"logo", kLogo, 1}, {"About logo", kAboutLogo, 1}, {"name art", kNameArt, 1}};
    }
    if (std::strcmp(fileName, velloran_sprites::kSheetFile) == 0) {
        using namespace velloran_sprites;
        return {{"logo", kLogo, 1}, {"About logo", kAboutLogo, 1}, {"name art", kNameArt, 1}};
    }
    if (std::strcmp(fileName, gallery_sprites::kSheetFile) == 0) {
        using namespace gallery_sprites;
        return {{"logo", kLogo, 1}, {"About logo", kAboutLogo, 1}, {"name art", kNameArt, 1}};
    }
    return {};
}

bool inside(const DrawnText& t, const Sprite& s) {
    const SheetRect& r = s.rect;
    return t.x >= r.x + s.margin && t.y >= r.y + s.marginY &&
           t.x + t.width <= r.x + r.width - s.margin &&
           t.y + t.height <= r.y + r.height - s.marginY;
}

// The sprite whose rectangle holds the text's top-left corner.
const Sprite* ownerOf(const DrawnText& t, const std::vector<Sprite>& sprites) {
    for (const Sprite& s : sprites) {
        const SheetRect& r = s.rect;
        if (t.x >= r.x && t.y >= r.y && t.x < r.x + r.width && t.y < r.y + r.height) return &s;
    }
    return nullptr;
}

}  // namespace

TEST(SheetText, EveryTextOfEverySheetLiesInsideItsSprite) {
    int count = 0;
    const SheetGenerator* generators = sheetGenerators(count);
    ASSERT_EQ(count, 5);
    for (int i = 0; i < count; ++i) {
        const SheetGenerator& g = generators[i];
        const std::vector<Sprite> sprites = spritesOf(g.fileName);
        ASSERT_FALSE(sprites.empty()) << g.fileName;
        std::vector<DrawnText> log;
        Canvas sheet(g.width, g.height, kSheetKey);
        logDrawnText(&log);
        g.draw(sheet);
        logDrawnText(nullptr);
        int onSheet = 0;
        for (const DrawnText& t : log) {
            if (t.canvas != &sheet) continue;  // drawn on a canvas of its own, then copied
            ++onSheet;
            const Sprite* owner = ownerOf(t, sprites);
            if (owner == nullptr) {
                ADD_FAILURE() << g.fileName << ": \"" << t.text << "\" at " << t.x << "," << t.y
                              << " lies in no sprite";
                continue;
            }
            EXPECT_TRUE(inside(t, *owner))
                << g.fileName << ": \"" << t.text << "\" (" << t.x << "," << t.y << " " << t.width
                << "x" << t.height << ") leaves the " << owner->name << " (" << owner->rect.x << ","
                << owner->rect.y << " " << owner->rect.width << "x" << owner->rect.height
                << ") or comes too near its edge";
        }
        EXPECT_GE(onSheet, 3) << g.fileName;
    }
}
