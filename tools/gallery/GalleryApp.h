#pragma once

#include "gamekit/shell/GameApp.h"

namespace gallery {

constexpr int kStateSplash = 1;
constexpr int kStateShapes = 2;

class GalleryApp : public gamekit::GameApp {
public:
    int state() const override { return state_; }
    bool soundOn() const override { return true; }
    void draw(gamekit::Surface& surface) override;
    void penDown(int x, int y) override;
    void penMove(int x, int y) override;
    void penUp(int x, int y) override;
    void commandNew() override;
    void commandLeft() override;
    void commandRight() override;
    void saveSettings() override {}

private:
    int state_ = kStateShapes;
    int markerX_ = 120;
    int markerY_ = 160;
    int pressX_ = -10, pressY_ = -10;
    int releaseX_ = -10, releaseY_ = -10;
    int downs_ = 0;
    int ups_ = 0;
    int page_ = 0;
};

}  // namespace gallery
