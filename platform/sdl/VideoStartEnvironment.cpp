#include "VideoStartEnvironment.h"

#include <sys/stat.h>

#include <cstdlib>

namespace platform::sdl {
namespace {

// Where the D-Bus library looks for the session bus when the environment
// names none.
bool runtimeDirectoryHasABus() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') return false;
    struct stat info {};
    return stat((std::string(runtime) + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

}  // namespace

VideoStartEnvironment::VideoStartEnvironment() {
    // SDL opens Xlib's input method for typed text, and Xlib's own method
    // parses the locale's table of compose sequences, some 6,000 lines, on
    // every start: half the processor time of opening the display. Arrow
    // keys and clicks need neither the table nor an input method server.
    set("XCOMPOSEFILE", "/dev/null");
    set("XMODIFIERS", "@im=none");
    // SDL connects to the session bus as it starts. Where there is none (a
    // virtual X server, a bare X session) the D-Bus library would run
    // dbus-launch to start one for this display, a daemon that outlives the
    // game; SDL would only use it to keep the screen saver off and for
    // input methods, neither of which a windowed card game wants. An
    // address of no known kind makes that connection fail at once.
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr && !runtimeDirectoryHasABus()) {
        set("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
}

VideoStartEnvironment::~VideoStartEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->value) {
            setenv(it->name.c_str(), it->value->c_str(), 1);
        } else {
            unsetenv(it->name.c_str());
        }
    }
}

void VideoStartEnvironment::set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    setenv(name, value, 1);
}

}  // namespace platform::sdl
