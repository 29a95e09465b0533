#pragma once

// Running the real cribbage program headless on a freshly installed device
// root, reading what it left in the registry and on the screen, and
// predicting its deals with the rules so that a script can play them: the
// generator seeded at the start tick, the program's own seeds drawn in the
// order it draws them, Blue's cards chosen by the computer player.

#include <cstdint>
#include <string>
#include <vector>

#include "games/cribbage/rules/CribbageGame.h"
#include "games/cribbage/table/TableLayout.h"
#include "support/PngImage.h"
#include "support/ProgramRun.h"

namespace cribbage_e2e {

using testing_support::RunResult;
using testing_support::TempRoot;

constexpr uint32_t kTick0 = 5000;

// A device root this program's tests install into.
struct InstalledRoot : testing_support::InstalledRoot {
    InstalledRoot() : testing_support::InstalledRoot(INSTALLER_PATH) {}
};

RunResult runCribbage(const InstalledRoot& root, const std::string& script,
                      uint32_t tick0 = kTick0);
// A first start and end, so the key holds every value (a key with only some
// of them is a damaged one, which the program repairs with a panel).
bool startedOnce(const InstalledRoot& root);
// The same, then the animations turned off, so a script's taps need no
// room for flights and peg walks.
bool startedWithoutAnimation(const InstalledRoot& root);

// A dword of the program's key; `found` false when missing.
struct Stored {
    bool found = false;
    int32_t value = 0;
};
Stored storedValue(const TempRoot& root, const wchar_t* name);
void storeDword(const TempRoot& root, const wchar_t* name, int32_t value);

// Script pieces.
inline std::string tap(int x, int y, int waitMs) {
    return testing_support::tapLine(x, y, waitMs);
}
std::string shot(const std::string& path);
// Opens a menu title and taps its entry `row` (0 the first).
std::string menu(int titleX, int row);
constexpr int kGameMenuX = 20, kConfigureMenuX = 75, kHelpMenuX = 220;
// Down, then a tap on the farewell panel ends the program.
inline const std::string kEnd = "key down\nwait 300\ntap 120 160\nwait 300\n";

// The program's game replayed with the rules, writing the taps that play
// it. Red discards and plays as the expert advice says.
class ScriptedGame {
  public:
    ScriptedGame(const cribbage::GameOptions& options, int redWins = 0, int blueWins = 0,
                 uint32_t tick0 = kTick0, int waitMs = 150);

    cribbage::CribbageGame& game() { return game_; }
    // How well Red chooses: the strength of the advice it follows.
    void setRedStrength(int strength) { redStrength_ = strength; }
    std::string& script() { return script_; }
    // How long the script waits after each tap from now on.
    void setWait(int ms) { wait_ = ms; }

    void pastSplash();
    void tapDeck();          // from the Table state: a new game and its deal
    void toFirstDeal();      // past the opening screen, then the deck tapped
    void discard();          // the advised two, then the crib box
    void playOne();          // one tap of the play: a card, a go, or on to the count
    void playTheDeal();      // to the eighth card
    void countNext();        // one tap of the counts (the last deals again)
    void playToGameEnd();    // deals until the game is over
    void afterGame();        // a tap after the end: the next game of the set

    // What the play showed so far.
    int goesSaid() const { return goes_; }
    bool heels() const { return heels_; }
    const cribbage::GameEvent* lastBox() const { return box_.title ? &box_ : nullptr; }

  private:
    void apply(const cribbage::Action& action);
    void blueMoves();
    void note(const cribbage::ApplyResult& result);

    cribbage::CribbageGame game_;
    std::string script_;
    int wait_;
    int redStrength_ = 2;
    int goes_ = 0;
    bool heels_ = false;
    cribbage::GameEvent box_;
};

// The table of `game` as the program draws it with the installed pictures
// (theme `cardBack`, no message lists), for comparing with a screenshot.
class ExpectedTable {
  public:
    ExpectedTable(const TempRoot& root, int cardBack = 5);
    ~ExpectedTable();
    // 0xRRGGBB pixels as the screenshot decoder gives them.
    std::vector<uint32_t> draw(const cribbage::CribbageGame& game, cribbage::GameState shown,
                               bool multipleGames = true);

  private:
    struct Pictures;
    Pictures* pictures_;
    int cardBack_;
};

// How many pixels of the box differ between the screenshot and the picture.
int differingPixels(const testing_support::PngImage& shot, const std::vector<uint32_t>& expected,
                    const cribbage::ScreenBox& box);

using testing_support::screenColour;

}  // namespace cribbage_e2e
