#include "GalleryApp.h"

#include "CardsPage.h"
#include "ControlsPage.h"
#include "GallerySettings.h"
#include "GallerySprites.h"
#include "GalleryTexts.h"
#include "ShapesPage.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/containers/GVector.h"
#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Sprite.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/settings/SettingsTable.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/Sound.h"

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
      sheet_(sprites::kSheetWidth * sprites::kSheetHeight),
      backs_(kBackStripWidth * kBackStripHeight),
      themes_(makeStandardThemes()),
      bar_(&font1()),
      ok_(60, 20, "OK", 160, 280, &font1()),
      hello_(100, 22, "Add a line", 20, 168, &font1()),
      disabled_(90, 22, "Disabled", 130, 168, &font1()),
      log_(3, 200, 234, 70, &font1()),
      rules_("Rules", kRulesLines, kRulesLineCount),
      help_("Help", kHelpLines, kHelpLineCount),
      ball_(kBallSize, kBallSize) {
    soundOn_ = value(record_, L"SoundsOn") == 1;
    displayHints_ = value(record_, L"DisplayHints") == 1;
    displayScore_ = value(record_, L"DisplayScore") == 1;
    animationSpeed_ = value(record_, L"AnimationSpeed");
    theme_ = value(record_, L"CardBack");

    loadBitmapOrDie(L"TarnwickSoftware_CardBacks.bmp", kBackStripWidth, kBackStripHeight, backs_.data(),
                    kBackStripWidth, kBackStripHeight);
    giveStrip(themes_, backs_.data());
    loadBitmapOrDie(L"Gallery_Images.bmp", sprites::kSheetWidth, sprites::kSheetHeight, sheet_.data(),
                    sprites::kSheetWidth, sprites::kSheetHeight);
    sprites_.sheet = sheet_.data();
    sprites_.stride = sprites::kSheetWidth;
    sprites_.boxOff = {sprites::kCheckBoxEmpty.x, sprites::kCheckBoxEmpty.y};
    sprites_.boxOn = {sprites::kCheckBoxTicked.x, sprites::kCheckBoxTicked.y};

    static const char* labels[3] = {"Display Hints", "Display Score", "Sounds"};
    bool* values[3] = {&displayHints_, &displayScore_, &soundOn_};
    appearance_ = std::make_unique<AppearanceScreen>(AppearanceScreen::fullLayout(labels, values, &animationSpeed_),
                                                     &theme_);
    disabled_.setEnabled(false);

    // The ball that follows the stylus is a Sprite picture: key colour
    // around a yellow disc.
    Sprite(ball_).clearToKey();
    drawCircle(ball_, kBallSize / 2, kBallSize / 2, kBallSize / 2, kShapeFilled, 0xFFE0, 0xFFE0);
    buildMenus();
}

GalleryApp::~GalleryApp() { destroyThemes(themes_); }

void GalleryApp::buildMenus() {
    auto command = [this](MenuItem* title, const char* text, std::function<void()> action) {
        title->addItem(new MenuCommand(text, title, [this, action](Point, int) {
            click();
            action();
            return true;
        }));
    };
    galleryMenu_ = std::make_unique<MenuItem>("Gallery", &bar_);
    command(galleryMenu_.get(), "Shapes", [this] { state_ = lastPage_ = kStateShapes; });
    command(galleryMenu_.get(), "Cards", [this] { state_ = lastPage_ = kStateCards; });
    command(galleryMenu_.get(), "Controls", [this] { state_ = lastPage_ = kStateControls; });
    // The error reporter, shown on purpose: popping an empty vector.
    command(galleryMenu_.get(), "Fault demo", [] {
        GVector<int> empty;
        empty.popBack();
    });
    command(galleryMenu_.get(), "Suspend", [] { commandSuspend(); });
    command(galleryMenu_.get(), "Exit", [] { commandExit(); });

    configureMenu_ = std::make_unique<MenuItem>("Configure", &bar_);
    configureMenu_->setHasCheckColumn(true);
    command(configureMenu_.get(), "Appearance...", [this] { openPage(kStateAppearance); });
    configureMenu_->addItem(new MenuCheckItem("Sound", configureMenu_.get(), [this](Point, int on) {
        soundOn_ = on == 1;
        click();
        return true;
    }, soundOn_));

    helpMenu_ = std::make_unique<MenuItem>("Help", &bar_);
    command(helpMenu_.get(), "Rules...", [this] { openPage(kStateRules); });
    command(helpMenu_.get(), "Help...", [this] { openPage(kStateHelp); });
    command(helpMenu_.get(), "High Scores...", [this] { openPage(kStateScores); });
    command(helpMenu_.get(), "About...", [this] { openPage(kStateAbout); });

    bar_.addMenu(galleryMenu_.get(), 0);
    bar_.addMenu(configureMenu_.get(), 0);
    bar_.addMenu(helpMenu_.get(), 1);
}

void GalleryApp::click() const { playSound(kSoundClick, soundOn_); }

void GalleryApp::openPage(int state) {
    returnState_ = state_;
    state_ = state;
}

void GalleryApp::closePage() {
    click();
    state_ = returnState_;
}

void GalleryApp::drawBall(Surface& surface) {
    fillBox(surface, pressX_, pressY_, 2, 0xF800);
    fillBox(surface, releaseX_, releaseY_, 1, 0xFFFF);
    Sprite ball(ball_);
    ball.moveTo(surface, markerX_ - kBallSize / 2, markerY_ - kBallSize / 2);
}

void GalleryApp::draw(Surface& surface) {
    switch (state_) {
        case kStateSplash: drawStartupScreen(surface, sprites_); return;
        case kStateShapes:
            drawShapesPage(surface);
            drawBall(surface);
            break;
        case kStateCards: drawCardsPage(surface, *themes_[theme_]); break;
        case kStateControls: drawControlsPage(surface, hello_, disabled_, log_, helloTaps_); break;
        case kStateAppearance: appearance_->draw(surface, bar_, sprites_, themes_, ok_); return;
        case kStateAbout:
            drawAboutScreen(surface, bar_, sprites_, record_->words[kMajorVersionWord],
                            record_->words[kMinorVersionWord], ok_);
            return;
        case kStateRules: rules_.draw(surface, bar_, font1(), font2(), ok_); return;
        case kStateHelp: help_.draw(surface, bar_, font1(), font2(), ok_); return;
        case kStateScores:
            drawHighScoreFrame(surface, bar_, "High Score List", "Game", "Score");
            ok_.draw(surface);
            return;
    }
    bar_.draw(surface);
}

void GalleryApp::penDown(int x, int y) {
    switch (state_) {
        case kStateSplash:
            click();
            state_ = lastPage_;
            return;
        case kStateAppearance: {
            AppearanceScreen::Tap tap = appearance_->tap({x, y}, ok_);
            if (tap == AppearanceScreen::Tap::Ok) closePage();
            if (tap == AppearanceScreen::Tap::Changed) click();
            return;
        }
        case kStateAbout:
        case kStateScores:
            if (ok_.hitTest(x, y)) closePage();
            return;
        case kStateRules:
        case kStateHelp: {
            Pager& pager = state_ == kStateRules ? rules_ : help_;
            Pager::Tap tap = pager.tap({x, y}, ok_);
            if (tap == Pager::Tap::Ok) closePage();
            if (tap == Pager::Tap::Turned) click();
            return;
        }
        default: break;
    }
    if (bar_.handleTap({x, y})) return;
    tapPage(x, y);
}

void GalleryApp::tapPage(int x, int y) {
    if (state_ == kStateShapes) {
        markerX_ = pressX_ = x;
        markerY_ = pressY_ = y;
    } else if (state_ == kStateControls && hello_.hitTest(x, y)) {
        click();
        ++helloTaps_;
        char line[48];
        std::snprintf(line, sizeof line, "Button tapped %d time%s", helloTaps_, helloTaps_ == 1 ? "" : "s");
        log_.addLine(line);
    }
}

void GalleryApp::penMove(int x, int y) {
    if (state_ != kStateShapes || pressX_ < 0) return;
    markerX_ = x;
    markerY_ = y;
}

void GalleryApp::penUp(int x, int y) {
    if (state_ != kStateShapes || pressX_ < 0) return;
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
    if (state_ < kStateShapes || state_ > kStateControls) return;
    state_ = lastPage_ = state_ == kStateShapes ? kStateControls : state_ - 1;
}

void GalleryApp::commandRight() {
    if (state_ < kStateShapes || state_ > kStateControls) return;
    state_ = lastPage_ = state_ == kStateControls ? kStateShapes : state_ + 1;
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
