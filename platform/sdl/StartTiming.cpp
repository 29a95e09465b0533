#include "StartTiming.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace platform::sdl {

StartTiming::StartTiming() {
    const char* flag = std::getenv("DECKHOLLOW_DEBUG_TIMING");
    enabled_ = flag != nullptr && std::strcmp(flag, "1") == 0;
}

void StartTiming::step(const char* what) {
    if (enabled_) {
        std::fprintf(stderr, "%s %.0f ms after the process started (%.1f ms of CPU)\n", what,
                     processAgeMs(), processCpuMs());
    }
}

void StartTiming::framePresented() {
    if (reported_) return;
    reported_ = true;
    step("first frame presented");
}

uint32_t uptimeMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

double processCpuMs() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1000.0 + used.tv_nsec / 1e6;
}

double processAgeMs() {
    std::ifstream in("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The command name in brackets may hold blanks; fields are counted after
    // its closing bracket. The start time is field 22, the 20th after it.
    size_t close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) {
            double startTicks = std::strtod(field.c_str(), nullptr);
            timespec now{};
            clock_gettime(CLOCK_BOOTTIME, &now);
            double nowMs = static_cast<double>(now.tv_sec) * 1000.0 + now.tv_nsec / 1e6;
            return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
        }
    }
    return -1;
}

}  // namespace platform::sdl
