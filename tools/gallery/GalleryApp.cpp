#include "GalleryApp.h"

#include "CardsPage.h"
#include "ControlsPage.h"
#include "GallerySettings.h"
#include "GallerySprites.h"
#include "GalleryTexts.h"
#include "ShapesPage.h"
#include "gamekit/containers/GVector.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Sprite.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/settings/SettingsTable.h"
#include "gamekit/shell/Shell.h"

namespace gallery {

using namespace gamekit;
namespace sprites = gallery_sprites;

namespace {

void fillBox(Surface& surface, int cx, int cy, int half, Colour colour) {
    for (int y = cy - half; y <= cy + half; ++y) {
        for (int x = cx - half; x <= cx + half; ++x) surface.putPixel(x, y, colour);
    }
}

int32_t& value(SettingsRecord* record, const wchar_t* name) {
    return settingValue(gallerySettings, *record, name);
}

}  // namespace

GalleryApp::GalleryApp(SettingsRecord* record)
    : record_(record),
      frame_(frameSetup()),
      hello_(100, 22, "Add a line", 20, 168, &font1()),
      disabled_(90, 22, "Disabled", 130, 168, &font1()),
      log_(3, 200, 234, 70, &font1()),
      ball_(kBallSize, kBallSize) {
    soundOn_ = value(record_, L"SoundsOn") == 1;
    displayHints_ = value(record_, L"DisplayHints") == 1;
    displayScore_ = value(record_, L"DisplayScore") == 1;
    animationSpeed_ = value(record_, L"AnimationSpeed");
    theme_ = value(record_, L"CardBack");
    disabled_.setEnabled(false);

    // The ball that follows the stylus is a Sprite picture: key colour
    // around a yellow disc.
    Sprite(ball_).clearToKey();
    drawCircle(ball_, kBallSize / 2, kBallSize / 2, kBallSize / 2, kShapeFilled, 0xFFE0, 0xFFE0);
}

ProgramFrame::Setup GalleryApp::frameSetup() {
    static const char* labels[3] = {"Display Hints", "Display Score", "Sounds"};
    bool* values[3] = {&displayHints_, &displayScore_, &soundOn_};
    return {
        .sheet = sprites::kSheet,
        .screens = &screens_,
        .pages = {kStateAppearance, kStateAbout, kStateRules, kStateHelp},
        .rules = {kRulesLines, kRulesLineCount},
        .help = {kHelpLines, kHelpLineCount},
        .appearance = AppearanceScreen::fullLayout(labels, values, &animationSpeed_),
        .cardBack = &theme_,
        .soundOn = &soundOn_,
        .record = record_,
        .menus = menuTable(),
    };
}

// Every entry of the gallery clicks, Suspend too.
MenuTable GalleryApp::menuTable() {
    return {
        .gameTitle = "Gallery",
        .game =
            {
                menuCommand("Shapes", [this] { showPage(kStateShapes); }),
                menuCommand("Cards", [this] { showPage(kStateCards); }),
                menuCommand("Controls", [this] { showPage(kStateControls); }),
                // The error reporter, shown on purpose: popping an empty vector.
                menuCommand("Fault demo",
                            [] {
                                GVector<int> empty;
                                empty.popBack();
                            }),
            },
        .help = {menuCommand("High Scores...", [this] { frame_.openPage(kStateScores); })},
        .suspendClicks = true,
    };
}

void GalleryApp::showPage(int state) {
    screens_.show(state);
    lastPage_ = state;
}

void GalleryApp::drawBall(Surface& surface) {
    fillBox(surface, pressX_, pressY_, 2, 0xF800);
    fillBox(surface, releaseX_, releaseY_, 1, 0xFFFF);
    Sprite ball(ball_);
    ball.moveTo(surface, markerX_ - kBallSize / 2, markerY_ - kBallSize / 2);
}

void GalleryApp::draw(Surface& surface) {
    if (frame_.draw(surface)) return;
    switch (state()) {
        case kStateSplash: drawStartupScreen(surface, frame_.sprites()); return;
        case kStateShapes:
            drawShapesPage(surface);
            drawBall(surface);
            break;
        case kStateCards: drawCardsPage(surface, frame_.theme()); break;
        case kStateControls: drawControlsPage(surface, hello_, disabled_, log_, helloTaps_); break;
        case kStateScores:
            drawHighScoreFrame(surface, frame_.menuBar(), "High Score List", "Game", "Score");
            frame_.ok().draw(surface);
            return;
    }
    frame_.drawMenuBar(surface);
}

void GalleryApp::penDown(int x, int y) {
    if (frame_.penDown(x, y)) return;
    switch (state()) {
        case kStateSplash:
            click();
            screens_.show(lastPage_);
            return;
        case kStateScores:
            if (frame_.ok().hitTest(x, y)) {
                click();
                frame_.closePage();
            }
            return;
        default: break;
    }
    if (frame_.tapMenus(x, y)) return;
    tapPage(x, y);
}

void GalleryApp::tapPage(int x, int y) {
    if (state() == kStateShapes) {
        markerX_ = pressX_ = x;
        markerY_ = pressY_ = y;
    } else if (state() == kStateControls && hello_.hitTest(x, y)) {
        click();
        ++helloTaps_;
        char line[48];
        std::snprintf(line, sizeof line, "Button tapped %d time%s", helloTaps_, helloTaps_ == 1 ? "" : "s");
        log_.addLine(line);
    }
}

void GalleryApp::penMove(int x, int y) {
    if (state() != kStateShapes || pressX_ < 0) return;
    markerX_ = x;
    markerY_ = y;
}

void GalleryApp::penUp(int x, int y) {
    if (state() != kStateShapes || pressX_ < 0) return;
    markerX_ = releaseX_ = x;
    markerY_ = releaseY_ = y;
}

void GalleryApp::commandNew() {
    click();
    helloTaps_ = 0;
    log_.clear();
    pressX_ = pressY_ = releaseX_ = releaseY_ = -10;
    markerX_ = 120;
    markerY_ = 160;
}

// Left and Right page through the three gallery pages.
void GalleryApp::commandLeft() {
    const int s = state();
    if (s < kStateShapes || s > kStateControls) return;
    showPage(s == kStateShapes ? kStateControls : s - 1);
}

void GalleryApp::commandRight() {
    const int s = state();
    if (s < kStateShapes || s > kStateControls) return;
    showPage(s == kStateControls ? kStateShapes : s + 1);
}

void GalleryApp::saveSettings() {
    value(record_, L"SoundsOn") = soundOn_ ? 1 : 0;
    value(record_, L"DisplayHints") = displayHints_ ? 1 : 0;
    value(record_, L"DisplayScore") = displayScore_ ? 1 : 0;
    value(record_, L"AnimationSpeed") = animationSpeed_;
    value(record_, L"CardBack") = theme_;
    gamekit::saveSettings(gallerySettings, *record_);
}

}  // namespace gallery
