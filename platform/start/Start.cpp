// Start-up from the environment: picks the backend and the display kind.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../core/Config.h"
#include "platform/Backends.h"

namespace platform {
namespace {

[[noreturn]] void refuse(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    std::exit(2);
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

#ifndef DECKHOLLOW_HAVE_SDL
std::unique_ptr<Backend> createSdlBackend(const std::wstring&, int, std::string* error) {
    *error = "this build has no desktop window; run with DECKHOLLOW_BACKEND=headless";
    return nullptr;
}
#endif

void start(const std::wstring& programTitle) {
    watchTerminationSignals();
    Config& c = mutableConfig();
    std::string error;
    if (!readEnvironment([](const char* name) -> const char* { return std::getenv(name); }, &c,
                         &error)) {
        refuse(error);
    }
    std::unique_ptr<Backend> chosen;
    if (c.backend == "headless") {
        chosen = createHeadlessBackend(c.script, c.logPath, static_cast<DWORD>(c.tick0), &error);
    } else {
        if (env("DISPLAY").empty() && env("WAYLAND_DISPLAY").empty()) {
            refuse("No desktop display (neither DISPLAY nor WAYLAND_DISPLAY is set). To run without "
                   "a window: DECKHOLLOW_BACKEND=headless DECKHOLLOW_SCRIPT=script.txt");
        }
        chosen = createSdlBackend(programTitle, c.scale, &error);
    }
    if (!chosen) refuse(error);
    setBackend(std::move(chosen));
}

}  // namespace platform
