#pragma once

#include <memory>
#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/shell/GameApp.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "gamekit/ui/Screens.h"
#include "games/pellandine/Options.h"
#include "games/pellandine/Session.h"

namespace pellandine {

// The program's game object: the session with its screens, the pictures,
// menus, buttons and pages, and the shell's side of drawing, taps and keys.
class PellandineGame : public gamekit::GameApp {
  public:
    // Takes the options over from the loaded settings (storing corrected
    // values at once), loads the pictures and builds the menus.
    explicit PellandineGame(gamekit::SettingsRecord& record);
    ~PellandineGame() override;

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
    void buildMenus();
    void click() const;
    void open(int page);
    void restart();
    // Shows what a play asks for: the finished table, the box, the save.
    void announce(const Announcement& announcement);
    void keepDeal(const PlayResult& result);

    void drawTableScreen(gamekit::Surface& surface, bool showCards, const TableGrid* grid);
    void showDeal(gamekit::Surface& surface);
    void tapOnTable(int x, int y);
    void tapOnSettings(int x, int y);
    void tapOnHighScores(int x, int y);

    const gamekit::CardTheme& theme() const { return *themes_[options_.cardBack]; }

    gamekit::SettingsRecord& record_;
    PellandineOptions options_;
    std::unique_ptr<PellandineSession> session_;

    std::vector<uint16_t> backs_;
    std::vector<uint16_t> sheet_;
    gamekit::GArray<gamekit::CardTheme*> themes_;
    gamekit::ScreenSprites sprites_;

    gamekit::MenuBar bar_;
    std::unique_ptr<gamekit::MenuItem> gameMenu_, configureMenu_, helpMenu_;
    gamekit::MenuItem* restartItem_ = nullptr;

    gamekit::Button ok_;
    gamekit::Button reset_;
    gamekit::MessageLog prompts_;
    gamekit::Pager rulesPager_;
    gamekit::Pager helpPager_;
    std::unique_ptr<gamekit::AppearanceScreen> appearance_;

    bool dealPending_ = false;
    PlayResult pendingDeal_;
};

}  // namespace pellandine
