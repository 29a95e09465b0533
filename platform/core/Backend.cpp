#include "platform/Backend.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

namespace platform {
namespace {

// Used until start() installs a backend, and by programs without a screen
// (tools, tests): the real clock, messages on stderr.
class PlainBackend : public Backend {
public:
    DWORD tickCount() override {
        using namespace std::chrono;
        return static_cast<DWORD>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    void sleep(DWORD milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    void pumpEvents(DWORD waitMs) override {
        if (waitMs > 0) sleep(waitMs);
    }
    bool playWave(const std::string&) override { return true; }
    void messageBox(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s %s\n", caption.c_str(), text.c_str());
    }
};

std::unique_ptr<Backend>& current() {
    static std::unique_ptr<Backend> b = std::make_unique<PlainBackend>();
    return b;
}

}  // namespace

void toSystemTime(std::time_t seconds, unsigned milliseconds, SYSTEMTIME* time) {
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    time->wYear = static_cast<WORD>(utc.tm_year + 1900);
    time->wMonth = static_cast<WORD>(utc.tm_mon + 1);
    time->wDayOfWeek = static_cast<WORD>(utc.tm_wday);
    time->wDay = static_cast<WORD>(utc.tm_mday);
    time->wHour = static_cast<WORD>(utc.tm_hour);
    time->wMinute = static_cast<WORD>(utc.tm_min);
    time->wSecond = static_cast<WORD>(utc.tm_sec);
    time->wMilliseconds = static_cast<WORD>(milliseconds % 1000);
}

void Backend::systemTime(SYSTEMTIME* time) {
    using namespace std::chrono;
    auto now = system_clock::now();
    toSystemTime(system_clock::to_time_t(now),
                 static_cast<unsigned>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000),
                 time);
}

Backend& backend() { return *current(); }

void setBackend(std::unique_ptr<Backend> backend) { current() = std::move(backend); }

}  // namespace platform
