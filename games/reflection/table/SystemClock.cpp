#include "games/reflection/table/SystemClock.h"

#include "platform/Windows.h"

namespace reflection {

ClockTime systemNow() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    ClockTime t;
    t.year = now.wYear;
    t.month = now.wMonth;
    t.day = now.wDay;
    t.hour = now.wHour;
    t.minute = now.wMinute;
    t.second = now.wSecond;
    return t;
}

}  // namespace reflection
