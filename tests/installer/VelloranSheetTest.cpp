// The Velloran sheet: the two hint markers and the two key icons are drawn
// inside their boxes, tell apart, and leave the rest of their corner to the
// key.

#include <gtest/gtest.h>

#include <cstring>

#include "games/velloran/VelloranSprites.h"
#include "tools/installer/SpriteSheets.h"

using namespace installer;
namespace vsprites = velloran_sprites;

namespace {

Canvas velloranSheet() {
    int count = 0;
    const SheetGenerator* sheets = sheetGenerators(count);
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(sheets[i].fileName, "Velloran_Images.bmp") == 0) {
            EXPECT_EQ(sheets[i].width, 256);
            EXPECT_EQ(sheets[i].height, 128);
            return drawSheet(sheets[i]);
        }
    }
    ADD_FAILURE() << "no Velloran sheet";
    return Canvas(1, 1);
}

int inked(const Canvas& c, const vsprites::SheetRect& r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) n += !(c.get(x, y) == kSheetKey);
    }
    return n;
}

bool sameInk(const Canvas& c, const vsprites::SheetRect& a, const vsprites::SheetRect& b) {
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if ((c.get(a.x + x, a.y + y) == kSheetKey) != (c.get(b.x + x, b.y + y) == kSheetKey)) return false;
        }
    }
    return true;
}

}  // namespace

TEST(VelloranSheet, MarkersAndKeyIconsStandInTheirBoxes) {
    const Canvas sheet = velloranSheet();
    EXPECT_EQ(vsprites::kTakeThisMarker.x, 209);
    EXPECT_EQ(vsprites::kTakeElsewhereMarker.x, 217);
    for (const vsprites::SheetRect& r : {vsprites::kTakeThisMarker, vsprites::kTakeElsewhereMarker}) {
        EXPECT_EQ(r.width, 7);
        EXPECT_EQ(r.height, 9);
        EXPECT_GT(inked(sheet, r), 20);
    }
    for (const vsprites::SheetRect& r : {vsprites::kUpKey, vsprites::kDownKey}) {
        EXPECT_EQ(r.width, 8);
        EXPECT_EQ(r.height, 7);
        EXPECT_GT(inked(sheet, r), 20);
    }
    EXPECT_FALSE(sameInk(sheet, vsprites::kTakeThisMarker, vsprites::kTakeElsewhereMarker));
    EXPECT_FALSE(sameInk(sheet, vsprites::kUpKey, vsprites::kDownKey));
    // Between and beside the markers the sheet is the key, so the table's
    // recolouring paints nothing else.
    const vsprites::SheetRect gaps[] = {{216, 0, 1, 9}, {224, 0, 32, 9}, {198, 26, 11, 16}};
    for (const vsprites::SheetRect& g : gaps) EXPECT_EQ(inked(sheet, g), 0) << g.x;
}
