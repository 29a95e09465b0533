// The menu bar of the table, built from one table of entries: "Game" and
// "Configure" from the left, "Help" from the right. Every entry clicks when
// sound is on.
#include "gamekit/shell/Shell.h"
#include "games/cribbage/table/CribbageTable.h"

namespace cribbage {

using gamekit::MenuCheckItem;
using gamekit::MenuCommand;
using gamekit::MenuItem;
using gamekit::Point;

namespace {

enum class Entry { New, Suspend, Exit, Appearance, GameOptions, Sound, Rules, Help, About };

struct MenuEntry {
    int menu;  // 0 Game, 1 Configure, 2 Help
    const char* text;
    Entry entry;
};

constexpr MenuEntry kEntries[] = {
    {0, "New", Entry::New},
    {0, "Suspend", Entry::Suspend},
    {0, "Exit", Entry::Exit},
    {1, "Appearance...", Entry::Appearance},
    {1, "Game...", Entry::GameOptions},
    {1, "Sound", Entry::Sound},
    {2, "Rules...", Entry::Rules},
    {2, "Help...", Entry::Help},
    {2, "About...", Entry::About},
};

}  // namespace

void CribbageTable::buildMenus() {
    gameMenu_ = std::make_unique<MenuItem>("Game", &menuBar_);
    configureMenu_ = std::make_unique<MenuItem>("Configure", &menuBar_);
    helpMenu_ = std::make_unique<MenuItem>("Help", &menuBar_);
    MenuItem* menus[3] = {gameMenu_.get(), configureMenu_.get(), helpMenu_.get()};
    configureMenu_->setHasCheckColumn(true);

    auto run = [this](Entry entry) {
        switch (entry) {
            case Entry::New:
                commandNew();
                return;
            case Entry::Suspend:
                gamekit::commandSuspend();
                return;
            case Entry::Exit:
                click();
                gamekit::commandExit();
            case Entry::Appearance:
                click();
                openScreen(GameState::ConfigureAppearance);
                return;
            case Entry::GameOptions:
                click();
                openScreen(GameState::ConfigureGame);
                return;
            case Entry::Rules:
                click();
                openScreen(GameState::Rules);
                return;
            case Entry::Help:
                click();
                openScreen(GameState::Help);
                return;
            case Entry::About:
                click();
                openScreen(GameState::About);
                return;
            case Entry::Sound:
                return;
        }
    };
    for (const MenuEntry& e : kEntries) {
        MenuItem* parent = menus[e.menu];
        if (e.entry == Entry::Sound) {
            soundItem_ = new MenuCheckItem(
                e.text, parent,
                [this](Point, int ticked) {
                    options_.soundOn = ticked != 0;
                    click();
                    return true;
                },
                options_.soundOn);
            parent->addItem(soundItem_);
            continue;
        }
        const Entry entry = e.entry;
        parent->addItem(new MenuCommand(e.text, parent, [run, entry](Point, int) {
            run(entry);
            return true;
        }));
    }
    menuBar_.addMenu(menus[0], 0);
    menuBar_.addMenu(menus[1], 0);
    menuBar_.addMenu(menus[2], 1);
}

}  // namespace cribbage
