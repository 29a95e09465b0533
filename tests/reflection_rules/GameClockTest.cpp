#include <gtest/gtest.h>

#include "games/reflection/rules/GameClock.h"

using namespace reflection;

namespace {
ClockTime at(int year, int month, int day, int hour, int minute, int second) {
    return ClockTime{year, month, day, hour, minute, second};
}
}  // namespace

TEST(ElapsedSeconds, WithinOneDay) {
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 1, 10, 0, 0), at(2024, 5, 1, 10, 0, 0)), 0);
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 1, 10, 58, 30), at(2024, 5, 1, 11, 2, 15)), 225);
}

TEST(ElapsedSeconds, AcrossMidnightCountsThroughMidnight) {
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 1, 23, 59, 50), at(2024, 5, 2, 0, 0, 5)), 15);
    EXPECT_EQ(elapsedSeconds(at(2023, 12, 31, 23, 58, 0), at(2024, 1, 1, 0, 1, 0)), 180);
    EXPECT_EQ(elapsedSeconds(at(2024, 2, 28, 23, 59, 0), at(2024, 2, 29, 0, 0, 1)), 61);
    EXPECT_EQ(elapsedSeconds(at(2024, 2, 29, 23, 59, 59), at(2024, 3, 1, 0, 0, 0)), 1);
    EXPECT_EQ(elapsedSeconds(at(2023, 2, 28, 23, 59, 59), at(2023, 3, 1, 0, 0, 0)), 1);
    EXPECT_EQ(elapsedSeconds(at(2024, 4, 30, 23, 50, 0), at(2024, 5, 1, 0, 10, 0)), 999);
}

TEST(ElapsedSeconds, AGameLeftOverADayDoesNotLoseWholeDays) {
    // Same clock time a day later: a day has passed, not zero seconds.
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 1, 10, 0, 0), at(2024, 5, 2, 10, 0, 5)), 999);
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 31, 10, 0, 0), at(2024, 6, 1, 9, 59, 59)), 999);
}

TEST(ElapsedSeconds, CappedAndNeverNegative) {
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 1, 10, 0, 0), at(2024, 5, 1, 10, 16, 39)), 999);
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 1, 10, 0, 0), at(2024, 5, 1, 10, 16, 38)), 998);
    EXPECT_EQ(elapsedSeconds(at(2024, 5, 1, 10, 0, 10), at(2024, 5, 1, 10, 0, 0)), 0);
    EXPECT_EQ(elapsedSeconds(at(2025, 1, 1, 0, 0, 0), at(2024, 12, 31, 23, 59, 59)), 0);
}

TEST(ElapsedSeconds, DamagedRecordsStillGiveANumber) {
    EXPECT_EQ(secondsSinceEpoch(at(1970, 1, 1, 0, 0, 0)), 0);
    EXPECT_EQ(secondsSinceEpoch(at(2000, 3, 1, 0, 0, 0)), 951868800);
    // Month 13 is January of the next year.
    EXPECT_EQ(secondsSinceEpoch(at(2023, 13, 1, 0, 0, 0)),
              secondsSinceEpoch(at(2024, 1, 1, 0, 0, 0)));
    const int s =
        elapsedSeconds(at(-2147483647, -5, 0, 99, 99, 99), at(2147483647, 99, 99, 99, 99, 99));
    EXPECT_EQ(s, 999);
}
