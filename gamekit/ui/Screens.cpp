#include "gamekit/ui/Screens.h"

#include <cstdio>
#include <string>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/Primitives.h"

namespace gamekit {

// The second line leaves room for the emblem, which stands in for the
// copyright sign; the rest of the line follows it.
const char* const kMakersNotice[4] = {
    "Deckhollow card games",
    "Copyright",
    "Made for small screens and",
    "patient players.",
};
const char* const kMakersName = "Tarnwick Software";

namespace {

constexpr int kThemeRowStep = 17;
// The speed row: its switch at speedRowY, the ten boxes below it. A tap on
// the switch's band toggles the speed, one on the boxes' band picks a speed.
constexpr int kSpeedBoxesDown = 15;
constexpr int kSpeedBoxesTapDown = 12;
constexpr Colour kPageColour = colours::kWhite;

void sprite(Surface& surface, const ScreenSprites& s, Point from, int w, int h, int x, int y) {
    if (s.sheet == nullptr) return;
    blitKeyed(surface, x, y, s.sheet, s.stride, from.x, from.y, w, h, colours::kSheetKey);
}

void checkBox(Surface& surface, const ScreenSprites& s, int x, int y, bool ticked) {
    Point at = ticked ? s.boxOn : s.boxOff;
    if (s.sheet != nullptr) {
        drawCheckBox(surface, x, y, s.sheet, s.stride, at.x, at.y);
        return;
    }
    // Without a sheet, a drawn box keeps the page usable.
    drawRect(surface, x, y, x + 9, y + 9, kShapeOutlineFilled, colours::kBlack, colours::kWhite);
    if (ticked) drawRect(surface, x + 2, y + 2, x + 7, y + 7, kShapeFilled, 0, colours::kBlack);
}

std::string narrowName(const wchar_t* name) {
    std::string out;
    for (; name && *name; ++name) out += static_cast<char>(*name < 128 ? *name : '?');
    return out;
}

}  // namespace

void drawTitleBar(Surface& surface, const MenuBar& bar, const char* title) {
    drawRaisedBox(surface, 0, 0, 239, bar.barHeight - 1, bar.barColour, bar.barLightColour, bar.barDarkColour,
                  1);
    FontStyle style(*bar.font(), bar.barTextColour, bar.barColour, true);
    bar.font()->draw(surface, 6, 3, title);
}

void drawPage(Surface& surface, const MenuBar& bar, const char* title) {
    surface.fill(kPageColour);
    drawTitleBar(surface, bar, title);
}

void drawStartupScreen(Surface& surface, const ScreenSprites& sprites) {
    surface.fill(colours::kBlue);
    sprite(surface, sprites, sprites.logo, 175, 30, 32, 37);
    sprite(surface, sprites, sprites.nameArt, 186, 45, 27, 92);
    sprite(surface, sprites, sprites.emblem, 10, 10, 88, 271);
    FontStyle style(font1(), colours::kWhite, colours::kBlue, true);
    font1().draw(surface, 40, 200, "(Tap screen to continue)");
    for (int i = 0; i < 4; ++i) font1().draw(surface, 20, 259 + 12 * i, kMakersNotice[i]);
    font1().draw(surface, 100, 271, kMakersName);
}

void drawAboutScreen(Surface& surface, const MenuBar& bar, const ScreenSprites& sprites, int majorVersion,
                     int minorVersion, Button& ok) {
    surface.fill(kPageColour);
    sprite(surface, sprites, sprites.aboutLogo, 175, 30, 32, 37);
    sprite(surface, sprites, sprites.aboutEmblem, 10, 10, 23, 72);
    FontStyle style(font1(), colours::kBlack, kPageColour, true);
    font1().draw(surface, 38, 72, kMakersName);
    font1().draw(surface, 35, 86, kMakersNotice[0]);
    char version[40];
    std::snprintf(version, sizeof version, "Version %d.%d", majorVersion, minorVersion);
    font1().draw(surface, 20, 162, version);
    ok.draw(surface);
    drawTitleBar(surface, bar, "About");
}

AppearanceScreen::Layout AppearanceScreen::fullLayout(const char* labels[3], bool* values[3],
                                                      int* animationSpeed) {
    Layout l{};
    const int rows[3][3] = {{30, 20, 44}, {45, 45, 59}, {60, 60, 74}};
    for (int i = 0; i < 3; ++i) l.switches[i] = {labels[i], rows[i][0], rows[i][1], rows[i][2], 151, values[i]};
    l.switchCount = 3;
    l.animationSpeed = animationSpeed;
    l.speedRowY = 75;
    l.themesLabelY = 116;
    l.themeListY = 133;
    l.themeTapTop = 130;
    l.previewTop = 133;
    return l;
}

AppearanceScreen::Layout AppearanceScreen::compactLayout(int switchCount, const char* const labels[],
                                                         bool* values[], const int tapRights[]) {
    Layout l{};
    l.switchCount = switchCount < 3 ? switchCount : 3;
    for (int i = 0; i < l.switchCount; ++i) {
        l.switches[i] = {labels[i], 30 + 20 * i, 25 + 20 * i, 44 + 20 * i, tapRights[i], values[i]};
    }
    l.animationSpeed = nullptr;
    l.themesLabelY = 101;
    l.themeListY = 118;
    l.themeTapTop = 115;
    l.previewTop = 118;
    return l;
}

void AppearanceScreen::draw(Surface& surface, const MenuBar& bar, const ScreenSprites& sprites,
                            const GArray<CardTheme*>& themes, Button& ok) const {
    surface.fill(kPageColour);
    BitmapFont& font = font1();
    FontStyle style(font, colours::kBlack, kPageColour, true);
    for (int i = 0; i < layout_.switchCount; ++i) {
        const Switch& s = layout_.switches[i];
        checkBox(surface, sprites, 25, s.y, s.value && *s.value);
        font.draw(surface, 40, s.y, s.label);
    }
    if (layout_.animationSpeed) {
        const int speed = *layout_.animationSpeed;
        checkBox(surface, sprites, 25, layout_.speedRowY, speed != -1);
        font.draw(surface, 40, layout_.speedRowY, "Animation Speed");
        const int boxesY = layout_.speedRowY + kSpeedBoxesDown;
        font.draw(surface, 60, boxesY, "Slow");
        font.draw(surface, 185, boxesY, "Fast");
        for (int i = 0; i < 10; ++i) {
            const int x = 90 + 9 * i;
            drawRect(surface, x, boxesY, x + 7, boxesY + 10,
                     i == speed ? kShapeFilled : kShapeOutline, colours::kBlack, colours::kBlack);
        }
    }
    font.draw(surface, 25, layout_.themesLabelY, "Themes:");
    for (int i = 0; i < themes.size(); ++i) {
        const int y = layout_.themeListY + kThemeRowStep * i;
        checkBox(surface, sprites, 25, y, i == *theme_);
        font.draw(surface, 40, y, narrowName(themes[i]->name).c_str());
    }
    if (*theme_ >= 0 && *theme_ < themes.size()) {
        const CardTheme& t = *themes[*theme_];
        const int top = layout_.previewTop;
        drawRect(surface, 145, top, 235, top + 120, kShapeFilled, t.tableColour, t.tableColour);
        if (t.backPixels) t.drawBack(surface, 157, top + 12, kScreenWidth, kScreenHeight, false);
        static const PlayingCard aceOfSpades(kAce, kSpades, true);
        drawCard(surface, aceOfSpades, &t, 197, top + 12, 0, 0, true);
        font.setColours(t.textColour, t.tableColour);
        font.draw(surface, 159, top + 73, "Text");
        font.draw(surface, 159, top + 89, "Color");
        drawLine(surface, 156, top + 67, 224, top + 67, t.lineColour);
        drawLine(surface, 156, top + 106, 224, top + 106, t.lineColour);
    }
    ok.draw(surface);
    drawTitleBar(surface, bar, "Configure Appearance");
}

AppearanceScreen::Tap AppearanceScreen::tap(Point p, Button& ok) {
    if (ok.hitTest(p.x, p.y)) return Tap::Ok;
    if (p.y < 20) return Tap::None;
    for (int i = 0; i < layout_.switchCount; ++i) {
        const Switch& s = layout_.switches[i];
        if (p.y >= s.tapTop && p.y <= s.tapBottom && p.x >= 20 && p.x < s.tapRight) {
            if (s.value) *s.value = !*s.value;
            return Tap::Changed;
        }
    }
    if (int* speed = layout_.animationSpeed) {
        const int row = layout_.speedRowY;
        if (p.y >= row && p.y < row + kSpeedBoxesTapDown && p.x >= 20 && p.x < 151) {
            *speed = *speed == -1 ? 4 : -1;  // off is stored as -1; on starts at 4
            return Tap::Changed;
        }
        if (p.y >= row + kSpeedBoxesTapDown && p.y < row + kSpeedBoxesTapDown + 15) {
            // Only the ten boxes set a speed; the rest of the row is ignored.
            if (p.x >= 90 && (p.x - 90) / 9 <= 9) {
                *speed = (p.x - 90) / 9;
                return Tap::Changed;
            }
            return Tap::None;
        }
    }
    const int top = layout_.themeTapTop;
    if (p.x >= 0 && p.x < 136 && p.y >= top && p.y <= top + kThemeRowStep * 9) {
        int theme = (p.y - top) / kThemeRowStep;
        *theme_ = theme > 8 ? 8 : theme;
        return Tap::Changed;
    }
    return Tap::None;
}

Pager::Pager(const char* title, const char* const* lines, int lineCount)
    : title_(title),
      lines_(lines),
      lineCount_(lineCount),
      pageCount_(lineCount > 0 ? (lineCount + kLinesPerPage - 1) / kLinesPerPage : 1) {}

int Pager::page() const {
    int p = page_ % pageCount_;
    return p < 0 ? p + pageCount_ : p;
}

void Pager::draw(Surface& surface, const MenuBar& bar, BitmapFont& bodyFont, BitmapFont& headingFont,
                 Button& ok) const {
    surface.fill(kPageColour);
    FontStyle body(bodyFont, colours::kBlack, kPageColour, true);
    FontStyle heading(headingFont, colours::kBlack, kPageColour, true);
    const int first = page() * kLinesPerPage;
    for (int i = first; i < first + kLinesPerPage && i < lineCount_; ++i) {
        const char* line = lines_[i];
        BitmapFont& font = line[0] == ' ' ? bodyFont : headingFont;
        font.draw(surface, 10, 26 + 14 * (i - first), line);
    }
    ok.draw(surface);
    drawTitleBar(surface, bar, title_);
    if (pageCount_ > 1) {
        char text[20];
        std::snprintf(text, sizeof text, "Page %d", page() + 1);
        FontStyle style(*bar.font(), bar.barTextColour, bar.barColour, true);
        bar.font()->drawCentred(surface, 193, 4, text);
        drawRaisedBox(surface, 153, 2, 163, 15, bar.barColour, bar.barLightColour, bar.barDarkColour, 1);
        drawTriangle(surface, 156, 9, 160, 5, 160, 13, kShapeFilled, colours::kBlack, colours::kBlack);
        drawRaisedBox(surface, 224, 2, 234, 15, bar.barColour, bar.barLightColour, bar.barDarkColour, 1);
        drawTriangle(surface, 231, 9, 227, 5, 227, 13, kShapeFilled, colours::kBlack, colours::kBlack);
    }
}

Pager::Tap Pager::tap(Point p, Button& ok) {
    if (ok.hitTest(p.x, p.y)) return Tap::Ok;
    if (p.y >= 0 && p.y <= 25) {
        if (p.x >= 150 && p.x <= 170) {
            page_ = (page() - 1 + pageCount_) % pageCount_;
            return Tap::Turned;
        }
        if (p.x >= 220 && p.x <= kScreenWidth) {
            page_ = (page() + 1) % pageCount_;
            return Tap::Turned;
        }
    }
    return Tap::None;
}

void drawHighScoreFrame(Surface& surface, const MenuBar& bar, const char* heading, const char* firstColumn,
                        const char* secondColumn) {
    surface.fill(kPageColour);
    drawRaisedBox(surface, 38, 58, 202, 257, 0xC618, 0xFFFF, 0x4208, 2);
    drawRaisedBox(surface, 40, 60, 200, 255, 0xFFFF, 0xC618, 0xFFFF, 1);
    FontStyle big(font2(), colours::kBlack, kPageColour, true);
    font2().drawCentred(surface, 120, 33, heading);
    FontStyle small(font1(), colours::kBlack, kPageColour, true);
    font1().draw(surface, 64, 80, firstColumn);
    font1().draw(surface, 125, 80, secondColumn);
    drawTitleBar(surface, bar, "High Scores");
}

}  // namespace gamekit
