// The menu bar of the table: "Game" and "Configure" from the left, "Help"
// from the right. Every entry clicks when sound is on ("New" with the new
// hand's own click).
#include "gamekit/shell/Shell.h"
#include "games/velloran/table/GameTable.h"

namespace velloran {

using gamekit::MenuCheckItem;
using gamekit::MenuCommand;
using gamekit::MenuItem;
using gamekit::Point;

void GameTable::buildMenus() {
    gameMenu_ = std::make_unique<MenuItem>("Game", &menuBar_);
    configureMenu_ = std::make_unique<MenuItem>("Configure", &menuBar_);
    helpMenu_ = std::make_unique<MenuItem>("Help", &menuBar_);
    MenuItem* game = gameMenu_.get();
    MenuItem* configure = configureMenu_.get();
    MenuItem* help = helpMenu_.get();

    auto command = [](MenuItem* parent, const char* text, auto action) {
        parent->addItem(new MenuCommand(text, parent, [action](Point, int) {
            action();
            return true;
        }));
    };
    auto page = [this, &command](MenuItem* parent, const char* text, int screen) {
        command(parent, text, [this, screen] {
            click();
            openPage(screen);
        });
    };
    command(game, "New", [this] { commandNew(); });
    command(game, "Suspend", [this] {
        click();
        gamekit::commandSuspend();
    });
    command(game, "Exit", [this] {
        click();
        gamekit::commandExit();
    });

    page(configure, "Appearance...", kScreenAppearance);
    command(configure, "Game...", [this] {
        click();
        keptScoring_ = scoringOf(options_);
        openPage(kScreenConfigureGame);
    });
    configure->setHasCheckColumn(true);
    configure->addItem(new MenuCheckItem(
        "Sound", configure,
        [this](Point, int ticked) {
            options_.soundOn = ticked != 0;
            click();
            return true;
        },
        options_.soundOn));

    page(help, "Rules...", kScreenRules);
    page(help, "Help...", kScreenHelp);
    page(help, "About...", kScreenAbout);

    menuBar_.addMenu(game, 0);
    menuBar_.addMenu(configure, 0);
    menuBar_.addMenu(help, 1);
}

}  // namespace velloran
