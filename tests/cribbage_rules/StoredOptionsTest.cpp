#include <gtest/gtest.h>

#include "games/cribbage/rules/StoredOptions.h"

using namespace cribbage;

namespace {

// The theme index is 0 to 8 as stored by every program: the first theme
// (0) must survive a restart, anything out of range reads as 5.
TEST(StoredOptions, CardBackIsTheThemeIndex) {
    EXPECT_EQ(readCardBack(0), 0);
    EXPECT_EQ(readCardBack(8), 8);
    EXPECT_EQ(readCardBack(9), 5);
    EXPECT_EQ(readCardBack(-1), 5);
}

TEST(StoredOptions, EachValueHasItsRule) {
    StoredOptions stored;
    stored.computerAI = 7;
    stored.hintType = -1;
    stored.redWins = 6;
    stored.blueWins = 3;
    stored.animationSpeed = 10;
    stored.soundsOn = 2;
    stored.tournament = 1;
    const StoredOptions o = repairStoredOptions(stored);
    EXPECT_EQ(o.computerAI, 1);
    EXPECT_EQ(o.hintType, 0);
    EXPECT_EQ(o.redWins, 0);
    EXPECT_EQ(o.blueWins, 3);
    EXPECT_EQ(o.animationSpeed, 5);
    EXPECT_EQ(readAnimationSpeed(-1), -1);
    EXPECT_EQ(o.soundsOn, 0);
    EXPECT_EQ(o.tournament, 1);
}

}  // namespace
