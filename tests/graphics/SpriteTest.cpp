#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "Canvas.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Sprite.h"

using namespace graphics_test;
using gamekit::Sprite;

namespace {

constexpr Colour kKey = 0xF79E;

// A scene with a different value in every pixel, so a misplaced copy shows.
void paintScene(Surface& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.row(y)[x] = static_cast<Colour>(y * 977 + x * 13 + 1);
}

// A picture of distinct values with two keyed pixels in its second row
// (when it is wide enough to have them inside).
void paintPicture(Surface& p) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.row(y)[x] = static_cast<Colour>(0x0100 + y * 16 + x);
    if (p.width() < 3 || p.height() < 2) return;
    p.row(1)[1] = kKey;
    p.row(1)[2] = kKey;
}

// A painted scene on a guarded canvas, a picture for the sprite and the
// sprite itself.
struct Stage {
    Stage(int w, int h, int pictureW, int pictureH)
        : canvas(w, h), picture(pictureW, pictureH), sprite(picture) {
        paintScene(canvas.surface());
        paintPicture(picture);
    }
    Surface& s() { return canvas.surface(); }
    // The canvas pixels now, to compare with the same later or with the
    // painted scene (`scene()`).
    std::vector<Colour> pixels() {
        return std::vector<Colour>(s().pixels(), s().pixels() + s().width() * s().height());
    }
    std::vector<Colour> scene() {
        Surface fresh(s().width(), s().height());
        paintScene(fresh);
        return std::vector<Colour>(fresh.pixels(), fresh.pixels() + s().width() * s().height());
    }
    GuardedCanvas canvas;
    Surface picture;
    Sprite sprite;
};

}  // namespace

TEST(Sprite, StartsAtOriginWithTheKeyEnabledAndNothingSaved) {
    Surface picture(4, 3);
    Sprite sprite(picture);
    EXPECT_EQ(sprite.x(), 0);
    EXPECT_EQ(sprite.y(), 0);
    EXPECT_EQ(sprite.width(), 4);
    EXPECT_EQ(sprite.height(), 3);
    EXPECT_EQ(sprite.colourKey(), kKey);
    EXPECT_TRUE(sprite.keyEnabled());
    EXPECT_FALSE(sprite.backgroundSaved());
    EXPECT_EQ(sprite.picture(), picture.pixels());
}

TEST(Sprite, MoveDrawsThePictureAndSkipsTheKey) {
    Stage st(20, 10, 4, 3);
    const std::vector<Colour> before = st.scene();
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 5, 2));
    EXPECT_EQ(st.sprite.x(), 5);
    EXPECT_EQ(st.sprite.y(), 2);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool under = x >= 5 && x < 9 && y >= 2 && y < 5;
            const Colour p = under ? st.picture.pixel(x - 5, y - 2) : kKey;
            const Colour expected = (under && p != kKey) ? p : before[y * 20 + x];
            ASSERT_EQ(st.s().pixel(x, y), expected) << x << "," << y;
            ASSERT_NE(st.s().pixel(x, y), kKey);
        }
    // With the key disabled the key colour is copied like any other.
    st.sprite.setKeyEnabled(false);
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 5, 2));
    EXPECT_EQ(st.s().pixel(6, 3), kKey);
    EXPECT_TRUE(st.canvas.canariesIntact());
}

TEST(Sprite, OtherKeyColourCanBeSet) {
    Stage st(10, 10, 2, 2);
    const Colour under = st.s().pixel(1, 1);
    st.picture.fill(0x0042);
    st.sprite.setColourKey(0x0042);
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 1, 1));
    EXPECT_EQ(st.s().pixel(1, 1), under);
}

TEST(Sprite, MustEndOnePixelInsideTheTarget) {
    Stage st(20, 10, 4, 3);
    Sprite& sprite = st.sprite;
    EXPECT_FALSE(sprite.moveTo(st.s(), 16, 0));  // x + width == 20
    EXPECT_TRUE(sprite.moveTo(st.s(), 15, 0));
    EXPECT_FALSE(sprite.moveTo(st.s(), 0, 7));  // y + height == 10
    EXPECT_TRUE(sprite.moveTo(st.s(), 0, 6));
    EXPECT_FALSE(sprite.moveTo(st.s(), -1, 0));
    EXPECT_FALSE(sprite.moveTo(st.s(), 0, -1));
    EXPECT_FALSE(sprite.moveTo(st.s(), INT_MAX, 0));
    EXPECT_FALSE(sprite.moveTo(st.s(), 0, INT_MAX));
    EXPECT_EQ(sprite.x(), 0);
    EXPECT_EQ(sprite.y(), 6);
    EXPECT_TRUE(st.canvas.canariesIntact());
}

TEST(Sprite, RefusedMoveKeepsTheSpriteAndItsSavedBackground) {
    Stage st(20, 10, 4, 3);
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 3, 3));
    const std::vector<Colour> withSprite = st.pixels();
    EXPECT_FALSE(st.sprite.moveTo(st.s(), 17, 3));
    EXPECT_EQ(st.pixels(), withSprite);
    EXPECT_EQ(st.sprite.x(), 3);
    EXPECT_TRUE(st.sprite.backgroundSaved());
    EXPECT_TRUE(st.sprite.restoreBackground(st.s()));
    EXPECT_EQ(st.pixels(), st.scene());
}

TEST(Sprite, MovingTwiceToTheSamePlaceChangesNothingElse) {
    Stage st(20, 10, 4, 3);
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 7, 4));
    const std::vector<Colour> once = st.pixels();
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 7, 4));
    EXPECT_EQ(st.pixels(), once);
}

TEST(Sprite, MovedAndRemovedRestoresTheSceneExactly) {
    Stage st(30, 20, 5, 4);
    // Overlapping and separate steps.
    const int path[][2] = {{0, 0}, {2, 1}, {3, 3}, {20, 12}, {24, 15}, {1, 14}, {1, 14}};
    for (const auto& p : path) ASSERT_TRUE(st.sprite.moveTo(st.s(), p[0], p[1]));
    EXPECT_TRUE(st.sprite.restoreBackground(st.s()));
    EXPECT_EQ(st.pixels(), st.scene());
    EXPECT_TRUE(st.canvas.canariesIntact());
}

TEST(Sprite, RestoreWithNothingSavedReportsFalse) {
    Stage st(10, 10, 2, 2);
    EXPECT_FALSE(st.sprite.restoreBackground(st.s()));
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 1, 1));
    EXPECT_TRUE(st.sprite.restoreBackground(st.s()));
    EXPECT_FALSE(st.sprite.restoreBackground(st.s()));
}

TEST(Sprite, RemovedSpriteDoesNotPasteAStaleBackgroundLater) {
    Stage st(20, 10, 3, 3);
    st.picture.fill(kEdge);
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 2, 2));
    ASSERT_TRUE(st.sprite.restoreBackground(st.s()));
    // The scene is redrawn where the sprite was; the next move must keep it.
    st.s().fill(kFill);
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 10, 2));
    EXPECT_EQ(st.s().pixel(3, 3), kFill);
    EXPECT_EQ(st.s().pixel(11, 3), kEdge);
}

TEST(Sprite, ClearToKeyMakesThePictureTransparentAndForgetsTheBackground) {
    Stage st(10, 10, 3, 3);
    st.picture.fill(kEdge);
    st.sprite.setKeyEnabled(false);
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 1, 1));
    st.sprite.clearToKey();
    EXPECT_TRUE(st.sprite.keyEnabled());
    EXPECT_FALSE(st.sprite.backgroundSaved());
    EXPECT_EQ(st.picture.pixel(2, 2), kKey);
    // Painted into afterwards: only the painted pixel shows.
    st.picture.row(0)[0] = kFill;
    ASSERT_TRUE(st.sprite.moveTo(st.s(), 5, 5));
    EXPECT_EQ(st.s().pixel(5, 5), kFill);
    EXPECT_EQ(st.s().pixel(6, 6), st.scene()[6 * 10 + 6]);
    EXPECT_EQ(st.s().pixel(1, 1), kEdge);  // not restored: forgotten
}

TEST(Sprite, WithoutPixelsEveryMoveIsRefused) {
    GuardedCanvas canvas(10, 10);
    Surface none(nullptr, 4, 4);
    Sprite empty(none);
    EXPECT_FALSE(empty.moveTo(canvas.surface(), 1, 1));
    empty.clearToKey();
    Surface picture(2, 2);
    Sprite sprite(picture);
    EXPECT_FALSE(sprite.moveTo(none, 0, 0));
    EXPECT_FALSE(sprite.restoreBackground(none));
}

TEST(Sprite, RestoringOntoASmallerTargetIsClipped) {
    GuardedCanvas big(40, 40);
    GuardedCanvas small(8, 8);
    Surface picture(5, 5);
    picture.fill(kEdge);
    Sprite sprite(picture);
    ASSERT_TRUE(sprite.moveTo(big.surface(), 30, 30));
    EXPECT_FALSE(sprite.moveTo(small.surface(), 5, 5));  // does not fit
    EXPECT_TRUE(sprite.moveTo(small.surface(), 1, 1));   // restores (30,30) onto the small one
    EXPECT_TRUE(sprite.restoreBackground(small.surface()));
    ASSERT_TRUE(sprite.moveTo(small.surface(), 2, 2));
    ASSERT_TRUE(sprite.moveTo(big.surface(), 34, 34));  // restores (2,2) onto the big one
    EXPECT_TRUE(big.canariesIntact());
    EXPECT_TRUE(small.canariesIntact());
}
