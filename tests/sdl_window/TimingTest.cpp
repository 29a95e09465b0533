#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "StartTiming.h"

namespace platform::sdl {
namespace {

double systemUptimeMs() {
    std::ifstream in("/proc/uptime");
    double seconds = -1;
    in >> seconds;
    return seconds * 1000.0;
}

TEST(TickCount, CountsFromTheMachinesStartNotTheProgramsStart) {
    double age = processAgeMs();
    ASSERT_GE(age, 0.0);
    // The machine started before this process: a count from the program's
    // own start (or SDL's) would be smaller than the process's age.
    EXPECT_GE(static_cast<double>(uptimeMs()) + 20.0, age);
    // And it never runs ahead of the kernel's uptime, which also counts
    // time spent suspended.
    EXPECT_LE(static_cast<double>(uptimeMs()), systemUptimeMs() + 100.0);
}

TEST(TickCount, FollowsRealTime) {
    uint32_t before = uptimeMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    uint32_t elapsed = uptimeMs() - before;
    EXPECT_GE(elapsed, 50u);
    EXPECT_LT(elapsed, 5000u);
}

TEST(ProcessAge, GrowsWithTheProcess) {
    double first = processAgeMs();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    double second = processAgeMs();
    // The kernel records the start in clock ticks (10 ms here).
    EXPECT_GE(second - first, 10.0);
    EXPECT_LT(first, 600000.0);
}

}  // namespace
}  // namespace platform::sdl
