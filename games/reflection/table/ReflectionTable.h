#pragma once

// The reflection program's game object: the screens of the table states,
// two taps per move, undo and redo on the Left and Right keys, the menus,
// the standard pages and the High Scores screen, and the options kept in the
// settings record.

#include <cstdint>
#include <memory>
#include <vector>

#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/shell/ProgramFrame.h"
#include "games/reflection/rules/ReflectionSession.h"
#include "games/reflection/table/ReflectionOptions.h"
#include "games/reflection/table/TableStates.h"
#include "games/reflection/table/TableView.h"

namespace reflection {

class ReflectionTable : public gamekit::GameApp {
  public:
    // Takes the options and lists over from the record, builds the frame
    // (the pictures, menus and pages) and shuffles the deck; starts on the
    // opening screen.
    explicit ReflectionTable(gamekit::SettingsRecord& record);

    int state() const override { return screens_.screen(); }
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
    gamekit::ProgramFrame::Setup frameSetup();
    gamekit::MenuTable menuTable();
    void setState(int state);
    void openScreen(int screen) { frame_.openPage(screen); }
    void click() const { frame_.click(); }
    void cardSound() const;

    // Game commands.
    void startNewGame();
    void restart();
    void undo();
    void redo();
    void setExpertMode(bool expert);
    // The four opening cards fly out in the next redraw.
    void deal();
    void announceEnd(const GameEndRecord& record, bool fromPlay);

    // The table states.
    TableScene scene();
    void drawTableScreen(gamekit::Surface& surface);
    void dealOpeningCards(gamekit::Surface& surface);
    void tableDown(int x, int y);
    void tableUp(int x, int y);

    // The High Scores page.
    void drawHighScores(gamekit::Surface& surface);
    void highScoresDown(int x, int y);

    gamekit::SettingsRecord& record_;
    ReflectionSession session_;
    ReflectionOptions options_;
    gamekit::ScreenStack screens_{kStateSplash, kStateTable};
    Pick pick_;
    // The press began on the table (not on a menu or page), so its release
    // belongs to a move.
    bool pressOnTable_ = false;
    gamekit::ProgramFrame frame_;
};

}  // namespace reflection
