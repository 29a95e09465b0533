// One scripted deal on a repeatable shoe: the discards, the play with a go,
// the three counts with their breakdown lines and the pegs; his heels; and
// taps made while the computer lays its cards, which are not kept.

#include <gtest/gtest.h>

#include <algorithm>

#include "CribbageRun.h"
#include "games/cribbage/rules/ComputerPlayer.h"

using namespace cribbage_e2e;
using namespace cribbage;

namespace {

// What the counts and the scores leave on the screen: the play box, the
// deck and crib, both labels.
const ScreenBox kCountBoxes[] = {
    kPlayBox, {0, 100, 51, 160}, {176, 100, 239, 160}, {0, 38, 239, 48}, {0, 290, 239, 300},
};

}  // namespace

TEST(CribbageDeal, ADealWithItsGoAndItsThreeCountsShowsEachCountsLines) {
    InstalledRoot root;
    ASSERT_TRUE(startedWithoutAnimation(root));
    GameOptions options;
    ScriptedGame g(options);
    g.toFirstDeal();
    g.discard();
    g.playTheDeal();
    EXPECT_GT(g.goesSaid(), 0) << "the deal of this start tick has a go";
    g.script() += shot(root.file("play-end.png"));
    ExpectedTable expected(root);
    std::vector<std::vector<uint32_t>> counts;
    const char* names[3] = {"pone.png", "dealer.png", "crib.png"};
    for (int i = 0; i < 3; ++i) {
        g.countNext();
        counts.push_back(expected.draw(g.game(), g.game().state()));
        g.script() += shot(root.file(names[i]));
    }
    g.script() += kEnd;
    RunResult r = runCribbage(root, g.script());
    EXPECT_EQ(r.exitCode, 0);
    for (int i = 0; i < 3; ++i) {
        testing_support::PngImage png;
        ASSERT_TRUE(png.load(root.file(names[i])));
        for (const ScreenBox& box : kCountBoxes) {
            EXPECT_EQ(differingPixels(png, counts[i], box), 0)
                << names[i] << " box " << box.left << "," << box.top;
        }
    }
}

// With the animations on: the tap after pone's count turns the dealer's
// hand up one card after another, each card landing in its place in turn.
TEST(CribbageDeal, TheDealersHandTurnsUpCardByCardInItsCount) {
    InstalledRoot root;
    ASSERT_TRUE(startedOnce(root));
    GameOptions options;
    ScriptedGame g(options, 0, 0, kTick0, 3000);
    g.toFirstDeal();
    g.discard();
    g.playTheDeal();
    g.countNext();
    ASSERT_EQ(g.game().state(), GameState::CountingPone);
    g.setWait(0);
    g.countNext();
    ASSERT_EQ(g.game().state(), GameState::CountingDealer);
    constexpr int kShots = 60, kShotGapMs = 40;
    for (int i = 0; i < kShots; ++i) {
        g.script() += "wait " + std::to_string(kShotGapMs) + "\n" +
                      shot(root.file("turn" + std::to_string(i) + ".png"));
    }
    g.script() += kEnd;
    ExpectedTable expected(root);
    const std::vector<uint32_t> table = expected.draw(g.game(), GameState::CountingDealer);
    RunResult r = runCribbage(root, g.script());
    EXPECT_EQ(r.exitCode, 0);
    const bool red = g.game().dealer() == Side::Red;
    // For each shot, how many of the dealer's cards lie face up in their
    // places, counted from the first.
    std::vector<int> landed;
    for (int i = 0; i < kShots; ++i) {
        testing_support::PngImage png;
        ASSERT_TRUE(png.load(root.file("turn" + std::to_string(i) + ".png"))) << i;
        int up = 0;
        while (up < 4) {
            const ScreenPoint at = handCardPlace(red, up, false);
            const ScreenBox box{at.x, at.y, at.x + gamekit::kCardWidth - 1,
                                at.y + gamekit::kCardHeight - 1};
            if (differingPixels(png, table, box) != 0) break;
            ++up;
        }
        landed.push_back(up);
    }
    EXPECT_EQ(landed.back(), 4);
    for (int count = 0; count <= 4; ++count) {
        EXPECT_NE(std::find(landed.begin(), landed.end(), count), landed.end())
            << "no shot with " << count << " cards turned up";
    }
    EXPECT_TRUE(std::is_sorted(landed.begin(), landed.end()));
}

TEST(CribbageDeal, AJackTurnedUpGivesTheDealerTwoForHisHeels) {
    InstalledRoot root;
    ASSERT_TRUE(startedWithoutAnimation(root));
    constexpr uint32_t kHeelsTick = 5059;
    GameOptions options;
    ScriptedGame g(options, 0, 0, kHeelsTick);
    g.toFirstDeal();
    g.discard();
    ASSERT_TRUE(g.heels());
    EXPECT_EQ(g.game().starter().rank, kJackRank);
    EXPECT_GE(g.game().score(g.game().dealer()), 2);
    g.script() += shot(root.file("heels.png")) + kEnd;
    ExpectedTable expected(root);
    const std::vector<uint32_t> table = expected.draw(g.game(), GameState::Playing);
    RunResult r = runCribbage(root, g.script(), kHeelsTick);
    EXPECT_EQ(r.exitCode, 0);
    testing_support::PngImage png;
    ASSERT_TRUE(png.load(root.file("heels.png")));
    // The starter on the deck, the dealer's label with the 2, the board.
    EXPECT_EQ(differingPixels(png, table, {0, 100, 51, 160}), 0);
    EXPECT_EQ(differingPixels(png, table, {0, 38, 239, 48}), 0);
    EXPECT_EQ(differingPixels(png, table, {0, 290, 239, 300}), 0);
    EXPECT_EQ(differingPixels(png, table, {0, 18, 239, 37}), 0);
}

TEST(CribbageDeal, ATapWhileTheComputerLaysIsNotKeptForTheNextTurn) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    GameOptions options;
    ScriptedGame g(options, 0, 0, kTick0, 3000);
    g.toFirstDeal();
    g.discard();
    // The person leads or answers; the computer then lays with a flight.
    ASSERT_TRUE(g.game().redToPlay());
    ASSERT_TRUE(g.game().canLay(Side::Red));
    const int slot = choosePlay(g.game(), Side::Red, 2);
    int other = slot == 0 ? 1 : 0;
    ScreenPoint card = handCardPlace(true, slot, true);
    g.script() += tap(card.x + 10, card.y + 10, 150) + tap(120, 160, 450);
    // While the card flies and the computer answers: a tap on another card.
    card = handCardPlace(true, other, true);
    g.script() += tap(card.x + 10, card.y + 10, 4000) + shot(root.file("after.png")) + kEnd;
    g.game().apply(Action::lay(Side::Red, slot));
    while (!g.game().redToPlay() && !g.game().playOver()) {
        const int b = g.game().canLay(Side::Blue) ? choosePlay(g.game(), Side::Blue, 1) : -1;
        g.game().apply(b >= 0 ? Action::lay(Side::Blue, b) : Action::go(Side::Blue));
    }
    ExpectedTable expected(root);
    const std::vector<uint32_t> table = expected.draw(g.game(), GameState::Playing);
    RunResult r = runCribbage(root, g.script());
    EXPECT_EQ(r.exitCode, 0);
    testing_support::PngImage png;
    ASSERT_TRUE(png.load(root.file("after.png")));
    // The person's hand as it was: no card picked by the tap made meanwhile.
    EXPECT_EQ(differingPixels(png, table, {0, 229, 239, 260}), 0);
}

TEST(CribbageDeal, ACardThatWouldPass31IsPutDownAgainWhenThePenComesUp) {
    InstalledRoot root;
    ASSERT_TRUE(startedWithoutAnimation(root));
    GameOptions options;
    // The first deal of a start tick in which the person, to play, holds a
    // card that fits and one that does not.
    int tooHigh = -1;
    for (uint32_t tick = kTick0; tick < kTick0 + 40 && tooHigh < 0; ++tick) {
        ScriptedGame g(options, 0, 0, tick);
        g.toFirstDeal();
        g.discard();
        CribbageGame& game = g.game();
        while (game.state() == GameState::Playing && !game.playOver()) {
            if (game.redToPlay() && game.canLay(Side::Red)) {
                for (int slot = 0; slot < 4; ++slot) {
                    if (!game.played(Side::Red, slot) && !game.fits(Side::Red, slot)) tooHigh = slot;
                }
                if (tooHigh >= 0) break;
            }
            g.playOne();
        }
        if (tooHigh < 0) continue;
        const ScreenPoint card = handCardPlace(true, tooHigh, true);
        g.script() += tap(card.x + 10, card.y + 10, 300) + shot(root.file("put-down.png")) + kEnd;
        ExpectedTable expected(root);
        const std::vector<uint32_t> table = expected.draw(game, GameState::Playing);
        RunResult r = runCribbage(root, g.script(), tick);
        EXPECT_EQ(r.exitCode, 0);
        testing_support::PngImage png;
        ASSERT_TRUE(png.load(root.file("put-down.png")));
        EXPECT_EQ(differingPixels(png, table, {0, 229, 239, 260}), 0);
    }
    EXPECT_GE(tooHigh, 0) << "no deal with a card too high in the first 40 ticks";
}
