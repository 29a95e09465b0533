#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

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

// A 4x3 picture: a border of 0x0101.. values around a keyed middle.
void paintPicture(Surface& p) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.row(y)[x] = static_cast<Colour>(0x0100 + y * 16 + x);
    p.row(1)[1] = kKey;
    p.row(1)[2] = kKey;
}

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
    GuardedCanvas canvas(20, 10);
    paintScene(canvas.surface());
    GuardedCanvas before(20, 10);
    paintScene(before.surface());
    Surface picture(4, 3);
    paintPicture(picture);
    Sprite sprite(picture);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 5, 2));
    EXPECT_EQ(sprite.x(), 5);
    EXPECT_EQ(sprite.y(), 2);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool under = x >= 5 && x < 9 && y >= 2 && y < 5;
            const Colour p = under ? picture.pixel(x - 5, y - 2) : kKey;
            const Colour expected = (under && p != kKey) ? p : before.surface().pixel(x, y);
            ASSERT_EQ(canvas.surface().pixel(x, y), expected) << x << "," << y;
            ASSERT_NE(canvas.surface().pixel(x, y), kKey);
        }
    // With the key disabled the key colour is copied like any other.
    sprite.setKeyEnabled(false);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 5, 2));
    EXPECT_EQ(canvas.surface().pixel(6, 3), kKey);
    EXPECT_TRUE(canvas.canariesIntact());
}

TEST(Sprite, OtherKeyColourCanBeSet) {
    GuardedCanvas canvas(10, 10);
    paintScene(canvas.surface());
    const Colour under = canvas.surface().pixel(1, 1);
    Surface picture(2, 2);
    picture.fill(0x0042);
    Sprite sprite(picture);
    sprite.setColourKey(0x0042);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 1, 1));
    EXPECT_EQ(canvas.surface().pixel(1, 1), under);
}

TEST(Sprite, MustEndOnePixelInsideTheTarget) {
    GuardedCanvas canvas(20, 10);
    Surface picture(4, 3);
    Sprite sprite(picture);
    EXPECT_FALSE(sprite.moveTo(canvas.surface(), 16, 0));  // x + width == 20
    EXPECT_TRUE(sprite.moveTo(canvas.surface(), 15, 0));
    EXPECT_FALSE(sprite.moveTo(canvas.surface(), 0, 7));  // y + height == 10
    EXPECT_TRUE(sprite.moveTo(canvas.surface(), 0, 6));
    EXPECT_FALSE(sprite.moveTo(canvas.surface(), -1, 0));
    EXPECT_FALSE(sprite.moveTo(canvas.surface(), 0, -1));
    EXPECT_FALSE(sprite.moveTo(canvas.surface(), INT_MAX, 0));
    EXPECT_FALSE(sprite.moveTo(canvas.surface(), 0, INT_MAX));
    EXPECT_EQ(sprite.x(), 0);
    EXPECT_EQ(sprite.y(), 6);
    EXPECT_TRUE(canvas.canariesIntact());
}

TEST(Sprite, RefusedMoveKeepsTheSpriteAndItsSavedBackground) {
    GuardedCanvas canvas(20, 10);
    paintScene(canvas.surface());
    GuardedCanvas scene(20, 10);
    paintScene(scene.surface());
    Surface picture(4, 3);
    paintPicture(picture);
    Sprite sprite(picture);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 3, 3));
    GuardedCanvas withSprite(20, 10);
    std::copy_n(canvas.surface().pixels(), 200, withSprite.surface().pixels());

    EXPECT_FALSE(sprite.moveTo(canvas.surface(), 17, 3));
    EXPECT_TRUE(samePixels(canvas.surface(), withSprite.surface()));
    EXPECT_EQ(sprite.x(), 3);
    EXPECT_TRUE(sprite.backgroundSaved());
    EXPECT_TRUE(sprite.restoreBackground(canvas.surface()));
    EXPECT_TRUE(samePixels(canvas.surface(), scene.surface()));
}

TEST(Sprite, MovingTwiceToTheSamePlaceChangesNothingElse) {
    GuardedCanvas canvas(20, 10);
    paintScene(canvas.surface());
    Surface picture(4, 3);
    paintPicture(picture);
    Sprite sprite(picture);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 7, 4));
    GuardedCanvas once(20, 10);
    std::copy_n(canvas.surface().pixels(), 200, once.surface().pixels());
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 7, 4));
    EXPECT_TRUE(samePixels(canvas.surface(), once.surface()));
}

TEST(Sprite, MovedAndRemovedRestoresTheSceneExactly) {
    GuardedCanvas canvas(30, 20);
    paintScene(canvas.surface());
    GuardedCanvas scene(30, 20);
    paintScene(scene.surface());
    Surface picture(5, 4);
    paintPicture(picture);
    Sprite sprite(picture);
    // Overlapping and separate steps.
    const int path[][2] = {{0, 0}, {2, 1}, {3, 3}, {20, 12}, {24, 15}, {1, 14}, {1, 14}};
    for (const auto& p : path) ASSERT_TRUE(sprite.moveTo(canvas.surface(), p[0], p[1]));
    EXPECT_TRUE(sprite.restoreBackground(canvas.surface()));
    EXPECT_TRUE(samePixels(canvas.surface(), scene.surface()));
    EXPECT_TRUE(canvas.canariesIntact());
}

TEST(Sprite, RestoreWithNothingSavedReportsFalse) {
    GuardedCanvas canvas(10, 10);
    Surface picture(2, 2);
    Sprite sprite(picture);
    EXPECT_FALSE(sprite.restoreBackground(canvas.surface()));
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 1, 1));
    EXPECT_TRUE(sprite.restoreBackground(canvas.surface()));
    EXPECT_FALSE(sprite.restoreBackground(canvas.surface()));
}

TEST(Sprite, RemovedSpriteDoesNotPasteAStaleBackgroundLater) {
    GuardedCanvas canvas(20, 10);
    Surface picture(3, 3);
    picture.fill(kEdge);
    Sprite sprite(picture);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 2, 2));
    ASSERT_TRUE(sprite.restoreBackground(canvas.surface()));
    // The scene is redrawn where the sprite was; the next move must keep it.
    canvas.surface().fill(kFill);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 10, 2));
    EXPECT_EQ(canvas.surface().pixel(3, 3), kFill);
    EXPECT_EQ(canvas.surface().pixel(11, 3), kEdge);
}

TEST(Sprite, ClearToKeyMakesThePictureTransparentAndForgetsTheBackground) {
    GuardedCanvas canvas(10, 10);
    paintScene(canvas.surface());
    GuardedCanvas scene(10, 10);
    paintScene(scene.surface());
    Surface picture(3, 3);
    picture.fill(kEdge);
    Sprite sprite(picture);
    sprite.setKeyEnabled(false);
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 1, 1));
    sprite.clearToKey();
    EXPECT_TRUE(sprite.keyEnabled());
    EXPECT_FALSE(sprite.backgroundSaved());
    EXPECT_EQ(picture.pixel(2, 2), kKey);
    // Painted into afterwards: only the painted pixel shows.
    picture.row(0)[0] = kFill;
    ASSERT_TRUE(sprite.moveTo(canvas.surface(), 5, 5));
    EXPECT_EQ(canvas.surface().pixel(5, 5), kFill);
    EXPECT_EQ(canvas.surface().pixel(6, 6), scene.surface().pixel(6, 6));
    EXPECT_EQ(canvas.surface().pixel(1, 1), kEdge);  // not restored: forgotten
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
