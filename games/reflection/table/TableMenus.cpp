// The menu bar of the table: "Game" and "Configure" from the left, "Help"
// from the right. Every entry clicks when sound is on.
#include "gamekit/shell/Shell.h"
#include "games/reflection/table/ReflectionTable.h"

namespace reflection {

using gamekit::MenuCheckItem;
using gamekit::MenuCommand;
using gamekit::MenuItem;
using gamekit::Point;

void ReflectionTable::buildMenus() {
    gameMenu_ = std::make_unique<MenuItem>("Game", &menuBar_);
    configureMenu_ = std::make_unique<MenuItem>("Configure", &menuBar_);
    helpMenu_ = std::make_unique<MenuItem>("Help", &menuBar_);
    MenuItem* game = gameMenu_.get();
    MenuItem* configure = configureMenu_.get();
    MenuItem* help = helpMenu_.get();

    auto command = [this](MenuItem* parent, const char* text, auto action) {
        auto* item = new MenuCommand(text, parent, [this, action](Point, int) {
            action();
            return true;
        });
        parent->addItem(item);
        return item;
    };
    command(game, "New", [this] { commandNew(); });
    restartItem_ = command(game, "Restart", [this] {
        click();
        restart();
    });
    // The Undo and Redo entries are greyed while there is nothing to undo or
    // redo; a tap on a greyed entry still arrives and simply does nothing.
    undoItem_ = command(game, "Undo", [this] {
        click();
        undo();
    });
    redoItem_ = command(game, "Redo", [this] {
        click();
        redo();
    });
    command(game, "High Scores...", [this] {
        click();
        openScreen(kStateHighScores);
    });
    command(game, "Suspend", [] { gamekit::commandSuspend(); });
    command(game, "Exit", [this] {
        click();
        gamekit::commandExit();
    });

    command(configure, "Appearance...", [this] {
        click();
        openScreen(kStateAppearance);
    });
    configure->setHasCheckColumn(true);
    configure->addItem(new MenuCheckItem(
        "Expert Mode", configure,
        [this](Point, int ticked) {
            click();
            setExpertMode(ticked != 0);
            return true;
        },
        options_.expert));
    configure->addItem(new MenuCheckItem(
        "Sound", configure,
        [this](Point, int ticked) {
            options_.soundOn = ticked != 0;
            click();
            return true;
        },
        options_.soundOn));

    command(help, "Rules...", [this] {
        click();
        openScreen(kStateRules);
    });
    command(help, "Help...", [this] {
        click();
        openScreen(kStateHelp);
    });
    command(help, "About...", [this] {
        click();
        openScreen(kStateAbout);
    });

    menuBar_.addMenu(game, 0);
    menuBar_.addMenu(configure, 0);
    menuBar_.addMenu(help, 1);
}

void ReflectionTable::updateMenus() {
    undoItem_->setEnabled(session_.history().canUndo());
    redoItem_->setEnabled(session_.history().canRedo());
    restartItem_->setEnabled(session_.hasGame());
}

}  // namespace reflection
