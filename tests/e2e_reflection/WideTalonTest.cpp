// Store talons of 17 to 20 cards are wider than the 60 px between talons:
// the real program, played to such a table, shows each talon's top card
// whole and picks it by a tap on its part beyond the talon's column.

#include <gtest/gtest.h>

#include "ReflectionRun.h"

using namespace reflection_e2e;
using reflection::Move;
using testing_support::PngImage;

TEST(ReflectionWideTalons, ATapOnTheTopCardsRightPartPicksItsOwnTalon) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    deal.nextGame();
    reflection::ReflectionGame& game = deal.game();
    // Every card parked: kings on the kings talon, the others 20 on talon 0,
    // 18 on talon 1, the rest on talon 2.
    std::string script = kStartAndDeal;
    while (game.canDealCard()) {
        script += deal.play(Move::dealCard());
        const int filled[2] = {game.storeTalon(0).iSize, game.storeTalon(1).iSize};
        const int talon = filled[0] < 20 ? 0 : filled[1] < 18 ? 1 : 2;
        script += deal.play(game.canDealtToKings() ? Move::dealtToKings()
                                                   : Move::dealtToTalon(talon));
    }
    ASSERT_EQ(game.storeTalon(0).iSize, 20);
    ASSERT_EQ(game.storeTalon(1).iSize, 18);
    // Talon 0's top card stands at (46, 273) to (75, 317); x 70 lies in
    // talon 1's column.
    const std::string pickShot = root.file("picked.png");
    script += tap(70, 290) + "wait 100\n" + shot(pickShot);
    RunResult r = runReflection(root, script + kEnd);
    EXPECT_EQ(r.exitCode, 0);

    PngImage picked;
    ASSERT_TRUE(picked.load(pickShot));
    const uint32_t rim = screenColour(0xF800);
    // The red rim runs round talon 0's top card, its right side over talon
    // 1's cards (x 76 and 77), and not round talon 1's top card at (84, 273).
    EXPECT_EQ(picked.at(44, 300), rim);
    EXPECT_EQ(picked.at(77, 300), rim);
    EXPECT_NE(picked.at(82, 300), rim);
    EXPECT_NE(picked.at(115, 300), rim);
    // The top card's face is whole up to its right border.
    EXPECT_EQ(picked.at(74, 300), screenColour(0xE71C));
}
