#pragma once

// The cribbage program's game object: the table of every game state, the
// taps that play the person's cards, the computer's moves, the flights and
// peg walks that show what happened, Configure Game, and the options kept in
// the settings record. The pictures, menus and shared pages are the frame's.

#include <cstdint>
#include <vector>

#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/shell/ProgramFrame.h"
#include "gamekit/ui/Controls.h"
#include "games/cribbage/rules/CribbageGame.h"
#include "games/cribbage/table/ConfigureGameScreen.h"
#include "games/cribbage/table/CribbageOptions.h"
#include "games/cribbage/table/TableLayout.h"
#include "games/cribbage/table/TableView.h"

namespace cribbage {

class CribbageTable : public gamekit::GameApp {
  public:
    // Takes the options over from the record, builds the frame (the
    // pictures, menus and pages; a missing file ends the program) and
    // shuffles the shoe twice; starts on the opening screen.
    explicit CribbageTable(gamekit::SettingsRecord& record);

    int state() const override { return static_cast<int>(game_.state()); }
    bool soundOn() const override { return options_.soundOn; }
    void draw(gamekit::Surface& surface) override;
    void penDown(int x, int y) override;
    void penUp(int x, int y) override;
    void commandNew() override;
    void saveSettings() override;

    const CribbageGame& game() const { return game_; }

  private:
    // --- The flow (CribbageTable.cpp) ----------------------------------
    gamekit::ProgramFrame::Setup frameSetup();
    gamekit::MenuTable menuTable();
    // The frame opened or closed a page: the game keeps its state for the
    // return, and takes the options over when it comes back.
    void screenChanged(int screen);
    bool onPage() const;
    void click() const { frame_.click(); }
    void startNewGame(bool keepSet);
    // Applies an action with its animations; false when refused.
    bool step(const Action& action);
    void computerMoves();
    void tableDown(int x, int y);
    void playDown(int x, int y);
    void giveToCrib();
    void redPlays();
    void syncWins();
    void clearSelection();
    void pause(uint32_t ms);

    // --- What the events look like (TableAnimation.cpp) -----------------
    TableScene scene() const;
    void drawTableScreen(gamekit::Surface& surface);
    void present(gamekit::Surface& surface);
    void animate(const CribbageGame& before, const std::vector<GameEvent>& events);
    void flyCard(gamekit::Surface& surface, Card card, bool faceUp, ScreenPoint from,
                 ScreenPoint to, int steps);
    void turnDealersHand(gamekit::Surface& surface);
    void walkPeg(const GameEvent& peg);
    void syncLogs();
    // The flights the redraws of Dealing and CuttingStarter play.
    void planStateFlight();
    void dealAnimated(gamekit::Surface& surface);
    void revealStarterAnimated();
    int flightSteps() const;

    // --- Configure Game (TableScreens.cpp) ------------------------------
    void drawConfigureGame(gamekit::Surface& surface);
    void configureGameDown(int x, int y);

    gamekit::SettingsRecord& record_;
    CribbageOptions options_;
    CribbageGame game_;
    // The game state the table shows while the game is over (the last hand).
    GameState shownState_ = GameState::Table;
    bool selected_[6] = {};
    PegView pegs_[2];
    DealView deal_;
    bool pressOnTable_ = false;
    TableView view_;

    gamekit::MessageLog redMessages_;
    gamekit::MessageLog blueMessages_;
    gamekit::MessageLog statusLine_;
    // What the logs show, to refill them only when the game's lines change.
    const char* shownMessages_[2][kMessageLines] = {};
    int shownMessageCount_[2] = {-1, -1};
    const char* shownStatus_ = nullptr;

    ConfigureGameScreen configureGame_;
    gamekit::ScreenStack screens_{static_cast<int>(GameState::Splash),
                                  static_cast<int>(GameState::Table)};
    gamekit::ProgramFrame frame_;
};

}  // namespace cribbage
