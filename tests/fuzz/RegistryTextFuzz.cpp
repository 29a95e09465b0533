// Feeds arbitrary bytes to the registry file parser. Whatever it accepts must
// write out as a file that parses cleanly (no skipped line) and writes out
// again unchanged: a registry a program writes can always be read back.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/RegistryText.h"

using namespace platform::registry;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Hive hive;
    if (parseRegistryText(bytes, hive) != ParseResult::Ok) {
        if (!hive.keys().empty()) abort();
        return 0;
    }
    std::string text = formatRegistryText(hive);
    Hive again;
    int skipped = -1;
    if (parseRegistryText(text, again, &skipped) != ParseResult::Ok || skipped != 0) abort();
    if (formatRegistryText(again) != text) abort();
    return 0;
}
