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

bool parseUnsigned(const std::string& text, unsigned long max, unsigned long* value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    unsigned long v = std::strtoul(text.c_str(), nullptr, 10);
    if (errno != 0 || v > max) return false;
    *value = v;
    return true;
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
    std::string backendName = env("DECKHOLLOW_BACKEND");
    if (!backendName.empty()) c.backend = backendName;
    if (c.backend != "sdl" && c.backend != "headless") {
        refuse("DECKHOLLOW_BACKEND=" + c.backend + " is not known; valid values: sdl, headless");
    }
    std::string display = env("DECKHOLLOW_DISPLAY");
    if (!display.empty() && !parseDisplayKind(display, &c.display)) {
        refuse("DECKHOLLOW_DISPLAY=" + display +
               " is not known; valid values: portrait16, pitch512, landscape16, palette8, gray4, fixed");
    }
    std::string scale = env("DECKHOLLOW_SCALE");
    unsigned long value = 0;
    if (!scale.empty()) {
        if (!parseUnsigned(scale, 16, &value) || value < 1) {
            refuse("DECKHOLLOW_SCALE=" + scale + " is not valid; give a whole number from 1 to 16");
        }
        c.scale = static_cast<int>(value);
    }
    std::string tick0 = env("DECKHOLLOW_TICK0");
    if (!tick0.empty()) {
        if (!parseUnsigned(tick0, 0xFFFFFFFFul, &value)) {
            refuse("DECKHOLLOW_TICK0=" + tick0 + " is not valid; give a whole number from 0 to 4294967295");
        }
        c.tick0 = value;
    }
    c.script = env("DECKHOLLOW_SCRIPT");
    c.logPath = env("DECKHOLLOW_LOG");

    std::string error;
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
