#pragma once

#include <cstdint>

namespace reflection {

// A calendar date and time of day (UTC), as the system clock reports it; the
// table fills it from the platform's system time.
struct ClockTime {
    int year = 0;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

constexpr int kMaxGameSeconds = 999;

// Seconds since 1970-01-01 00:00:00 of the proleptic Gregorian calendar. Any
// field values are accepted (a 13th month rolls into the next year), so a
// damaged record never crashes.
int64_t secondsSinceEpoch(const ClockTime& time);

// The playing time of a game: the real difference of the two dates and times,
// so a game left over a day or played across midnight counts every second;
// never negative (a clock set back gives 0) and capped at 999.
int elapsedSeconds(const ClockTime& start, const ClockTime& end);

}  // namespace reflection
