#include "Config.h"

#include "platform/Device.h"

namespace platform {

Config& mutableConfig() {
    static Config c;
    return c;
}

const Config& config() { return mutableConfig(); }

const std::string& rootDirectory() { return deviceRoot(); }

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
