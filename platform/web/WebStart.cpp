// Start-up in the browser: the environment the page gave the module
// (DECKHOLLOW_DISPLAY, DECKHOLLOW_TICK0) is read as on the desktop, and the
// page's backend is the only one. There are no signals to watch: a closed
// tab ends the page, and the page saves when it is hidden.

#include <cstdio>
#include <cstdlib>

#include "../core/Config.h"
#include "WebBackend.h"

namespace platform {

void start(const std::wstring& programTitle) {
    Config& c = mutableConfig();
    std::string error;
    if (!readEnvironment([](const char* name) -> const char* { return std::getenv(name); }, &c,
                         &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(2);
    }
    std::optional<DWORD> virtualStart;
    if (std::getenv("DECKHOLLOW_TICK0") != nullptr) virtualStart = static_cast<DWORD>(c.tick0);
    setBackend(createWebBackend(programTitle, virtualStart));
}

}  // namespace platform
