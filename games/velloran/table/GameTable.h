#pragma once

// The Velloran program's game object: the screens of the hand (idle, deal,
// play, meld, lay-off, the score screens), the pages (Configure Appearance,
// Configure Game, About, Rules, Help), the menus, and the options kept in the
// settings record. A tap is turned into a rules action; what the rules did
// is then played back on the screen (card flights, the computer's pauses,
// the message panels) before the tap handler returns.

#include <cstdint>
#include <memory>
#include <vector>

#include "gamekit/containers/GArray.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "gamekit/ui/Screens.h"
#include "games/velloran/rules/VelloranGame.h"
#include "games/velloran/table/ConfigureGame.h"
#include "games/velloran/table/TableView.h"
#include "games/velloran/table/VelloranOptions.h"

namespace gamekit {
class CardTheme;
}

namespace velloran {

// The screen numbers the shell sees besides the hand's own (0, 2 to 5, 12
// to 14).
enum PageScreen {
    kScreenNone = -1,
    kScreenSplash = 1,
    kScreenAppearance = 7,
    kScreenConfigureGame = 8,
    kScreenAbout = 9,
    kScreenRules = 10,
    kScreenHelp = 11,
};

// The seed of the next shuffle: two draws of the generator the shell seeded
// from the tick count at start, so a run from a fixed start tick deals the
// same cards again.
uint32_t dealSeed();

// The screen number of a phase of the rules (the tied-hand message stands
// over the play screen).
int screenOfPhase(Phase phase);

class GameTable : public gamekit::GameApp {
  public:
    // Takes the options from the record, loads the card backs and the sprite
    // sheet (a missing file ends the program), builds the menus and buttons
    // and shuffles the stock; starts on the start-up screen.
    explicit GameTable(gamekit::SettingsRecord& record);
    ~GameTable() override;

    int state() const override;
    bool soundOn() const override { return options_.soundOn; }
    void draw(gamekit::Surface& surface) override;
    void penDown(int x, int y) override;
    void penUp(int, int) override {}
    void commandNew() override;
    void saveSettings() override;

    // For the benchmark and the tests: the rules' state and the scene the
    // table would draw for it.
    VelloranGame& game() { return game_; }
    TableScene sceneOf(const VelloranGame& state, bool busy) const;
    // Draws a table screen of `state` as the screen of `phase`, the menu bar
    // last.
    void drawTableState(gamekit::Surface& surface, const VelloranGame& state, Phase phase, bool busy,
                        Card floating = kNoCard, ScreenPoint floatingAt = {0, 0});

  private:
    void click() const;
    void openPage(int screen);
    void closePage();
    void startNewGame();
    // Applies the action and plays back what it did; a deal is kept for the
    // next frame's deal animation.
    void act(const Action& action);
    void playBack(const VelloranGame& before, const Events& events, size_t from, size_t to);
    void dealAnimation(gamekit::Surface& surface);
    void dropTapsMadeMeanwhile();

    // The taps of the table screens.
    void tableDown(int x, int y);
    void playDown(int x, int y);
    void meldDown(int x, int y);
    void layOffDown(int x, int y);
    void sheetDown(int x, int y);
    void pageDown(int x, int y);

    void buildMenus();
    void drawHelp(gamekit::Surface& surface);

    gamekit::SettingsRecord& record_;
    VelloranOptions options_;
    VelloranGame game_;
    int page_ = kScreenSplash;
    ScoringChoice keptScoring_;
    // The deal of the current hand, waiting for its animation on screen 2.
    Events pendingDeal_;
    bool playedBack_ = false;

    std::vector<uint16_t> backs_;
    std::vector<uint16_t> sheet_;
    gamekit::GArray<gamekit::CardTheme*> themes_;
    gamekit::ScreenSprites sprites_;

    gamekit::MenuBar menuBar_;
    std::unique_ptr<gamekit::MenuItem> gameMenu_;
    std::unique_ptr<gamekit::MenuItem> configureMenu_;
    std::unique_ptr<gamekit::MenuItem> helpMenu_;

    TableButtons buttons_;
    gamekit::Button ok_;
    std::unique_ptr<gamekit::AppearanceScreen> appearance_;
    gamekit::Pager rules_;
    gamekit::Pager help_;
};

}  // namespace velloran
