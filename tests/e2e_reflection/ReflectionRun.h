#pragma once

// Running the real reflection program headless on a freshly installed
// device root, reading what it left in the registry, and predicting its
// deals so a script can play legal moves.

#include <cstdint>
#include <string>
#include <vector>

#include "games/reflection/rules/Move.h"
#include "games/reflection/rules/ReflectionSession.h"
#include "support/PngImage.h"
#include "support/ProgramRun.h"

namespace reflection_e2e {

using testing_support::RunResult;
using testing_support::TempRoot;

// The virtual tick every run starts at, so the deals repeat.
constexpr uint32_t kTick0 = 5000;

// A device root this program's tests install into.
struct InstalledRoot : testing_support::InstalledRoot {
    InstalledRoot() : testing_support::InstalledRoot(INSTALLER_PATH) {}
};

RunResult runReflection(const InstalledRoot& root, const std::string& script);

// The program's values under its key; `found` false when missing.
struct StoredValue {
    bool found = false;
    uint32_t number = 0;
    std::wstring text;
};
StoredValue storedValue(const TempRoot& root, const wchar_t* name);
// A list value as ten numbers (empty when missing or unreadable).
std::vector<int> storedList(const TempRoot& root, const wchar_t* name);
// Writes a dword of the program's key (before a run).
void storeDword(const TempRoot& root, const wchar_t* name, uint32_t value);

// Script pieces.
inline std::string tap(int x, int y, int waitMs = 150) {
    return testing_support::tapLine(x, y, waitMs);
}
// The taps of one move on the table.
std::string tapsFor(const reflection::Move& move);
// Opens a menu title and taps its entry `row` (0 the first).
std::string menu(int titleX, int row);
constexpr int kGameMenuX = 20, kConfigureMenuX = 75, kHelpMenuX = 220;
// A screenshot into `path`.
std::string shot(const std::string& path);
// Past the start-up screen, then a deck tap deals the first game.
inline const std::string kStartAndDeal = tap(120, 160, 200) + tap(15, 50, 1000);
// Down, then a tap on the farewell panel ends the program.
inline const std::string kEnd = "key down\nwait 300\ntap 120 160\nwait 300\n";

// The program's deals replayed with the rules: the generator seeded at the
// start tick, the start shuffles, then one new game per nextGame().
class DealPredictor {
  public:
    explicit DealPredictor(uint32_t tick0 = kTick0);
    // The next deal, with its opening cards out, as the program deals it.
    void nextGame(bool expert = false);
    reflection::ReflectionSession& session() { return session_; }
    reflection::ReflectionGame& game() { return session_.game(); }
    // Makes the move and returns its taps; fails the test if refused.
    std::string play(const reflection::Move& move);

  private:
    reflection::ReflectionSession session_;
};

using testing_support::anyPixel;
using testing_support::screenColour;

}  // namespace reflection_e2e
