// The replay tool against the real program: the table of a Sum 14 deal is
// read off a screenshot, a group on it is tapped in a second run, and
// pellandine-sim position, given the table read and the same taps, prints
// the table the second screenshot shows, card for card.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "PellandineDevice.h"
#include "gamekit/cards/CardText.h"

using namespace pellandine_e2e;
using testing_support::PngImage;
using testing_support::RunResult;

namespace {

// The table as the tool prints its grid: "--" for an empty place of the
// variation, ".." off it.
std::string gridLines(const pellandine::TableGrid& grid) {
    std::string text;
    for (int r = 0; r < pellandine::kRows; ++r) {
        std::string line = "row " + std::to_string(r + 1) + ":";
        for (int c = 0; c < pellandine::kColumns; ++c) {
            const pellandine::TableSlot& s = grid.slot(r, c);
            std::string cell = !s.active        ? ".."
                               : s.holdsCard() ? gamekit::cardCodeText(*s.card)
                                               : "--";
            cell.resize(6, ' ');
            line += " " + cell;
        }
        while (line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    return text;
}

std::string slotName(int index) {
    return std::to_string(index / pellandine::kColumns + 1) + "," +
           std::to_string(index % pellandine::kColumns + 1);
}

std::string runTool(const std::string& input, const std::string& inputPath) {
    FILE* f = std::fopen(inputPath.c_str(), "w");
    if (f == nullptr) return "";
    std::fputs(input.c_str(), f);
    std::fclose(f);
    std::string out;
    FILE* pipe = popen((std::string(PELLANDINE_SIM_PATH) + " position < " + inputPath).c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

}  // namespace

TEST(PellandineReplayTool, PrintsTheTableAScreenshotShowsAfterTheSameTaps) {
    Device device;
    const ReadTable dealt = dealAndRead(device, "replay_dealt");
    ASSERT_TRUE(dealt.ok);
    const std::vector<pellandine::Group> groups = groupsOn(dealt.grid);
    ASSERT_FALSE(groups.empty()) << "try another start tick: this deal has no group";
    const pellandine::Group group = groups.back();

    // The same deal, the group tapped.
    ASSERT_EQ(device
                  .run(kDealScript + tapsFor(dealt.grid, group.index, group.size) + "wait 300\n" +
                       device.shotLine("replay_tapped"))
                  .exitCode,
              0);
    PngImage tappedShot;
    ASSERT_TRUE(device.load("replay_tapped", &tappedShot));
    const ReadTable tapped = readTable(tappedShot, pellandine::kSum14);
    ASSERT_TRUE(tapped.ok);

    // The tool: the table read, every other card in the shoe, the taps.
    std::string shoe, taps;
    bool onTable[52] = {};
    for (int i = 0; i < pellandine::kSlotCount; ++i) {
        const pellandine::TableSlot& s = dealt.grid.at(i);
        if (s.holdsCard()) onTable[s.card->suit * 13 + s.card->rank] = true;
    }
    for (int k = 0; k < 52; ++k) {
        if (!onTable[k]) shoe += " " + gamekit::cardCodeText(gamekit::CardCode::fromIndex(k));
    }
    for (int k = 0; k < group.size; ++k) taps += " " + slotName(group.index[k]);
    std::string grid = gridLines(dealt.grid);
    std::string input = "variation: sum14\nslide: zigzag\n" + grid + "shoe:" + shoe + "\ntaps:" +
                        taps + "\n";
    const std::string out = runTool(input, device.root().file("table.txt"));
    ASSERT_EQ(out.rfind("start\n" + grid, 0), 0u) << out;
    const std::string last = "\ntap " + std::to_string(group.size) + " ";
    const size_t at = out.rfind(last);
    ASSERT_NE(at, std::string::npos) << out;
    const std::string after = out.substr(at);
    EXPECT_NE(after.find(": group removed\n"), std::string::npos) << after;
    EXPECT_NE(after.find("selection: -\n" + gridLines(tapped.grid) + "shoe: 42 cards\nscore: " +
                         std::to_string(group.size) + "\n"),
              std::string::npos)
        << after << "\nthe screen:\n"
        << gridLines(tapped.grid);
}
