#include "platform/Backend.h"
#include "platform/Windows.h"

DWORD GetTickCount() { return platform::backend().tickCount(); }

void Sleep(DWORD milliseconds) { platform::backend().sleep(milliseconds); }

void GetSystemTime(SYSTEMTIME* time) {
    if (time != nullptr) platform::backend().systemTime(time);
}
