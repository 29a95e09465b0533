#pragma once

// A device root with Pellandine installed, its registry read back, and the
// cards of a screenshot read by comparing each place with the drawn faces.

#include <map>
#include <string>
#include <vector>

#include "games/pellandine/rules/GroupRules.h"
#include "games/pellandine/rules/TableGrid.h"
#include "support/PngImage.h"
#include "support/ProgramRun.h"

namespace pellandine_e2e {

// Past the start-up screen; then a deck tap (in every layout) and the first
// deal of the default variation (Sum 14) flying in.
inline const std::string kPastStartup = "wait 300\ntap 120 160\nwait 300\n";
inline const std::string kDealScript = kPastStartup + "tap 25 115\nwait 2500\n";

class Device {
  public:
    Device();
    const testing_support::TempRoot& root() const { return root_; }
    bool installed() const { return installed_; }

    // Runs the program headless; `tick0` fixes the virtual clock's start and
    // so every shuffle of the run.
    testing_support::RunResult run(const std::string& script, unsigned tick0 = 1000);

    std::string registryText() const;
    // A value of the program's key: -1 when missing.
    long dword(const std::string& name) const;
    std::string text(const std::string& name) const;

    // Writes the program's whole key as given (every value of its table).
    void writeSettings(const std::map<std::wstring, unsigned>& dwords);

    // A screenshot path in the root, also kept in the build tree to be looked at.
    std::string shot(const std::string& name) const;
    // The script line taking that shot.
    std::string shotLine(const std::string& name) const { return "shot " + shot(name) + "\n"; }
    // Copies a shot into the build tree's shots folder.
    void keep(const std::string& name) const;
    // Keeps the shot and reads it; false when it cannot be read.
    bool load(const std::string& name, testing_support::PngImage* image) const;

  private:
    testing_support::TempRoot root_;
    bool installed_ = false;
};

// Screen pixel as the program drew it (5-6-5).
uint16_t pixel565(const testing_support::PngImage& image, int x, int y);
// Pixels of `colour` in the box from (x1, y1) to (x2, y2), both included.
int countColour(const testing_support::PngImage& image, int x1, int y1, int x2, int y2,
                uint16_t colour);

// The table of a screenshot: each active place of the variation's layout
// with the face-up card read from the screen (null when the place shows no
// card). `border` is the theme's card frame colour (Astrology's, black, by
// default).
struct ReadTable {
    pellandine::TableGrid grid;
    int cardsRead = 0;
    bool ok = false;  // every place is a known card or empty
};
ReadTable readTable(const testing_support::PngImage& image, int gameType, uint16_t border = 0x0000);

// The first deal of the default variation (Sum 14), shot as `name` and read
// off the screen; ok only when the run ended well and all ten cards were read.
ReadTable dealAndRead(Device& device, const std::string& name);
// The groups the rules find on a table.
std::vector<pellandine::Group> groupsOn(const pellandine::TableGrid& grid);

// Script lines tapping the centre of each slot of a group.
std::string tapsFor(const pellandine::TableGrid& grid, const int* indices, int count);

}  // namespace pellandine_e2e
