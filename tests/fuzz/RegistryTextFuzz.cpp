// Feeds arbitrary bytes to the registry file parser. Whatever it accepts must
// write out as a file that reads back to the same registry and writes out
// again unchanged: kept lines stay kept, nothing is lost or grows with each
// write. A file that is not a registry reads as nothing.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/RegistryText.h"

using namespace platform::registry;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Hive hive;
    int skipped = -1;
    if (parseRegistryText(bytes, hive, &skipped) != ParseResult::Ok) {
        if (!hive.keys().empty()) abort();
        return 0;
    }
    std::string text = formatRegistryText(hive);
    // Linear: each input line once, a section at most once per ancestor.
    if (text.size() > (kMaxKeyDepth + 2) * size + 64) abort();
    Hive again;
    int skippedAgain = -1;
    if (parseRegistryText(text, again, &skippedAgain) != ParseResult::Ok) abort();
    if (skippedAgain != skipped) abort();
    if (formatRegistryText(again) != text) abort();
    return 0;
}
