#pragma once

// The Velloran program's game object: the screens of the hand (idle, deal,
// play, meld, lay-off, the score screens) and its Configure Game page,
// standing in the program frame (the menus, the standard pages, the
// pictures), and the options kept in the settings record. A tap is turned
// into a rules action; what the rules did is then played back on the screen
// (card flights, the computer's pauses, the message panels) before the tap
// handler returns.

#include <cstdint>

#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/shell/ProgramFrame.h"
#include "games/velloran/rules/VelloranGame.h"
#include "games/velloran/table/ConfigureGame.h"
#include "games/velloran/table/TableView.h"
#include "games/velloran/table/VelloranOptions.h"

namespace velloran {

// The screen numbers the shell sees besides the hand's own (0, 2 to 5, 12
// to 14). While no page is open the screen is the table's, whose number
// the phase of the rules gives.
enum PageScreen {
    kScreenTable = -1,
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
    // Takes the options from the record, builds the frame (the card backs
    // and the sprite sheet, whose absence ends the program; the menus and
    // pages) and shuffles the stock; starts on the start-up screen.
    explicit GameTable(gamekit::SettingsRecord& record);

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
    gamekit::ProgramFrame::Setup frameSetup();
    gamekit::MenuTable menuTable();
    void openConfigureGame();
    // Back on the table from a page: the hints follow the switch as it was
    // left on Configure Appearance.
    void screenChanged(int screen);
    void startNewGame();
    // Applies the action and plays back what it did; a deal is planned as
    // the next frame's flight.
    void act(const Action& action);
    void playBack(const VelloranGame& before, const Events& events, size_t from, size_t to);
    void dealAnimation(gamekit::Surface& surface, const Events& deal);

    // The taps of the table screens and of Configure Game.
    void tableDown(int x, int y);
    void playDown(int x, int y);
    void meldDown(int x, int y);
    void layOffDown(int x, int y);
    void sheetDown(int x, int y);
    void configureGameDown(int x, int y);

    void drawHelpKeys(gamekit::Surface& surface) const;

    gamekit::SettingsRecord& record_;
    VelloranOptions options_;
    VelloranGame game_;
    ScoringChoice keptScoring_;
    gamekit::ScreenStack screens_{kScreenSplash, kScreenTable};
    TableButtons buttons_;
    gamekit::ProgramFrame frame_;
};

}  // namespace velloran
