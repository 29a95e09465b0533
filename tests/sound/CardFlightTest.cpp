#include <cmath>

#include <gtest/gtest.h>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/sound/CardFlight.h"

using namespace gamekit;

TEST(CardFlight, StepsFollowTheSpeedTable) {
    const int expected[] = {28, 24, 20, 16, 14, 12, 10, 8, 6, 4};
    for (int speed = 0; speed <= 9; ++speed) EXPECT_EQ(animationSteps(speed), expected[speed]);
    EXPECT_EQ(animationSteps(-1), 0);
    EXPECT_EQ(animationSteps(10), 10);
    EXPECT_EQ(animationSteps(-2), 10);
}

TEST(CardFlight, EverySpeedLandsExactlyOnTheTarget) {
    FlightPosition p[64];
    for (int speed = 0; speed <= 9; ++speed) {
        const int steps = animationSteps(speed);
        for (int toX : {0, 7, 103, 209}) {
            for (int toY : {0, 19, 187, 274}) {
                const int n = cardFlightPositions(13, 81, toX, toY, steps, p);
                ASSERT_EQ(n, steps + 1);
                EXPECT_EQ(p[0].x, 13);
                EXPECT_EQ(p[0].y, 81);
                EXPECT_EQ(p[n - 1].x, toX) << "speed " << speed;
                EXPECT_EQ(p[n - 1].y, toY) << "speed " << speed;
            }
        }
    }
}

TEST(CardFlight, FourStepsAreQuartersTruncated) {
    FlightPosition p[5];
    ASSERT_EQ(cardFlightPositions(0, 0, 10, -10, 4, p), 5);
    const int xs[] = {0, 2, 5, 7, 10};     // 2.5 and 7.5 truncated
    const int ys[] = {0, -2, -5, -7, -10};  // towards zero
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p[i].x, xs[i]);
        EXPECT_EQ(p[i].y, ys[i]);
    }
}

TEST(CardFlight, ZeroStepsPutTheCardAtItsEndAtOnce) {
    Surface screen(240, 320);
    screen.fill(0x0010);
    PlayingCard card(kKing, kHearts, true);
    auto themes = makeStandardThemes();
    animateCardMove(screen, &card, themes[5], 10, 10, 100, 150, 0);
    EXPECT_EQ(screen.pixel(110, 170), 0xE71C);  // the face's fill at the end point
    EXPECT_EQ(screen.pixel(20, 30), 0x0010);    // nothing at the start
    animateCardMove(screen, nullptr, themes[5], 10, 10, 100, 150, 4);  // no card: nothing
    destroyThemes(themes);
}

TEST(CardFlight, AMoveLeavesTheCardAtTheEndAndRestoresTheWay) {
    Surface screen(240, 320);
    screen.fill(0x0010);
    PlayingCard card(kAce, kSpades, true);
    auto themes = makeStandardThemes();
    animateCardMovePaused(screen, &card, themes[5], 13, 81, 165, 183, 5, 0);
    EXPECT_EQ(screen.pixel(165 + 15, 183 + 30), 0xE71C);
    EXPECT_EQ(screen.pixel(13 + 15, 81 + 30), 0x0010);
    EXPECT_EQ(screen.pixel(89 + 15, 132 + 30), 0x0010);  // a middle position, restored
    destroyThemes(themes);
}
