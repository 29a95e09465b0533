#include "Config.h"

#include <cerrno>
#include <cstdlib>

#include "platform/Device.h"

namespace platform {

namespace {

std::string text(const char* (*lookup)(const char*), const char* name) {
    const char* v = lookup(name);
    return v ? v : "";
}

bool parseUnsigned(const std::string& text, unsigned long max, unsigned long* value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    errno = 0;
    unsigned long v = std::strtoul(text.c_str(), nullptr, 10);
    if (errno != 0 || v > max) return false;
    *value = v;
    return true;
}

}  // namespace

bool readEnvironment(const char* (*lookup)(const char* name), Config* config, std::string* error) {
    Config& c = *config;
    std::string backendName = text(lookup, "DECKHOLLOW_BACKEND");
    if (!backendName.empty()) c.backend = backendName;
    if (c.backend != "sdl" && c.backend != "headless") {
        *error = "DECKHOLLOW_BACKEND=" + c.backend + " is not known; valid values: sdl, headless";
        return false;
    }
    std::string display = text(lookup, "DECKHOLLOW_DISPLAY");
    if (!display.empty() && !parseDisplayKind(display, &c.display)) {
        *error = "DECKHOLLOW_DISPLAY=" + display +
                 " is not known; valid values: portrait16, pitch512, landscape16, palette8, "
                 "gray4, fixed";
        return false;
    }
    std::string scale = text(lookup, "DECKHOLLOW_SCALE");
    unsigned long value = 0;
    if (!scale.empty()) {
        if (!parseUnsigned(scale, 16, &value) || value < 1) {
            *error = "DECKHOLLOW_SCALE=" + scale + " is not valid; give a whole number from 1 to 16";
            return false;
        }
        c.scale = static_cast<int>(value);
    }
    std::string tick0 = text(lookup, "DECKHOLLOW_TICK0");
    if (!tick0.empty()) {
        if (!parseUnsigned(tick0, 0xFFFFFFFFul, &value)) {
            *error = "DECKHOLLOW_TICK0=" + tick0 +
                     " is not valid; give a whole number from 0 to 4294967295";
            return false;
        }
        c.tick0 = value;
    }
    c.script = text(lookup, "DECKHOLLOW_SCRIPT");
    c.logPath = text(lookup, "DECKHOLLOW_LOG");
    return true;
}

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
