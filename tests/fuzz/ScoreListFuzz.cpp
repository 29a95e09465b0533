// The score and time lists' registry strings. From arbitrary text the reader
// either refuses or returns ten numbers that the writer writes back as a
// string the reader takes again, to the same numbers; ten arbitrary numbers
// always write as a string the reader takes, within the length it reads.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gamekit/settings/SettingsStore.h"

using gamekit::formatSettingsList;
using gamekit::parseSettingsList;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr int kLength = gamekit::SettingRow::kListLength;
    std::wstring text;
    for (size_t i = 0; i < size && i < 400; ++i) {
        // Mostly the characters lists are made of, and now and then others.
        uint8_t b = data[i];
        text.push_back(b < 200 ? L" -0123456789"[b % 12] : static_cast<wchar_t>(b));
    }
    int32_t values[kLength];
    if (parseSettingsList(text.c_str(), values)) {
        std::wstring again = formatSettingsList(values);
        int32_t back[kLength];
        if (!parseSettingsList(again.c_str(), back)) abort();
        if (std::memcmp(values, back, sizeof values) != 0) abort();
    }
    if (size >= sizeof values) {
        std::memcpy(values, data, sizeof values);
        std::wstring written = formatSettingsList(values);
        if (written.size() > static_cast<size_t>(kLength) * 12) abort();
        int32_t back[kLength];
        if (!parseSettingsList(written.c_str(), back)) abort();
        if (std::memcmp(values, back, sizeof values) != 0) abort();
    }
    return 0;
}
