#include "Screenshot.h"

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "../core/Config.h"
#include "platform/Platform.h"

namespace platform::sdl {

namespace {
bool exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// Window titles may hold anything; a file name keeps letters, digits and a
// few marks.
std::string fileSafe(const std::string& title) {
    std::string out;
    for (char c : title) {
        bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_';
        out += keep ? c : '_';
    }
    return out.empty() ? "screen" : out;
}
}  // namespace

std::string screenshotPath(const std::string& directory, const std::string& title, std::time_t when,
                           int milliseconds) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d-%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  milliseconds % 1000);
    std::string base = directory + "/" + fileSafe(title) + "-" + stamp;
    std::string path = base + ".png";
    for (int n = 2; exists(path); ++n) path = base + "-" + std::to_string(n) + ".png";
    return path;
}

bool saveScreenshot(const std::string& title) {
    std::string directory = rootDirectory() + "/screenshots";
    if (::mkdir(directory.c_str(), 0755) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "screenshot not saved: cannot create %s: %s\n", directory.c_str(),
                     std::strerror(errno));
        return false;
    }
    using namespace std::chrono;
    auto now = system_clock::now();
    int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    std::string path = screenshotPath(directory, title, system_clock::to_time_t(now), ms);
    ScreenImage image;
    decodeScreen(&image);
    if (!writePng(path, image)) return false;
    std::fprintf(stderr, "screenshot saved: %s\n", path.c_str());
    return true;
}

}  // namespace platform::sdl
