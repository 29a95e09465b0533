#include <gtest/gtest.h>

#include "games/reflection/rules/GameClock.h"

using namespace reflection;

namespace {
ClockTime at(int year, int month, int day, int hour, int minute, int second) {
    return ClockTime{year, month, day, hour, minute, second};
}
}  // namespace

TEST(ElapsedSeconds, FromStartToEndCappedAt999) {
    const struct {
        const char* name;
        ClockTime start, end;
        int seconds;
    } cases[] = {
        {"no time", {2024, 5, 1, 10, 0, 0}, {2024, 5, 1, 10, 0, 0}, 0},
        {"within one day", {2024, 5, 1, 10, 58, 30}, {2024, 5, 1, 11, 2, 15}, 225},
        // Across midnight the count runs through midnight.
        {"across midnight", {2024, 5, 1, 23, 59, 50}, {2024, 5, 2, 0, 0, 5}, 15},
        {"across the new year", {2023, 12, 31, 23, 58, 0}, {2024, 1, 1, 0, 1, 0}, 180},
        {"into a leap day", {2024, 2, 28, 23, 59, 0}, {2024, 2, 29, 0, 0, 1}, 61},
        {"out of a leap day", {2024, 2, 29, 23, 59, 59}, {2024, 3, 1, 0, 0, 0}, 1},
        {"out of February", {2023, 2, 28, 23, 59, 59}, {2023, 3, 1, 0, 0, 0}, 1},
        {"across a month, capped", {2024, 4, 30, 23, 50, 0}, {2024, 5, 1, 0, 10, 0}, 999},
        // A game left over a day loses no whole days: a day has passed at
        // the same clock time, not zero seconds.
        {"a day and 5 s later", {2024, 5, 1, 10, 0, 0}, {2024, 5, 2, 10, 0, 5}, 999},
        {"a second short of a day", {2024, 5, 31, 10, 0, 0}, {2024, 6, 1, 9, 59, 59}, 999},
        {"the cap", {2024, 5, 1, 10, 0, 0}, {2024, 5, 1, 10, 16, 39}, 999},
        {"a second under the cap", {2024, 5, 1, 10, 0, 0}, {2024, 5, 1, 10, 16, 38}, 998},
        {"the end before the start", {2024, 5, 1, 10, 0, 10}, {2024, 5, 1, 10, 0, 0}, 0},
        {"a year before the start", {2025, 1, 1, 0, 0, 0}, {2024, 12, 31, 23, 59, 59}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(elapsedSeconds(c.start, c.end), c.seconds) << c.name;
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
