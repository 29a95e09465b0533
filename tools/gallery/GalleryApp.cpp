#include "GalleryApp.h"

#include "gamekit/containers/GVector.h"
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

void GalleryApp::draw(Surface& surface) {
    surface.fill(page_ % 2 == 0 ? 0x0010 : 0x0400);
    // Where the pen went down (red) and came up (white), and the marker
    // that follows the stylus (yellow).
    fillBox(surface, pressX_, pressY_, 2, 0xF800);
    fillBox(surface, releaseX_, releaseY_, 1, 0xFFFF);
    fillBox(surface, markerX_, markerY_, 5, 0xFFE0);
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
