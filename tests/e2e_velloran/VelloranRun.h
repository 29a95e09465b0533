#pragma once

// Running the real Velloran program headless on a freshly installed device
// root, reading what it left in the registry, and playing the person's side
// with the rules library beside it: the program deals from a generator
// seeded at the start tick, so the same actions on a copy of the rules
// predict every card, and each action is turned into the taps that make it.

#include <cstdint>
#include <string>
#include <vector>

#include "games/velloran/rules/VelloranGame.h"
#include "support/PngImage.h"
#include "support/ProgramRun.h"

namespace velloran_e2e {

using testing_support::RunResult;
using testing_support::TempRoot;
using velloran::Action;
using velloran::Phase;
using velloran::VelloranGame;

constexpr uint32_t kTick0 = 5000;

// A device root this program's tests install into.
struct InstalledRoot : testing_support::InstalledRoot {
    InstalledRoot() : testing_support::InstalledRoot(INSTALLER_PATH) {}
};

RunResult runVelloran(const InstalledRoot& root, const std::string& script, uint32_t tick0 = kTick0);

struct StoredValue {
    bool found = false;
    uint32_t number = 0;
};
StoredValue storedValue(const TempRoot& root, const wchar_t* name);
void storeDword(const TempRoot& root, const wchar_t* name, uint32_t value);

// Script pieces.
inline std::string tap(int x, int y, int waitMs = 200) {
    return testing_support::tapLine(x, y, waitMs);
}
std::string shot(const std::string& name);  // into the shots folder, by name
std::string shotPath(const std::string& name);
std::string menu(int titleX, int row);
constexpr int kGameMenuX = 20, kConfigureMenuX = 75, kHelpMenuX = 225;
// Past the start-up screen: the tap deals the first hand at once.
inline const std::string kStart = "wait 200\n" + tap(120, 160, 3000);
inline const std::string kEnd = "key down\nwait 300\ntap 120 160\nwait 300\n";

// The program's game followed with the rules: the generator seeded at the
// start tick, the start shuffles, then the same actions in the same order.
class TablePredictor {
  public:
    explicit TablePredictor(uint32_t tick0 = kTick0);
    VelloranGame& game() { return game_; }
    // The first game as the start-up tap deals it, play begun.
    void startFirstGame();
    // Applies the action (the test fails if it is refused) and returns its
    // taps, with time for what the program animates after it.
    std::string play(const Action& action);
    // The taps of an action, without applying it.
    std::string tapsFor(const Action& action) const;
    // Plays the person's side with the hints' rules until the phase leaves
    // Play (a knock, gin or a tie), at most `turns` turns; the person knocks
    // as soon as he may when `knockAtOnce`.
    std::string playHand(int turns, bool knockAtOnce = true);
    // Lays out the person's best melds and finishes melding.
    std::string meldEverything();
    // Lays off every card that fits, then finishes.
    std::string layOffEverything();

    // Script lines put before the tap that closes the next message panel
    // (a screenshot of the panel, say); used once.
    void beforeNextPanelTap(const std::string& lines) { beforePanelTap_ = lines; }
    // How many message panels the predicted play has shown.
    int panels() const { return panels_; }

  private:
    VelloranGame game_;
    std::string beforePanelTap_;
    int panels_ = 0;
};

using testing_support::anyPixel;
using testing_support::countPixels;
using testing_support::screenColour;

}  // namespace velloran_e2e
