#pragma once

#include <cstdint>

#include "gamekit/shell/ScreenStack.h"
#include "games/pellandine/Options.h"
#include "games/pellandine/ScreenIds.h"
#include "games/pellandine/rules/PellandineRules.h"

namespace pellandine {

// What the program must show after a play, besides the table itself.
struct Announcement {
    bool presentTableFirst = false;  // the finished table is shown before the box
    const char* message = nullptr;   // the message box text; null: no box
    bool scoresChanged = false;      // a list changed: store the settings
};

// The game as the program runs it: the rules, the options and the screen
// numbers. Nothing here draws, sounds or waits, so every way through the
// screens can be tested; the program shows what the results and
// announcements ask for.
class PellandineSession {
  public:
    PellandineSession(uint32_t startSeed, PellandineOptions& options);

    int screen() const { return screens_.screen(); }
    int returnScreen() const { return screens_.returnScreen(); }
    // The screens the program frame opens its pages on.
    gamekit::ScreenStack& screens() { return screens_; }
    PellandineRules& rules() { return rules_; }
    const PellandineRules& rules() const { return rules_; }
    PellandineOptions& options() { return options_; }

    // "New" (menu and Up key): an unfinished game's score is offered to its
    // list first, then a fresh shuffle is dealt.
    PlayResult newGame(uint32_t seed, Announcement& announcement);
    // "Restart" (menu and Left key): the same deal again; nothing before the
    // first deal.
    PlayResult restartGame(Announcement& announcement);

    // The stylus on a table screen, after the menu bar had its chance.
    PlayResult tapTable(int x, int y, uint32_t seed, Announcement& announcement);
    // The stylus lifted on a table screen: the selection is judged.
    PlayResult penUp(bool menuOpen, Announcement& announcement);

    // The deal has been shown: the table is in play.
    void dealShown();
    void leaveStartup() { screens_.show(kScreenTable); }

    // Pages opened from the menus or keys remember where they came from;
    // closing one goes back there. Opening the page already shown does
    // nothing.
    void openPage(int page) { screens_.open(page); }
    void closePage() { screens_.close(); }

    // Game Settings: a different variation deals a new game of it at once
    // (offering the unfinished game's score first) and returns true; the one
    // already set changes nothing.
    bool chooseVariation(int gameType, uint32_t seed, PlayResult& result,
                         Announcement& announcement);
    void toggleSlideChallenge();

    // "Reset" on the high-score screen: the shown variation's list only.
    void resetScores();

  private:
    // Moves the screens on after anything the rules did and says what the
    // player must be told.
    void follow(const PlayResult& result, Announcement& announcement);

    PellandineOptions& options_;
    PellandineRules rules_;
    gamekit::ScreenStack screens_{kScreenStartup, kScreenTable};
};

}  // namespace pellandine
