#pragma once

#include <memory>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/shell/ProgramFrame.h"
#include "games/pellandine/Options.h"
#include "games/pellandine/Session.h"

namespace pellandine {

// The program's game object: the session with its screens, the pictures,
// menus, buttons and pages, and the shell's side of drawing, taps and keys.
class PellandineGame : public gamekit::GameApp {
  public:
    // Takes the options over from the loaded settings (storing corrected
    // values at once) and builds the frame: pictures, menus and pages.
    explicit PellandineGame(gamekit::SettingsRecord& record);

    int state() const override { return session_->screen(); }
    bool soundOn() const override { return options_.soundsOn; }
    void draw(gamekit::Surface& surface) override;
    void penDown(int x, int y) override;
    void penUp(int x, int y) override;
    void commandNew() override;
    void commandLeft() override;   // Restart
    void commandRight() override;  // the high-score list
    void saveSettings() override;

  private:
    gamekit::ProgramFrame::Setup frameSetup();
    gamekit::MenuTable menuTable();
    void click() const { frame_->click(); }
    void open(int page);
    void restart();
    // Shows what a play asks for: the finished table, the box, the save.
    void announce(const Announcement& announcement);
    // A play that dealt: the deal flies in at the next redraw.
    void keepDeal(const PlayResult& result);

    void drawTableScreen(gamekit::Surface& surface, bool showCards, const TableGrid* grid);
    void tapOnTable(int x, int y);
    void tapOnSettings(int x, int y);
    void tapOnHighScores(int x, int y);

    const gamekit::CardTheme& theme() const { return frame_->theme(); }

    gamekit::SettingsRecord& record_;
    PellandineOptions options_;
    std::unique_ptr<PellandineSession> session_;
    // Built once the session is: the frame opens its pages on the session's
    // screens.
    std::unique_ptr<gamekit::ProgramFrame> frame_;
    gamekit::MessageLog prompts_;
};

}  // namespace pellandine
