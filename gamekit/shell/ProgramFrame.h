#pragma once

// The frame every program's game object stands in: the card themes and the
// sprite sheet, the menu bar with the standard Game / Configure / Help menus,
// the OK and Reset buttons, the pages every program shares (Configure
// Appearance, About, Rules, Help), the screen they return to, and the
// animations a redraw plays. A game supplies its own entries, screens and
// rules; everything the programs would otherwise each build again is here.
//
// Use (a game object's members and handlers):
//
//   gamekit::ScreenStack screens_{kScreenStartup, kScreenTable};
//   gamekit::ProgramFrame frame_{{
//       .sheet = my_sprites::kSheet, .screens = &screens_,
//       .pages = {kScreenAppearance, kScreenAbout, kScreenRules, kScreenHelp},
//       .rules = {kRulesLines, kRulesLineCount}, .help = {kHelpLines, kHelpLineCount},
//       .appearance = gamekit::AppearanceScreen::compactLayout(...),
//       .cardBack = &options_.cardBack, .soundOn = &options_.soundOn, .record = &record,
//       .menus = {.game = {gamekit::menuCommand("New", [this] { newGame(); })},
//                 .configure = {gamekit::menuCommand("Game...",
//                                                    [this] { frame_.openPage(kScreenGame); })}},
//   }};
//
//   void draw(Surface& s) {
//       if (frame_.draw(s)) return;              // a standard page
//       switch (screens_.screen()) { ... drawTable(s); frame_.drawMenuBar(s); ... }
//   }
//   void penDown(int x, int y) {
//       if (frame_.penDown(x, y)) return;        // a standard page took it
//       if (onTable && frame_.tapMenus(x, y)) return;
//       ...
//   }
//
// A deal: the handler calls planFlight (which closes the menus) and shows
// the dealing screen; that screen's draw calls playFlights, then draws the
// table as it now is.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "gamekit/containers/GArray.h"
#include "gamekit/graphics/SheetRect.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/ScreenStack.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "gamekit/ui/Screens.h"

namespace gamekit {

class CardTheme;
struct SettingsRecord;

// One drop-down entry, as data. A command runs `run(false)`; a check entry
// (one with `checked`) is ticked as `checked` says whenever the bar is
// drawn, and a tap runs `run` with its new state.
struct MenuEntry {
    const char* label;
    std::function<void(bool)> run;
    std::function<bool()> enabled;  // null: always drawn enabled (a greyed entry still runs)
    std::function<bool()> checked;  // null: a command
    bool clickFirst = true;         // false: `run` plays the click itself, when it chooses
};
MenuEntry menuCommand(const char* label, std::function<void()> run,
                      std::function<bool()> enabled = nullptr, bool clickFirst = true);
MenuEntry menuCheck(const char* label, std::function<bool()> checked,
                    std::function<void(bool)> set);

// The standard bar: the first title (the game's entries, then "Suspend" and
// "Exit"), "Configure" ("Appearance...", the game's entries, "Sound") and,
// at the right, "Help" ("Rules...", "Help...", the game's entries, "About...").
struct MenuTable {
    const char* gameTitle = "Game";
    std::vector<MenuEntry> game = {};
    std::vector<MenuEntry> configure = {};
    std::vector<MenuEntry> help = {};
    bool suspendClicks = false;  // "Suspend" plays the click like every other entry
};

// The lines of a pager (see Pager).
struct PageText {
    const char* const* lines;
    int lineCount;
};

// The program's screen numbers of the standard pages.
struct StandardPages {
    int appearance, about, rules, help;
};

class ProgramFrame {
  public:
    using Flight = std::function<void(Surface&)>;

    struct Setup {
        SheetInfo sheet;       // the program's sprite sheet (a missing file ends the program)
        ScreenStack* screens;  // the game's screen and the pages' returns, owned by the game
        StandardPages pages;
        PageText rules;
        PageText help;
        AppearanceScreen::Layout appearance;  // the game's switch rows
        int* cardBack;                        // the theme, set on Configure Appearance
        bool* soundOn;                        // the "Sound" entry's value
        const SettingsRecord* record;         // the version About shows
        MenuTable menus;
        // The help page's own pictures (key icons), drawn over its text.
        std::function<void(Surface&)> drawOverHelp = nullptr;
        // Told the screen after the frame opened or closed a page.
        std::function<void(int)> screenChanged = nullptr;
    };

    explicit ProgramFrame(Setup setup);
    ~ProgramFrame();
    ProgramFrame(const ProgramFrame&) = delete;
    ProgramFrame& operator=(const ProgramFrame&) = delete;

    // Draws the screen shown when it is a standard page; false otherwise.
    bool draw(Surface& surface);
    // Takes a press on a standard page (OK returns, with the click); false
    // when the screen shown is the game's.
    bool penDown(int x, int y);

    // The bar last on a table screen, its entries greyed and ticked as
    // their queries say.
    void drawMenuBar(Surface& surface);
    // A tap on a table screen: true when the bar or an open drop-down took
    // it (a tap elsewhere closes the drop-downs and is the game's).
    bool tapMenus(int x, int y);
    bool menusOpen() const { return bar_.anyOpen(); }
    // Closes the drop-downs and takes them off the screen shown, so a box or
    // a flight never shows one drawn open.
    void closeMenus();
    MenuBar& menuBar() { return bar_; }

    // Opens a page over the current screen (the menus close; the pagers
    // start at their first page) and goes back from it.
    void openPage(int page);
    void closePage();
    int screen() const { return screens_->screen(); }

    // The system box (OK), shown over the screen with the menus closed.
    void messageBox(const char* text, const char* caption);

    // A flight (a deal, a card moving) planned by a handler and played by
    // the next draw of the screen that shows it; the menus close.
    void planFlight(Flight flight);
    void cancelFlights() { flights_.clear(); }
    // Plays the planned flights in order and forgets them; false when none
    // was planned.
    bool playFlights(Surface& surface);

    void click() const;
    Button& ok() { return ok_; }
    Button& reset() { return reset_; }
    const uint16_t* sheet() const { return sheet_.data(); }
    int sheetStride() const { return sheetWidth_; }
    const ScreenSprites& sprites() const { return sprites_; }
    const CardTheme& theme() const { return *themes_[*cardBack_]; }
    const GArray<CardTheme*>& themes() const { return themes_; }

  private:
    void buildMenus(const MenuTable& table);
    void addEntry(MenuItem* title, const MenuEntry& entry);
    void pageEntry(MenuItem* title, const char* label, int page);
    void changed();

    ScreenStack* screens_;
    StandardPages pages_;
    int* cardBack_;
    bool* soundOn_;
    const SettingsRecord* record_;
    int sheetWidth_;
    std::vector<uint16_t> backs_;
    std::vector<uint16_t> sheet_;
    GArray<CardTheme*> themes_;
    ScreenSprites sprites_;

    MenuBar bar_;
    std::unique_ptr<MenuItem> menus_[3];
    struct Query {  // an entry whose look follows the game
        MenuItem* item;
        std::function<bool()> enabled, checked;
    };
    std::vector<Query> queries_;
    // The screen under an open drop-down, put back when the menus close.
    std::vector<uint16_t> underMenus_;
    bool menusTakenOff_ = false;  // put back but not yet presented

    Button ok_;
    Button reset_;
    AppearanceScreen appearance_;
    Pager rules_;
    Pager help_;
    std::function<void(Surface&)> drawOverHelp_;
    std::function<void(int)> screenChanged_;
    std::vector<Flight> flights_;
};

}  // namespace gamekit
