// Play on the real program: taps made while the computer plays, both sides
// passing the upcard, the hints, a hand that runs the stock down to a tie,
// and whole games to their
// score sheets, plain and Hollywood, with the sheets' scroll bars.

#include <gtest/gtest.h>

#include "VelloranRun.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/MessagePanel.h"
#include "games/velloran/table/TableLayout.h"
#include "games/velloran/table/TableView.h"

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

// Display Hints switched on with Configure Appearance: back on the table
// the marker stands at once where the hints' rules point (on a deal where
// they say take the discard pile), without waiting for the next move.
TEST(VelloranPlay, HintsSwitchedOnShowAsTheAppearancePageCloses) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    for (uint32_t tick0 = kTick0; tick0 < kTick0 + 200; ++tick0) {
        TablePredictor p(tick0);
        p.startFirstGame();
        p.game().options().hints = true;
        p.game().updateHints();
        const velloran::HintMarks marks = velloran::hintMarks(p.game(), true);
        if (!marks.take || !marks.takeThisPile) continue;
        const std::string script = kStart + shot("hints-off") + menu(kConfigureMenuX, 0) +
                                   tap(60, 32, 200) + tap(190, 290, 300) + shot("hints-switched-on");
        RunResult r = runVelloran(root, script + kEnd, tick0);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(storedValue(root, L"DisplayHints").number, 1u);
        testing_support::PngImage off, on;
        ASSERT_TRUE(off.load(shotPath("hints-off")));
        ASSERT_TRUE(on.load(shotPath("hints-switched-on")));
        const uint32_t highlight = screenColour(0xF800);  // the default theme's
        const int x = marks.takeAt.x, y = marks.takeAt.y;
        EXPECT_FALSE(anyPixel(off, x, y, x + 6, y + 8, highlight));
        EXPECT_TRUE(anyPixel(on, x, y, x + 6, y + 8, highlight));
        return;
    }
    FAIL() << "no deal whose hint is the discard pile";
}

namespace {

// The pixels the message panel paints whatever lies under it, as 0xRRGGBB,
// or 0xFF000000 where the screen shows through.
constexpr uint32_t kShowsThrough = 0xFF000000;
std::vector<uint32_t> panelPixels(const char* text, const char* heading) {
    gamekit::Surface a(gamekit::kScreenWidth, gamekit::kScreenHeight);
    gamekit::Surface b(gamekit::kScreenWidth, gamekit::kScreenHeight);
    a.fill(0x0000);
    b.fill(0xFFFF);
    gamekit::drawMessagePanel(a, text, heading);
    gamekit::drawMessagePanel(b, text, heading);
    std::vector<uint32_t> out(static_cast<size_t>(gamekit::kScreenWidth) * gamekit::kScreenHeight);
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = a.pixels()[i] == b.pixels()[i] ? screenColour(a.pixels()[i]) : kShowsThrough;
    }
    return out;
}

constexpr const char* kTieHeading = "YOU TIED!";
constexpr const char* kTieText = "Two cards left in deck.  You tied this hand!! \n\n(tap ok for next hand)";

}  // namespace

// Neither side knocks and the stock runs down to two cards: the hand is a
// tie, its panel stands over the table until tapped, and the next hand is
// dealt at once. The expert computer, which waits for a low count, lets
// the person's hand run that long on a deal the search below finds early.
TEST(VelloranPlay, AHandThatRunsTheStockDownIsTiedAndTheNextIsDealt) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    ASSERT_EQ(runVelloran(root, kStart + kEnd).exitCode, 0);
    storeDword(root, L"GameType", 2);
    for (uint32_t tick0 = kTick0; tick0 < kTick0 + 400; ++tick0) {
        TablePredictor p(tick0);
        p.game().options().level = velloran::Level::Expert;
        p.startFirstGame();
        std::string script = kStart;
        p.beforeNextPanelTap(shot("tie-panel"));
        // The person never knocks; one turn at a time, so the play stops
        // at the tie with the next hand freshly dealt.
        for (int turn = 0; turn < 60 && p.panels() == 0 && p.game().phase() == Phase::Play; ++turn) {
            script += p.playHand(1, false);
        }
        if (p.panels() != 1 || p.game().phase() != Phase::Play) continue;
        script += shot("after-tie");
        RunResult r = runVelloran(root, script + kEnd, tick0);
        EXPECT_EQ(r.exitCode, 0) << r.stderrText;
        // The log: the panel was shot before the next hand's ten passes of
        // the card flick, and no hand was knocked or won.
        const auto panelAt = std::find_if(r.log.begin(), r.log.end(), [](const std::string& l) {
            return l.rfind("shot\t" + shotPath("tie-panel"), 0) == 0;
        });
        ASSERT_NE(panelAt, r.log.end());
        const std::string flick =
            "sound\t\\Program Files\\Tarnwick Software\\Deckhollow\\TarnwickSoftware_Cardflick.wav";
        EXPECT_GE(std::count(panelAt, r.log.end(), flick), 10);
        for (const std::string& line : r.log) EXPECT_EQ(line.find("Knock.wav"), std::string::npos);
        // The registry: the options the run started with, kept.
        EXPECT_EQ(storedValue(root, L"GameType").number, 2u);
        EXPECT_EQ(storedValue(root, L"PointsToWin").number, 100u);
        EXPECT_EQ(storedValue(root, L"HollywoodScoring").number, 0u);
        // The screenshot: the tie's panel exactly as drawn over the table.
        testing_support::PngImage panel;
        ASSERT_TRUE(panel.load(shotPath("tie-panel")));
        const std::vector<uint32_t> expected = panelPixels(kTieText, kTieHeading);
        int painted = 0, wrong = 0;
        for (int y = 0; y < gamekit::kScreenHeight; ++y) {
            for (int x = 0; x < gamekit::kScreenWidth; ++x) {
                const uint32_t want = expected[static_cast<size_t>(y) * gamekit::kScreenWidth + x];
                if (want == kShowsThrough) continue;
                ++painted;
                wrong += panel.at(x, y) != want;
            }
        }
        EXPECT_GT(painted, 5000);
        EXPECT_EQ(wrong, 0);
        // The next hand's cards in the person's row.
        expectRowAsPredicted("after-tie", p.game());
        return;
    }
    FAIL() << "no deal that runs to a tie";
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
