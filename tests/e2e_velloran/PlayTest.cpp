// Play on the real program: taps made while the computer plays, both sides
// passing the upcard, the hints, and whole games to their
// score sheets, plain and Hollywood, with the sheets' scroll bars.

#include <gtest/gtest.h>

#include "VelloranRun.h"
#include "games/velloran/table/TableLayout.h"

using namespace velloran_e2e;
using velloran::kNoCard;
using velloran::kPlayerSlots;

namespace {

// Which of the person's slots show a card in a screenshot of the play
// screen, against the predicted hand.
void expectRowAsPredicted(const std::string& name, const VelloranGame& g) {
    testing_support::PngImage image;
    ASSERT_TRUE(image.load(shotPath(name)));
    const uint32_t table = image.at(3, 100);
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        const bool card = g.playerSlot(slot) != kNoCard;
        EXPECT_EQ(image.at(9 + 12 * slot + 8, 300) != table, card) << name << " slot " << slot;
    }
}

// Plays the predicted hand up to the person's first throw of a card.
void playToFirstThrow(TablePredictor& p, std::string& script) {
    for (int i = 0; i < 4 && p.game().playerCardCount() != 11; ++i) {
        VelloranGame trial = p.game();
        const bool take = trial.shouldTakeDiscard(velloran::Side::Player,
                                                  VelloranGame::levelStrategy(velloran::Level::Expert, true));
        if (p.game().playerOffered()) {
            script += p.play(Action::of(take ? Action::TakeDiscard : Action::Pass));
        } else {
            script += p.play(Action::of(take ? Action::TakeDiscard : Action::TakeStock));
        }
    }
}

}  // namespace

// A tap made while the computer takes its turn is meant for the table as it
// stood: it must not select or throw a card of the table that follows.
TEST(VelloranPlay, TapsMadeDuringTheComputersTurnAreDropped) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    TablePredictor p;
    p.startFirstGame();
    std::string script = kStart;
    playToFirstThrow(p, script);
    ASSERT_EQ(p.game().playerCardCount(), 11);
    ASSERT_TRUE(p.game().playerActive);
    VelloranGame trial = p.game();
    const int slot = trial.chooseDiscard(velloran::Side::Player, VelloranGame::levelStrategy(velloran::Level::Expert, true));
    script += p.play(Action::withSlot(Action::TapSlot, slot));
    // The throw, then at once a tap on a card and one on the stock while
    // the computer plays.
    script += tap(148, 167, 40) + tap(velloran::playerSlotPlace(5).x + 6, 285, 40) + tap(92, 167, 3000);
    ASSERT_TRUE(p.game().apply(Action::of(Action::Discard)));
    const VelloranGame afterTurn = p.game();
    script += shot("after-computer-turn");
    // The person's next tap on the stock is taken as such: nothing was left
    // selected by the dropped taps.
    if (p.game().phase() == Phase::Play && p.game().playerActive) {
        script += p.play(Action::of(Action::TakeStock)) + shot("after-next-take");
    }
    RunResult r = runVelloran(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    expectRowAsPredicted("after-computer-turn", afterTurn);
    expectRowAsPredicted("after-next-take", p.game());
}

TEST(VelloranPlay, BothSidesPassTheUpcardAndTheNonDealerDraws) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    for (uint32_t tick0 = kTick0; tick0 < kTick0 + 200; ++tick0) {
        TablePredictor p(tick0);
        p.startFirstGame();
        // The person deals and the computer has passed: "Computer passes".
        if (p.game().computerDeals || p.game().upcardOffer != 1) continue;
        std::string script = kStart + shot("computer-passes") + p.play(Action::of(Action::Pass));
        if (p.game().takenByComputer.size() != 0 || p.game().phase() != Phase::Play) continue;
        script += shot("both-passed");
        RunResult r = runVelloran(root, script + kEnd, tick0);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(p.game().statusLine, "Your turn");
        EXPECT_EQ(p.game().promptLine, "(Take card: tap deck/discard pile)");
        expectRowAsPredicted("both-passed", p.game());
        return;
    }
    FAIL() << "no deal in which both pass";
}

TEST(VelloranPlay, HintsMarkThePileToTakeAndTheCardToThrow) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    ASSERT_EQ(runVelloran(root, kStart + kEnd).exitCode, 0);
    storeDword(root, L"DisplayHints", 1);
    TablePredictor p;
    p.game().options().hints = true;
    p.startFirstGame();
    std::string script = kStart + shot("hint-take");
    playToFirstThrow(p, script);
    script += shot("hint-throw");
    RunResult r = runVelloran(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    testing_support::PngImage take, throwing;
    ASSERT_TRUE(take.load(shotPath("hint-take")));
    ASSERT_TRUE(throwing.load(shotPath("hint-throw")));
    const uint32_t highlight = screenColour(0xF800);  // the default theme's
    if (p.game().playerCardCount() == 11 && p.game().hintDiscardSlot >= 0) {
        const int x0 = velloran::throwMarkLeft(p.game().hintDiscardSlot);
        EXPECT_EQ(throwing.at(x0 + 1, 254), highlight);
        EXPECT_EQ(throwing.at(x0 + 3, 256), highlight);
    }
    // Some marker stands at one of its three places on the first screen.
    const bool marked = anyPixel(take, 166, 162, 172, 170, highlight) ||
                        anyPixel(take, 85, 238, 91, 246, highlight) ||
                        anyPixel(take, 67, 162, 73, 170, highlight);
    EXPECT_TRUE(marked);
}

namespace {

// Plays whole hands until the game is over, recording every hand.
std::string playGame(TablePredictor& p, int maxHands) {
    std::string script;
    for (int hand = 0; hand < maxHands && p.game().phase() != Phase::GameOver; ++hand) {
        script += p.playHand(60);
        if (p.game().phase() == Phase::Meld) script += p.meldEverything();
        if (p.game().phase() == Phase::LayOff) script += p.layOffEverything();
        if (p.game().phase() == Phase::HandResult) script += p.play(Action::of(Action::RecordHand));
        if (p.game().phase() == Phase::ScoreSheet) script += p.play(Action::of(Action::NextHand));
    }
    return script;
}

}  // namespace

TEST(VelloranPlay, AWholeGameToItsScoreSheetAndGameOverPanel) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    TablePredictor p;
    p.startFirstGame();
    p.beforeNextPanelTap("");
    std::string script = kStart + playGame(p, 40);
    ASSERT_EQ(p.game().phase(), Phase::GameOver);
    script += shot("game-over-sheet");
    RunResult r = runVelloran(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    // The program followed every predicted hand to the final score sheet:
    // the box of the hand rows with its middle rule, in the line colour.
    testing_support::PngImage sheet;
    ASSERT_TRUE(sheet.load(shotPath("game-over-sheet")));
    EXPECT_EQ(sheet.at(30, 80), 0xFFFFFFu);
    EXPECT_EQ(sheet.at(120, 80), 0xFFFFFFu);
}

TEST(VelloranPlay, AHollywoodGameAndItsScrollBars) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    ASSERT_EQ(runVelloran(root, kStart + kEnd).exitCode, 0);
    storeDword(root, L"HollywoodScoring", 1);
    TablePredictor p;
    p.game().options().hollywood = true;
    p.startFirstGame();
    std::string script = kStart + playGame(p, 60);
    ASSERT_EQ(p.game().phase(), Phase::GameOver);
    script += shot("hollywood-sheet");
    const velloran::ColumnScore& col0 = p.game().scores.columns[0];
    const int rows = p.game().scores.rowsShown();
    // Column 1's bar: a tap at its top jumps to the first row.
    script += tap(63, 78, 200) + shot("hollywood-scrolled");
    RunResult r = runVelloran(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);
    testing_support::PngImage before, after;
    ASSERT_TRUE(before.load(shotPath("hollywood-sheet")));
    ASSERT_TRUE(after.load(shotPath("hollywood-scrolled")));
    if (col0.endRow - std::min(col0.firstRow[0], col0.firstRow[1]) > rows) {
        int differing = 0;
        for (int y = 78; y < 78 + 10 * rows; ++y) {
            for (int x = 2; x < 60; ++x) differing += before.at(x, y) != after.at(x, y);
        }
        EXPECT_GT(differing, 0);
    }
}
