// Whole hands played with the stylus on the real program: the deal, the
// upcard offer, taking, throwing, a knock, the meld and lay-off screens,
// the hand result and the score sheet. The rules beside the program predict
// every card, so each tap is the one the person would make.

#include <gtest/gtest.h>

#include "VelloranRun.h"
#include "games/velloran/table/TableLayout.h"

using namespace velloran_e2e;
using velloran::Side;

namespace {

// The first start tick from `tick0` on whose first hand the predicted play
// ends as `wanted` says (who ends the hand), with its script.
struct ChosenHand {
    uint32_t tick0 = 0;
    std::string script;
    VelloranGame end;
};

enum class Ender { Person, Computer };

ChosenHand chooseHand(Ender wanted, uint32_t from) {
    for (uint32_t tick0 = from; tick0 < from + 200; ++tick0) {
        TablePredictor p(tick0);
        p.startFirstGame();

        std::string script = p.playHand(40);
        if (p.game().phase() == Phase::Play) continue;  // a tie
        const bool personEnded = p.game().playerActive;
        if (personEnded != (wanted == Ender::Person)) continue;
        if (p.game().phase() == Phase::Meld) {
            script += shot(wanted == Ender::Person ? "meld-person-knocked" : "meld-computer-knocked");
            script += p.meldEverything();
        }
        if (p.game().phase() == Phase::LayOff) {
            script += shot("layoff");
            script += p.layOffEverything();
        }
        if (p.game().phase() != Phase::HandResult) continue;
        return {tick0, script, p.game()};
    }
    ADD_FAILURE() << "no such hand";
    return {};
}

}  // namespace

TEST(VelloranHand, ThePersonKnocksMeldsAndTheHandIsScored) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    ChosenHand hand = chooseHand(Ender::Person, 5000);
    ASSERT_NE(hand.tick0, 0u);
    const std::string script = kStart + shot("dealt") + hand.script + shot("result-person") +
                               tap(120, 215, 400) + shot("sheet-after-knock") + kEnd;
    RunResult r = runVelloran(root, script, hand.tick0);
    EXPECT_EQ(r.exitCode, 0) << r.stderrText;
    EXPECT_TRUE(r.logHas("sound\t\\Program Files\\Tarnwick Software\\Deckhollow\\TarnwickSoftware_Knock.wav") ||
                hand.end.playerDeadwood == 0);
    testing_support::PngImage result;
    ASSERT_TRUE(result.load(shotPath("result-person")));
    // The hand result: the OK button's face at (90, 205) on the table.
    EXPECT_TRUE(anyPixel(result, 91, 206, 148, 223, 0xC6C3C6) || anyPixel(result, 91, 206, 148, 223, 0xC0C0C0));
}

TEST(VelloranHand, TheComputerKnocksAndThePersonLaysOff) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    ChosenHand hand = chooseHand(Ender::Computer, 5000);
    ASSERT_NE(hand.tick0, 0u);
    const std::string script = kStart + hand.script + shot("result-computer") + tap(120, 215, 400) +
                               shot("sheet-after-computer-knock") + kEnd;
    RunResult r = runVelloran(root, script, hand.tick0);
    EXPECT_EQ(r.exitCode, 0) << r.stderrText;
}
