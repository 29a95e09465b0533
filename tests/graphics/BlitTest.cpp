#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "Canvas.h"
#include "gamekit/graphics/Blit.h"

using namespace graphics_test;
using gamekit::blitKeyed;
using gamekit::blitOpaque;
using gamekit::blitRecoloured;
using gamekit::blitRecolouredKeyed;

namespace {

// A 6x4 sheet: '#' and 'o' pixels plus the sheet key (shown as '?').
constexpr Colour kSheetKey = 0x001F;
const std::vector<Colour> pixels = [] {
    std::vector<Colour> sheet;
    for (const char* row : {"##oo??", "#o#o?#", "oo##?o", "?#o#oo"})
        for (const char* c = row; *c; ++c)
            sheet.push_back(*c == '#' ? kEdge : *c == 'o' ? kFill : kSheetKey);
    return sheet;
}();

}  // namespace

TEST(Blit, OpaqueCopiesABlockOfTheSheet) {
    GuardedCanvas canvas(6, 5);
    blitOpaque(canvas.surface(), 1, 1, pixels.data(), 6, 1, 1, 3, 2);
    EXPECT_EQ(art(canvas.surface()), "......\n.o#o..\n.o##..\n......\n......\n");
}

TEST(Blit, ClippedAtEverySide) {
    struct Case {
        int x, y;
        const char* expected;
    };
    const Case cases[] = {
        {-2, 0, "oo??\n#o?#\n##?o\no#oo\n"},  // left
        {2, 0, "..##\n..#o\n..oo\n..?#\n"},   // right
        {0, -3, "?#o#\n....\n....\n....\n"},  // top
        {0, 2, "....\n....\n##oo\n#o#o\n"},   // bottom
        {-100000, 0, "....\n....\n....\n....\n"}, {INT_MAX, INT_MIN, "....\n....\n....\n....\n"},
    };
    for (const Case& c : cases) {
        GuardedCanvas canvas(4, 4);
        blitOpaque(canvas.surface(), c.x, c.y, pixels.data(), 6, 0, 0, 6, 4);
        EXPECT_EQ(art(canvas.surface()), c.expected) << c.x << "," << c.y;
        EXPECT_TRUE(canvas.canariesIntact());
    }
}

TEST(Blit, KeyedSkipsTheKeyColour) {
    GuardedCanvas canvas(6, 4);
    blitKeyed(canvas.surface(), 0, 0, pixels.data(), 6, 0, 0, 6, 4, kSheetKey);
    EXPECT_EQ(art(canvas.surface()), "##oo..\n#o#o.#\noo##.o\n.#o#oo\n");
}

TEST(Blit, RecolouredReplacesPairsAndCopiesTheRest) {
    const Colour from[] = {kSheetKey, kEdge};
    const Colour to[] = {kEdge, kBackground};
    GuardedCanvas canvas(6, 4, 0x0000);
    blitRecoloured(canvas.surface(), 0, 0, pixels.data(), 6, 0, 0, 6, 4, from, to, 2);
    EXPECT_EQ(art(canvas.surface()), "..oo##\n.o.o#.\noo..#o\n#.o.oo\n");

    GuardedCanvas keyed(6, 4);
    const Colour onlyFill[] = {kFill};
    const Colour toEdge[] = {kEdge};
    blitRecolouredKeyed(keyed.surface(), 0, 0, pixels.data(), 6, 0, 0, 6, 4, onlyFill, toEdge, 1,
                        kSheetKey);
    EXPECT_EQ(art(keyed.surface()), "####..\n####.#\n####.#\n.#####\n");
}

TEST(Blit, BlocksOutsideTheSheetRowAreRefused) {
    const std::string blank = "....\n....\n";
    auto attempt = [&](int sx, int sy, int w, int h, int stride) {
        GuardedCanvas canvas(4, 2);
        blitOpaque(canvas.surface(), 0, 0, pixels.data(), stride, sx, sy, w, h);
        return art(canvas.surface());
    };
    EXPECT_EQ(attempt(-1, 0, 2, 2, 6), blank);
    EXPECT_EQ(attempt(0, -1, 2, 2, 6), blank);
    EXPECT_EQ(attempt(5, 0, 2, 2, 6), blank);  // reaches past the row
    EXPECT_EQ(attempt(0, 0, 0, 2, 6), blank);
    EXPECT_EQ(attempt(0, 0, 2, -1, 6), blank);
    EXPECT_EQ(attempt(0, 0, 2, 2, 0), blank);
    EXPECT_EQ(attempt(4, 0, 2, 2, 6), "??..\n?#..\n");
    GuardedCanvas canvas(4, 2);
    blitOpaque(canvas.surface(), 0, 0, nullptr, 6, 0, 0, 2, 2);
    EXPECT_EQ(art(canvas.surface()), blank);
}
