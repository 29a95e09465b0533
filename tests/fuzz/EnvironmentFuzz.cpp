// The environment the programs start from, as arbitrary values: each
// variable is refused with a message naming it, or taken within its bounds.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/core/Config.h"

namespace {

const char* const kNames[] = {"DECKHOLLOW_BACKEND", "DECKHOLLOW_DISPLAY", "DECKHOLLOW_SCALE",
                              "DECKHOLLOW_TICK0",   "DECKHOLLOW_SCRIPT",  "DECKHOLLOW_LOG"};
std::map<std::string, std::string> values;

const char* lookup(const char* name) {
    auto found = values.find(name);
    return found == values.end() ? nullptr : found->second.c_str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes split at 0xFF into the variables' values in turn; a value
    // of one 0xFE byte leaves its variable unset.
    values.clear();
    std::string field;
    size_t next = 0;
    for (size_t i = 0; i <= size && next < 6; ++i) {
        if (i == size || data[i] == 0xFF) {
            if (field != "\xFE") values[kNames[next]] = field.substr(0, field.find('\0'));
            field.clear();
            ++next;
        } else {
            field.push_back(static_cast<char>(data[i]));
        }
    }
    platform::Config config;
    std::string error;
    if (!platform::readEnvironment(&lookup, &config, &error)) {
        if (error.rfind("DECKHOLLOW_", 0) != 0 || error.find("valid") == std::string::npos) abort();
        return 0;
    }
    if (config.backend != "sdl" && config.backend != "headless") abort();
    if (config.scale < 1 || config.scale > 16) abort();
    if (config.tick0 > 0xFFFFFFFFul) abort();
    if (std::string(platform::displayKindName(config.display)) == "?") abort();
    return 0;
}
