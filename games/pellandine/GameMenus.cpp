// The menu bar of the table: Game and Configure on the left, Help on the
// right. Every entry clicks when sound is on.
#include "gamekit/shell/Shell.h"
#include "games/pellandine/PellandineGame.h"

namespace pellandine {

void PellandineGame::buildMenus() {
    using gamekit::MenuCheckItem;
    using gamekit::MenuCommand;
    using gamekit::MenuItem;
    using gamekit::Point;

    gameMenu_ = std::make_unique<MenuItem>("Game", &bar_);
    configureMenu_ = std::make_unique<MenuItem>("Configure", &bar_);
    helpMenu_ = std::make_unique<MenuItem>("Help", &bar_);

    auto page = [this](int screen) {
        return [this, screen](Point, int) {
            open(screen);
            return true;
        };
    };

    MenuItem* game = gameMenu_.get();
    game->addItem(new MenuCommand("New", game, [this](Point, int) {
        commandNew();
        return true;
    }));
    restartItem_ = new MenuCommand("Restart", game, [this](Point, int) {
        // Drawn disabled until the first deal; the rules ignore it until then.
        restart();
        return true;
    });
    restartItem_->setEnabled(false);
    game->addItem(restartItem_);
    game->addItem(new MenuCommand("High Scores...", game, page(kScreenHighScores)));
    game->addItem(new MenuCommand("Suspend", game, [](Point, int) {
        gamekit::commandSuspend();
        return true;
    }));
    game->addItem(new MenuCommand("Exit", game, [this](Point, int) {
        click();
        gamekit::commandExit();
        return true;
    }));

    MenuItem* configure = configureMenu_.get();
    configure->setHasCheckColumn(true);
    configure->addItem(new MenuCommand("Appearance...", configure, page(kScreenAppearance)));
    configure->addItem(new MenuCommand("Game...", configure, page(kScreenSettings)));
    configure->addItem(new MenuCheckItem(
        "Sound", configure,
        [this](Point, int ticked) {
            options_.soundsOn = ticked == 1;
            click();
            return true;
        },
        options_.soundsOn));

    MenuItem* help = helpMenu_.get();
    help->addItem(new MenuCommand("Rules...", help, page(kScreenRules)));
    help->addItem(new MenuCommand("Help...", help, page(kScreenHelp)));
    help->addItem(new MenuCommand("About...", help, page(kScreenAbout)));

    bar_.addMenu(game, 0);
    bar_.addMenu(configure, 0);
    bar_.addMenu(help, 1);
}

}  // namespace pellandine
