// The reflection sheet: rank marks that read like the corners of the card
// faces, and talon labels in the two colours the table recolours.

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "gamekit/cards/CardGlyphs.h"
#include "games/reflection/ReflectionSprites.h"
#include "tools/installer/SpriteSheets.h"

using namespace installer;
namespace rsprites = reflection_sprites;

namespace {

Canvas reflectionSheet() {
    int count = 0;
    const SheetGenerator* sheets = sheetGenerators(count);
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(sheets[i].fileName, rsprites::kSheetFile) == 0) {
            EXPECT_EQ(sheets[i].width, 226);
            EXPECT_EQ(sheets[i].height, 305);
            return drawSheet(sheets[i]);
        }
    }
    ADD_FAILURE() << "no reflection sheet";
    return Canvas(1, 1);
}

// The pixels of a block as one string, for comparing blocks.
std::vector<uint32_t> block(const Canvas& c, const rsprites::SheetRect& r) {
    std::vector<uint32_t> out;
    for (int y = r.y; y < r.y + r.height; ++y) {
        for (int x = r.x; x < r.x + r.width; ++x) {
            const Rgb p = c.get(x, y);
            out.push_back(p.r << 16 | p.g << 8 | p.b);
        }
    }
    return out;
}

}  // namespace

TEST(ReflectionSheet, EachRankMarkCarriesTheCardFacesRankGlyphTwice) {
    const Canvas sheet = reflectionSheet();
    for (bool now : {false, true}) {
        const Rgb ink = now ? rgb(0x000000) : rgb(0x102050);
        std::set<std::vector<uint32_t>> distinct;
        for (int rank = 0; rank < 13; ++rank) {
            const rsprites::SheetRect r = rsprites::rankMark(rank, now);
            ASSERT_EQ(r.width, 11);
            ASSERT_EQ(r.height, 45);
            distinct.insert(block(sheet, r));
            const uint16_t* glyph = gamekit::rankGlyph(rank);
            for (int top : {1, 45 - 14}) {
                for (int row = 0; row < gamekit::kGlyphHeight; ++row) {
                    for (int col = 0; col < gamekit::kGlyphWidth; ++col) {
                        const bool solid = glyph[row * gamekit::kGlyphWidth + col] == 0x0000;
                        const bool inked = sheet.get(r.x + 1 + col, r.y + top + row) == ink;
                        EXPECT_EQ(solid, inked) << "rank " << rank << " row " << row;
                    }
                }
            }
            // Opaque but for the rounded corners, so it reads on every theme.
            EXPECT_EQ(sheet.get(r.x, r.y), kSheetKey);
            EXPECT_NE(sheet.get(r.x + 5, r.y + 44), kSheetKey);
            EXPECT_NE(sheet.get(r.x, r.y + 22), kSheetKey);
        }
        EXPECT_EQ(distinct.size(), 13u);
    }
    // The two looks differ: a place ahead and the place the card fits now.
    EXPECT_NE(block(sheet, rsprites::rankMark(4, false)), block(sheet, rsprites::rankMark(4, true)));
}

TEST(ReflectionSheet, TalonLabelsUseOnlyTheKeyTheInkAndTheLine) {
    const Canvas sheet = reflectionSheet();
    const Rgb ink = rgb(0xFFFFFF), line = rgb(0x00FF00);
    for (const rsprites::SheetRect& r : {rsprites::kKingsSlot, rsprites::kStoreSlot}) {
        int inked = 0, lined = 0;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                const Rgb p = sheet.get(x, y);
                EXPECT_TRUE(p == kSheetKey || p == ink || p == line);
                inked += p == ink;
                lined += p == line;
            }
        }
        EXPECT_GT(inked, 40);   // two words of lettering
        EXPECT_GT(lined, 100);  // the outline all round
    }
    EXPECT_NE(block(sheet, rsprites::kKingsSlot), block(sheet, rsprites::kStoreSlot));
}

TEST(ReflectionSheet, TheStandardPiecesLieWhereTheScreensLookForThem) {
    const Canvas sheet = reflectionSheet();
    EXPECT_EQ(sheet.get(rsprites::kCheckBoxEmpty.x + 5, rsprites::kCheckBoxEmpty.y + 2),
              rgb(0xFFFFFF));
    EXPECT_EQ(sheet.get(rsprites::kCheckBoxEmpty.x, rsprites::kCheckBoxEmpty.y), rgb(0x000000));
    EXPECT_NE(block(sheet, rsprites::kCheckBoxEmpty), block(sheet, rsprites::kCheckBoxTicked));
    // Something is drawn in the logo, the About logo and the name art.
    for (const rsprites::SheetRect& r : {rsprites::kLogo, rsprites::kAboutLogo, rsprites::kNameArt}) {
        int painted = 0;
        for (uint32_t p : block(sheet, r)) painted += p != 0x0000FFu;
        EXPECT_GT(painted, 200);
    }
}
