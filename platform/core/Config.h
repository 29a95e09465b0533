#pragma once

// Internal to platform/core: the values read from the environment at start.

#include <string>

#include "platform/Platform.h"

namespace platform {

struct Config {
    std::string backend = "sdl";
    DisplayKind display = DisplayKind::Portrait16;
    std::string script;   // headless input script, empty for none
    std::string logPath;  // headless event log, empty for stderr
    unsigned long tick0 = 0;
    int scale = 2;
};

const Config& config();
Config& mutableConfig();

// Reads DECKHOLLOW_BACKEND, _DISPLAY, _SCALE, _TICK0, _SCRIPT and _LOG through
// `lookup` (null for an unset variable) into `config`. False, with the
// message naming the variable and its valid values, for a refused value.
bool readEnvironment(const char* (*lookup)(const char* name), Config* config, std::string* error);

// The device's file-system root on the host (platform::deviceRoot()).
const std::string& rootDirectory();

}  // namespace platform
