#include "games/reflection/rules/GameClock.h"

namespace reflection {

namespace {

int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// Days from 1970-01-01 to the given civil date (month 1..12).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = floorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t mp = (m + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

}  // namespace

int64_t secondsSinceEpoch(const ClockTime& time) {
    // Months outside 1..12 carry into the year, so every record has a value.
    int64_t month0 = static_cast<int64_t>(time.month) - 1;
    int64_t year = static_cast<int64_t>(time.year) + floorDiv(month0, 12);
    month0 -= floorDiv(month0, 12) * 12;
    const int64_t days = daysFromCivil(year, month0 + 1, 1) + (static_cast<int64_t>(time.day) - 1);
    return ((days * 24 + time.hour) * 60 + time.minute) * 60 + time.second;
}

int elapsedSeconds(const ClockTime& start, const ClockTime& end) {
    const int64_t difference = secondsSinceEpoch(end) - secondsSinceEpoch(start);
    if (difference < 0) return 0;
    if (difference > kMaxGameSeconds) return kMaxGameSeconds;
    return static_cast<int>(difference);
}

}  // namespace reflection
