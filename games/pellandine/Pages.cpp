#include "games/pellandine/Pages.h"

#include <cstdio>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "gamekit/ui/Screens.h"
#include "games/pellandine/Options.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/pellandine/rules/Variation.h"

namespace pellandine {

namespace {

using gamekit::Surface;

void checkBox(Surface& surface, const uint16_t* sheet, int x, int y, bool ticked) {
    const pellandine_sprites::SheetRect& box =
        ticked ? pellandine_sprites::kCheckBoxTicked : pellandine_sprites::kCheckBoxEmpty;
    gamekit::blitOpaque(surface, x, y, sheet, pellandine_sprites::kSheetWidth, box.x, box.y,
                        box.width, box.height);
}

const char* const kChoices[4] = {"Pairs* (mostly luck)", "Sum 10 (luck)", "Sum 11* (strategy)",
                                 "Sum 14 (mostly strategy)"};

}  // namespace

void drawSettingsPage(Surface& surface, const gamekit::MenuBar& bar, const uint16_t* sheet,
                      const PellandineOptions& options, gamekit::Button& ok) {
    gamekit::drawPage(surface, bar, "Game Settings");
    gamekit::BitmapFont& font = gamekit::font1();
    gamekit::FontStyle style(font, gamekit::colours::kBlack, gamekit::colours::kWhite, true);
    font.draw(surface, 25, 40, "Game Mode:");
    for (int i = 0; i < 4; ++i) {
        const int y = 70 + 20 * i;
        checkBox(surface, sheet, 25, y, normalizeGameType(options.gameType) == i + 1);
        font.draw(surface, 45, y, kChoices[i]);
    }
    font.draw(surface, 25, 180, "*Refill Mode:");
    checkBox(surface, sheet, 25, 210, options.slideChallenge);
    font.draw(surface, 45, 210, "Slide cards straight up");
    font.draw(surface, 45, 230, "(Challenge mode!)");
    ok.draw(surface);
}

SettingsTap settingsTap(int x, int y, gamekit::Button& ok) {
    SettingsTap tap;
    if (ok.hitTest(x, y)) {
        tap.kind = SettingsTap::Ok;
    } else if (x >= 20 && x <= 100 && y >= 65 && y <= 144) {
        tap.kind = SettingsTap::Variation;
        tap.gameType = (y - 65) / 20 + 1;
    } else if (x >= 20 && x <= 100 && y >= 145 && y <= 224) {
        tap.kind = SettingsTap::ToggleSlide;
    }
    return tap;
}

void drawHighScorePage(Surface& surface, const gamekit::MenuBar& bar,
                       const gamekit::GArray<int>& list, int gameType, gamekit::Button& reset,
                       gamekit::Button& ok) {
    gamekit::drawHighScoreFrame(surface, bar, "High Score List", "Game", "Score");
    gamekit::BitmapFont& font = gamekit::font1();
    gamekit::FontStyle style(font, gamekit::colours::kBlack, gamekit::colours::kWhite, true);
    const char* name = variationInfo(gameType).listName;
    int y = gamekit::kHighScoreFirstRowY;
    for (int i = 0; i < list.size(); ++i) {
        if (list[i] <= 0) continue;
        char score[16];
        std::snprintf(score, sizeof score, "%d", list[i]);
        font.draw(surface, 64, y, name);
        font.draw(surface, 145, y, score);
        y += gamekit::kHighScoreRowStep;
    }
    reset.draw(surface);
    ok.draw(surface);
}

}  // namespace pellandine
