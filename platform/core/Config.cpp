#include "Config.h"

#include <sys/stat.h>

#include <cstdlib>

namespace platform {

Config& mutableConfig() {
    static Config c;
    return c;
}

const Config& config() { return mutableConfig(); }

const std::string& rootDirectory() {
    static const std::string root = [] {
        std::string r;
        if (const char* env = std::getenv("DECKHOLLOW_ROOT"); env && *env) {
            r = env;
        } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
            r = std::string(xdg) + "/deckhollow";
        } else {
            const char* home = std::getenv("HOME");
            r = std::string(home ? home : ".") + "/.local/share/deckhollow";
        }
        // Create each missing component of the path.
        for (size_t i = 1; i <= r.size(); ++i) {
            if (i == r.size() || r[i] == '/') ::mkdir(r.substr(0, i).c_str(), 0755);
        }
        return r;
    }();
    return root;
}

const char* displayKindName(DisplayKind kind) {
    switch (kind) {
        case DisplayKind::Portrait16: return "portrait16";
        case DisplayKind::Pitch512: return "pitch512";
        case DisplayKind::Landscape16: return "landscape16";
        case DisplayKind::Palette8: return "palette8";
        case DisplayKind::Gray4: return "gray4";
        case DisplayKind::Fixed: return "fixed";
    }
    return "?";
}

bool parseDisplayKind(const std::string& name, DisplayKind* kind) {
    for (DisplayKind k : {DisplayKind::Portrait16, DisplayKind::Pitch512, DisplayKind::Landscape16,
                          DisplayKind::Palette8, DisplayKind::Gray4, DisplayKind::Fixed}) {
        if (name == displayKindName(k)) {
            *kind = k;
            return true;
        }
    }
    return false;
}

}  // namespace platform
