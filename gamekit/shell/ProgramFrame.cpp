#include "gamekit/shell/ProgramFrame.h"

#include <cstring>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/settings/SettingsTable.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/Sound.h"

namespace gamekit {

namespace {

Point at(const SheetRect& r) {
    return {r.x, r.y};
}

ScreenSprites spritesOf(const StandardPictures& p, const uint16_t* sheet, int stride) {
    ScreenSprites s;
    s.sheet = sheet;
    s.stride = stride;
    s.logo = at(p.logo);
    s.aboutLogo = at(p.aboutLogo);
    s.nameArt = at(p.nameArt);
    s.emblem = at(p.emblem);
    s.aboutEmblem = at(p.aboutEmblem);
    s.boxOff = at(p.boxOff);
    s.boxOn = at(p.boxOn);
    return s;
}

}  // namespace

ProgramFrame::ProgramFrame(Setup setup)
    : screens_(setup.screens),
      pages_(setup.pages),
      cardBack_(setup.cardBack),
      soundOn_(setup.soundOn),
      record_(setup.record),
      sheetWidth_(setup.sheet.width),
      backs_(static_cast<size_t>(kBackStripWidth) * kBackStripHeight),
      sheet_(static_cast<size_t>(setup.sheet.width) * setup.sheet.height),
      themes_(makeStandardThemes()),
      bar_(&font1()),
      ok_(kPageButtonWidth, kPageButtonHeight, "OK", kOkButtonLeft, kPageButtonTop, &font1()),
      reset_(kPageButtonWidth, kPageButtonHeight, "Reset", kResetButtonLeft, kPageButtonTop,
             &font1()),
      appearance_(setup.appearance, setup.cardBack),
      rules_("Rules", setup.rules.lines, setup.rules.lineCount),
      help_("Help", setup.help.lines, setup.help.lineCount),
      drawOverHelp_(std::move(setup.drawOverHelp)),
      screenChanged_(std::move(setup.screenChanged)) {
    loadBitmapOrDie(kCardBacksFileWide, kBackStripWidth, kBackStripHeight, backs_.data(),
                    kBackStripWidth, kBackStripHeight);
    const SheetInfo& sheet = setup.sheet;
    loadBitmapOrDie(sheet.file, sheet.width, sheet.height, sheet_.data(), sheet.width,
                    sheet.height);
    giveStrip(themes_, backs_.data());
    sprites_ = spritesOf(sheet.pictures, sheet_.data(), sheet.width);
    buildMenus(setup.menus);
}

ProgramFrame::~ProgramFrame() {
    destroyThemes(themes_);
}

void ProgramFrame::click() const {
    playSound(kSoundClick, *soundOn_);
}

void ProgramFrame::changed() {
    if (screenChanged_) screenChanged_(screens_->screen());
}

bool ProgramFrame::draw(Surface& surface) {
    const int screen = screens_->screen();
    if (screen == pages_.appearance) {
        appearance_.draw(surface, bar_, sprites_, themes_, ok_);
    } else if (screen == pages_.about) {
        drawAboutScreen(surface, bar_, sprites_, record_->words[kMajorVersionWord],
                        record_->words[kMinorVersionWord], ok_);
    } else if (screen == pages_.rules) {
        rules_.draw(surface, bar_, font1(), font2(), ok_);
    } else if (screen == pages_.help) {
        help_.draw(surface, bar_, font1(), font2(), ok_);
        if (drawOverHelp_) drawOverHelp_(surface);
    } else {
        return false;
    }
    return true;
}

bool ProgramFrame::penDown(int x, int y) {
    const int screen = screens_->screen();
    const Point p{x, y};
    bool done = false;
    if (screen == pages_.appearance) {
        const auto tap = appearance_.tap(p, ok_);
        if (tap != AppearanceScreen::Tap::None) click();
        done = tap == AppearanceScreen::Tap::Ok;
    } else if (screen == pages_.about) {
        done = ok_.hitTest(x, y);
        if (done) click();
    } else if (screen == pages_.rules || screen == pages_.help) {
        Pager& pager = screen == pages_.rules ? rules_ : help_;
        const auto tap = pager.tap(p, ok_);
        if (tap != Pager::Tap::None) click();
        done = tap == Pager::Tap::Ok;
    } else {
        return false;
    }
    if (done) closePage();
    return true;
}

void ProgramFrame::openPage(int page) {
    closeMenus();
    if (page == pages_.rules) rules_.setPage(0);
    if (page == pages_.help) help_.setPage(0);
    screens_->open(page);
    changed();
}

void ProgramFrame::closePage() {
    screens_->close();
    changed();
}

void ProgramFrame::drawMenuBar(Surface& surface) {
    for (const Query& q : queries_) {
        if (q.enabled) q.item->setEnabled(q.enabled());
        if (q.checked) static_cast<MenuCheckItem*>(q.item)->setTicked(q.checked());
    }
    // What lies under an open drop-down is kept, so that closing the menus
    // before a box can show the screen without them at once.
    if (bar_.anyOpen()) {
        underMenus_.assign(surface.pixels(),
                           surface.pixels() + static_cast<size_t>(kScreenWidth) * kScreenHeight);
    } else {
        underMenus_.clear();
    }
    menusTakenOff_ = false;
    bar_.draw(surface);
}

bool ProgramFrame::tapMenus(int x, int y) {
    return bar_.handleTap({x, y});
}

void ProgramFrame::closeMenus() {
    if (!bar_.anyOpen()) return;
    bar_.closeAll();
    if (underMenus_.empty() || backBuffer() == nullptr) return;
    Surface screen(backBuffer(), kScreenWidth, kScreenHeight);
    std::memcpy(screen.pixels(), underMenus_.data(), underMenus_.size() * sizeof(uint16_t));
    underMenus_.clear();
    bar_.draw(screen);
    menusTakenOff_ = true;
}

void ProgramFrame::messageBox(const char* text, const char* caption) {
    closeMenus();
    // The box waits outside the frame loop: the screen without the menus is
    // presented first, or the box would stand over a drop-down drawn open.
    if (menusTakenOff_) pumpMessages(true);
    menusTakenOff_ = false;
    showMessageBox(text, caption);
}

void ProgramFrame::planFlight(Flight flight) {
    closeMenus();
    flights_.push_back(std::move(flight));
}

bool ProgramFrame::playFlights(Surface& surface) {
    if (flights_.empty()) return false;
    // A flight may plan the next one; those wait for the next draw.
    std::vector<Flight> now;
    now.swap(flights_);
    for (Flight& flight : now) flight(surface);
    return true;
}

}  // namespace gamekit
