#pragma once

#include "gamekit/containers/GArray.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/shell/ProgramFrame.h"
#include "gamekit/ui/Controls.h"

namespace gallery {

// The gallery's screens.
enum State {
    kStateSplash = 1,
    kStateShapes = 2,
    kStateCards = 3,
    kStateControls = 4,
    kStateAppearance = 5,
    kStateAbout = 6,
    kStateRules = 7,
    kStateHelp = 8,
    kStateScores = 9,
};

class GalleryApp : public gamekit::GameApp {
public:
    explicit GalleryApp(gamekit::SettingsRecord* record);

    int state() const override { return screens_.screen(); }
    bool soundOn() const override { return soundOn_; }
    void draw(gamekit::Surface& surface) override;
    void penDown(int x, int y) override;
    void penMove(int x, int y) override;
    void penUp(int x, int y) override;
    void commandNew() override;
    void commandLeft() override;
    void commandRight() override;
    void saveSettings() override;

private:
    gamekit::ProgramFrame::Setup frameSetup();
    gamekit::MenuTable menuTable();
    void showPage(int state);
    void click() const { frame_.click(); }
    void tapPage(int x, int y);
    void drawBall(gamekit::Surface& surface);

    gamekit::SettingsRecord* record_;
    gamekit::ScreenStack screens_{kStateSplash, kStateShapes};
    int lastPage_ = kStateShapes;

    // Options, taken from and written back to the settings record.
    bool soundOn_ = true;
    bool displayHints_ = false;
    bool displayScore_ = true;
    int animationSpeed_ = 6;
    int theme_ = 5;

    gamekit::ProgramFrame frame_;
    gamekit::Button hello_;
    gamekit::Button disabled_;
    gamekit::MessageLog log_;
    int helloTaps_ = 0;

    // The stylus trail of the shapes page.
    int markerX_ = 120, markerY_ = 160;
    int pressX_ = -10, pressY_ = -10;
    int releaseX_ = -10, releaseY_ = -10;
    static constexpr int kBallSize = 11;
    gamekit::Surface ball_;
};

}  // namespace gallery
