#include "games/cribbage/table/ConfigureGameScreen.h"

#include "gamekit/graphics/BitmapFont.h"
#include "games/cribbage/table/CribbageOptions.h"

namespace cribbage {

namespace {

using gamekit::Surface;

constexpr int kLineLeft = 15;
constexpr int kLineRight = 210;
constexpr int kLineHeight = 15;
constexpr int kMarkX = 25;
constexpr int kLabelX = 40;
constexpr int kHeadingX = 15;
constexpr int kHeadingAbove = 20;  // a group's heading stands above its first line

struct Choice {
    const char* label;
    int top;  // the line runs from top to top + 14
    int value;
};

struct Group {
    const char* heading;
    Choice choices[3];
    int count;
};

const Group kGroups[3] = {
    {"Computer Intelligence", {{"Beginning", 60, 0}, {"Standard", 75, 1}, {"Expert", 90, 2}}, 3},
    {"Display Hints",
     {{"None", 150, 0}, {"Standard Advice", 165, 1}, {"Expert Advice", 180, 2}},
     3},
    {"Game", {{"Single Game", 240, 0}, {"Multiple Games", 255, 1}}, 2},
};

int current(const CribbageOptions& o, int group) {
    switch (group) {
        case 0:
            return o.computerAI;
        case 1:
            return o.hintType;
        default:
            return o.multipleGames ? 1 : 0;
    }
}

void choose(CribbageOptions& o, int group, int value) {
    switch (group) {
        case 0:
            o.computerAI = value;
            break;
        case 1:
            o.hintType = value;
            break;
        default:
            o.multipleGames = value == 1;
            break;
    }
}

}  // namespace

void ConfigureGameScreen::draw(Surface& surface, const gamekit::MenuBar& bar,
                               const gamekit::ScreenSprites& sprites, gamekit::Button& ok) const {
    gamekit::drawPage(surface, bar, "Configure Game");
    gamekit::BitmapFont& body = gamekit::font1();
    gamekit::BitmapFont& heading = gamekit::font2();
    gamekit::FontStyle bodyStyle(body, gamekit::colours::kBlack, gamekit::colours::kWhite, true);
    gamekit::FontStyle headingStyle(heading, gamekit::colours::kBlack, gamekit::colours::kWhite,
                                    true);
    for (int g = 0; g < 3; ++g) {
        const Group& group = kGroups[g];
        heading.draw(surface, kHeadingX, group.choices[0].top - kHeadingAbove, group.heading);
        for (int c = 0; c < group.count; ++c) {
            const Choice& choice = group.choices[c];
            const bool on = current(options_, g) == choice.value;
            const gamekit::Point box = on ? sprites.boxOn : sprites.boxOff;
            if (sprites.sheet != nullptr) {
                gamekit::drawCheckBox(surface, kMarkX, choice.top + 2, sprites.sheet,
                                      sprites.stride, box.x, box.y);
            }
            body.draw(surface, kLabelX, choice.top + 2, choice.label);
        }
    }
    ok.draw(surface);
}

ConfigureGameScreen::Tap ConfigureGameScreen::tap(gamekit::Point p, gamekit::Button& ok) {
    if (ok.hitTest(p.x, p.y)) return Tap::Ok;
    if (p.x < kLineLeft || p.x > kLineRight) return Tap::None;
    for (int g = 0; g < 3; ++g) {
        for (int c = 0; c < kGroups[g].count; ++c) {
            const Choice& choice = kGroups[g].choices[c];
            if (p.y >= choice.top && p.y < choice.top + kLineHeight) {
                choose(options_, g, choice.value);
                return Tap::Changed;
            }
        }
    }
    return Tap::None;
}

}  // namespace cribbage
