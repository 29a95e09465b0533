#pragma once

// The reflection program's game object: the screens of the table states,
// two taps per move, undo and redo on the Left and Right keys, the menus,
// the standard pages and the High Scores screen, and the options kept in the
// settings record.

#include <cstdint>
#include <memory>
#include <vector>

#include "gamekit/containers/GArray.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "gamekit/ui/Screens.h"
#include "games/reflection/rules/ReflectionSession.h"
#include "games/reflection/table/ReflectionOptions.h"
#include "games/reflection/table/TableStates.h"
#include "games/reflection/table/TableView.h"

namespace gamekit {
class CardTheme;
}

namespace reflection {

class ReflectionTable : public gamekit::GameApp {
  public:
    // Takes the options and lists over from the record, loads the card backs
    // and the sprite sheet (a missing file ends the program), builds the
    // menus and shuffles the deck; starts on the opening screen.
    explicit ReflectionTable(gamekit::SettingsRecord& record);
    ~ReflectionTable() override;

    int state() const override { return state_; }
    bool soundOn() const override { return options_.soundOn; }
    void draw(gamekit::Surface& surface) override;
    void penDown(int x, int y) override;
    void penUp(int x, int y) override;
    void commandNew() override;
    void commandLeft() override { undo(); }
    void commandRight() override { redo(); }
    void saveSettings() override;

  private:
    ReflectionGame& game() { return session_.game(); }
    void setState(int state);
    void openScreen(int screen);
    void closeScreen();
    void click() const;
    void cardSound() const;

    // Game commands.
    void startNewGame();
    void restart();
    void undo();
    void redo();
    void setExpertMode(bool expert);
    void announceEnd(const GameEndRecord& record, bool fromPlay);

    // The table states.
    TableScene scene();
    void drawTableScreen(gamekit::Surface& surface);
    void dealOpeningCards(gamekit::Surface& surface);
    void tableDown(int x, int y);
    void tableUp(int x, int y);

    // The pages.
    void drawHighScores(gamekit::Surface& surface);
    void pageDown(int x, int y);

    void buildMenus();
    void updateMenus();

    gamekit::SettingsRecord& record_;
    ReflectionSession session_;
    ReflectionOptions options_;
    int state_ = kStateSplash;
    int returnState_ = kStateTable;
    Pick pick_;
    // The press began on the table (not on a menu or page), so its release
    // belongs to a move.
    bool pressOnTable_ = false;

    std::vector<uint16_t> backs_;
    std::vector<uint16_t> sheet_;
    gamekit::GArray<gamekit::CardTheme*> themes_;
    gamekit::ScreenSprites sprites_;

    gamekit::MenuBar menuBar_;
    std::unique_ptr<gamekit::MenuItem> gameMenu_;
    std::unique_ptr<gamekit::MenuItem> configureMenu_;
    std::unique_ptr<gamekit::MenuItem> helpMenu_;
    gamekit::MenuItem* undoItem_ = nullptr;
    gamekit::MenuItem* redoItem_ = nullptr;
    gamekit::MenuItem* restartItem_ = nullptr;

    gamekit::Button ok_;
    gamekit::Button reset_;
    std::unique_ptr<gamekit::AppearanceScreen> appearance_;
    gamekit::Pager rules_;
    gamekit::Pager help_;
};

}  // namespace reflection
