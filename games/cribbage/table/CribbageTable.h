#pragma once

// The cribbage program's game object: the table of every game state, the
// taps that play the person's cards, the computer's moves, the flights and
// peg walks that show what happened, the menus, the standard pages and
// Configure Game, and the options kept in the settings record.

#include <cstdint>
#include <memory>
#include <vector>

#include "gamekit/containers/GArray.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "gamekit/ui/Screens.h"
#include "games/cribbage/rules/CribbageGame.h"
#include "games/cribbage/table/ConfigureGameScreen.h"
#include "games/cribbage/table/CribbageOptions.h"
#include "games/cribbage/table/TableLayout.h"
#include "games/cribbage/table/TableView.h"

namespace gamekit {
class CardTheme;
}

namespace cribbage {

class CribbageTable : public gamekit::GameApp {
  public:
    // Takes the options over from the record, loads the card backs and the
    // sprite sheet (a missing file ends the program), builds the menus and
    // shuffles the shoe twice; starts on the opening screen.
    explicit CribbageTable(gamekit::SettingsRecord& record);
    ~CribbageTable() override;

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
    void openScreen(GameState screen);
    void closeScreen();
    void click() const;
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
    void walkPeg(const GameEvent& peg);
    void showMessageBox(const GameEvent& box);
    void syncLogs();
    void dealAnimated();
    void revealStarterAnimated();
    int flightSteps() const;

    // --- Pages and menus (TableScreens.cpp, TableMenus.cpp) -------------
    void drawPage(gamekit::Surface& surface);
    void pageDown(int x, int y);
    void buildMenus();

    gamekit::SettingsRecord& record_;
    CribbageOptions options_;
    CribbageGame game_;
    // The game state the table shows while the game is over (the last hand).
    GameState shownState_ = GameState::Table;
    bool selected_[6] = {};
    PegView pegs_[2];
    DealView deal_;
    bool pressOnTable_ = false;

    std::vector<uint16_t> backs_;
    std::vector<uint16_t> sheet_;
    gamekit::GArray<gamekit::CardTheme*> themes_;
    gamekit::ScreenSprites sprites_;
    TableView view_;

    gamekit::MessageLog redMessages_;
    gamekit::MessageLog blueMessages_;
    gamekit::MessageLog statusLine_;
    // What the logs show, to refill them only when the game's lines change.
    const char* shownMessages_[2][kMessageLines] = {};
    int shownMessageCount_[2] = {-1, -1};
    const char* shownStatus_ = nullptr;

    gamekit::MenuBar menuBar_;
    std::unique_ptr<gamekit::MenuItem> gameMenu_;
    std::unique_ptr<gamekit::MenuItem> configureMenu_;
    std::unique_ptr<gamekit::MenuItem> helpMenu_;
    gamekit::MenuCheckItem* soundItem_ = nullptr;

    gamekit::Button ok_;
    std::unique_ptr<gamekit::AppearanceScreen> appearance_;
    ConfigureGameScreen configureGame_;
    gamekit::Pager rules_;
    gamekit::Pager help_;
};

}  // namespace cribbage
