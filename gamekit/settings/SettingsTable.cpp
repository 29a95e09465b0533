#include "gamekit/settings/SettingsTable.h"

#include <cwchar>

#include "gamekit/containers/FatalError.h"
#include "gamekit/settings/SettingsBinding.h"

namespace gamekit {

int32_t SettingRow::take(int32_t stored) const {
    switch (rule) {
        case SettingRule::Any:
            return stored;
        case SettingRule::Flag:
            return stored == 1 ? 1 : 0;
        case SettingRule::NonZeroFlag:
            return stored != 0 ? 1 : 0;
        case SettingRule::Range:
            return stored >= low && stored <= high ? stored : fallback;
        case SettingRule::Either:
            return stored == low || stored == high ? stored : fallback;
        case SettingRule::Clamp:
            return stored < low ? low : stored > high ? high : stored;
    }
    return stored;
}

int SettingsTable::words() const {
    int total = 0;
    for (int i = 0; i < count; ++i) total += rows[i].words();
    return total;
}

const SettingRow& settingRow(const SettingsTable& table, const wchar_t* name) {
    for (int i = 0; i < table.count; ++i) {
        if (std::wcscmp(table.rows[i].name, name) == 0) return table.rows[i];
    }
    fatalError("SettingsTable: no such value!");
}

int SettingsTable::offsetOf(const wchar_t* name) const {
    int offset = 0;
    for (int i = 0; i < count; ++i) {
        if (std::wcscmp(rows[i].name, name) == 0) return offset;
        offset += rows[i].words();
    }
    fatalError("SettingsTable: no such value!");
}

}  // namespace gamekit
