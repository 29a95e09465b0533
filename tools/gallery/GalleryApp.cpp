#include "GalleryApp.h"

#include "gamekit/containers/GVector.h"
#include "gamekit/graphics/Surface.h"

namespace gallery {

using gamekit::Surface;

void GalleryApp::draw(Surface& surface) {
    surface.fill(page_ % 2 == 0 ? 0x0010 : 0x0400);
    for (int y = markerY_ - 5; y <= markerY_ + 5; ++y) {
        for (int x = markerX_ - 5; x <= markerX_ + 5; ++x) surface.putPixel(x, y, 0xFFE0);
    }
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
    markerX_ = x;
    markerY_ = y;
}

void GalleryApp::penMove(int x, int y) {
    markerX_ = x;
    markerY_ = y;
}

void GalleryApp::penUp(int x, int y) {
    ++ups_;
    markerX_ = x;
    markerY_ = y;
}

void GalleryApp::commandNew() { page_ = 0; }
void GalleryApp::commandLeft() { --page_; }
void GalleryApp::commandRight() { ++page_; }

}  // namespace gallery
