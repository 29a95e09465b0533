#include "GalleryApp.h"

#include "ShapesPage.h"
#include "gamekit/containers/GVector.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Sprite.h"
#include "gamekit/graphics/Surface.h"

namespace gallery {

using gamekit::Surface;

namespace {
void fillBox(Surface& surface, int cx, int cy, int half, gamekit::Colour colour) {
    for (int y = cy - half; y <= cy + half; ++y) {
        for (int x = cx - half; x <= cx + half; ++x) surface.putPixel(x, y, colour);
    }
}
}  // namespace

GalleryApp::GalleryApp() : ball_(kBallSize, kBallSize) {
    // The ball is a Sprite picture: key colour around a yellow disc.
    gamekit::Sprite(ball_).clearToKey();
    gamekit::drawCircle(ball_, kBallSize / 2, kBallSize / 2, kBallSize / 2, gamekit::kShapeFilled, 0xFFE0,
                        0xFFE0);
}

void GalleryApp::draw(Surface& surface) {
    drawShapesPage(surface);
    // Where the pen went down (red) and came up (white), and the ball that
    // follows the stylus, a Sprite over the scene.
    fillBox(surface, pressX_, pressY_, 2, 0xF800);
    fillBox(surface, releaseX_, releaseY_, 1, 0xFFFF);
    gamekit::Sprite ball(ball_);
    ball.moveTo(surface, markerX_ - kBallSize / 2, markerY_ - kBallSize / 2);
    for (int i = 0; i < downs_ && i < 40; ++i) surface.putPixel(4 + i * 2, 4, 0xFFFF);
    for (int i = 0; i < ups_ && i < 40; ++i) surface.putPixel(4 + i * 2, 8, 0xF800);
}

void GalleryApp::penDown(int x, int y) {
    ++downs_;
    if (x >= 220 && y >= 300) {
        // The error reporter, shown on purpose: popping an empty vector.
        gamekit::GVector<int> empty;
        empty.popBack();
    }
    markerX_ = pressX_ = x;
    markerY_ = pressY_ = y;
}

void GalleryApp::penMove(int x, int y) {
    markerX_ = x;
    markerY_ = y;
}

void GalleryApp::penUp(int x, int y) {
    ++ups_;
    markerX_ = releaseX_ = x;
    markerY_ = releaseY_ = y;
}

void GalleryApp::commandNew() { page_ = 0; }
void GalleryApp::commandLeft() { --page_; }
void GalleryApp::commandRight() { ++page_; }

}  // namespace gallery
