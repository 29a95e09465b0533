// The standard menu bar of every program, built from the game's table:
// "Game" (or the program's own first title) and "Configure" from the left,
// "Help" from the right.
#include "gamekit/shell/ProgramFrame.h"
#include "gamekit/shell/Shell.h"

namespace gamekit {

MenuEntry menuCommand(const char* label, std::function<void()> run, std::function<bool()> enabled,
                      bool clickFirst) {
    MenuEntry entry{label, nullptr, std::move(enabled), nullptr, clickFirst};
    entry.run = [run = std::move(run)](bool) { run(); };
    return entry;
}

MenuEntry menuCheck(const char* label, std::function<bool()> checked,
                    std::function<void(bool)> set) {
    return MenuEntry{label, std::move(set), nullptr, std::move(checked), true};
}

void ProgramFrame::addEntry(MenuItem* title, const MenuEntry& entry) {
    MenuCallback callback = [this, run = entry.run, clickFirst = entry.clickFirst](Point,
                                                                                   int state) {
        if (clickFirst) click();
        run(state != 0);
        return true;
    };
    MenuItem* item =
        entry.checked ? new MenuCheckItem(entry.label, title, std::move(callback), entry.checked())
                      : new MenuCommand(entry.label, title, std::move(callback));
    if (entry.enabled) item->setEnabled(entry.enabled());
    if (entry.enabled || entry.checked) queries_.push_back({item, entry.enabled, entry.checked});
    title->addItem(item);
}

void ProgramFrame::pageEntry(MenuItem* title, const char* label, int page) {
    addEntry(title, menuCommand(label, [this, page] { openPage(page); }));
}

void ProgramFrame::buildMenus(const MenuTable& table) {
    menus_[0] = std::make_unique<MenuItem>(table.gameTitle, &bar_);
    menus_[1] = std::make_unique<MenuItem>("Configure", &bar_);
    menus_[2] = std::make_unique<MenuItem>("Help", &bar_);
    MenuItem* game = menus_[0].get();
    MenuItem* configure = menus_[1].get();
    MenuItem* help = menus_[2].get();

    for (const MenuEntry& entry : table.game) addEntry(game, entry);
    // Suspend is carried out once the handler has returned, so the menu has
    // closed before the program goes to the background.
    addEntry(game, menuCommand(
                       "Suspend", [] { commandSuspend(); }, nullptr, table.suspendClicks));
    addEntry(game, menuCommand("Exit", [] { commandExit(); }));

    configure->setHasCheckColumn(true);
    pageEntry(configure, "Appearance...", pages_.appearance);
    for (const MenuEntry& entry : table.configure) addEntry(configure, entry);
    // The click follows the switch, so turning the sound on is heard and
    // turning it off is not.
    MenuEntry sound = menuCheck(
        "Sound", [this] { return *soundOn_; },
        [this](bool on) {
            *soundOn_ = on;
            click();
        });
    sound.clickFirst = false;
    addEntry(configure, sound);

    pageEntry(help, "Rules...", pages_.rules);
    pageEntry(help, "Help...", pages_.help);
    for (const MenuEntry& entry : table.help) addEntry(help, entry);
    pageEntry(help, "About...", pages_.about);

    bar_.addMenu(game, 0);
    bar_.addMenu(configure, 0);
    bar_.addMenu(help, 1);
}

}  // namespace gamekit
