#include "gamekit/settings/SettingsRecord.h"

#include <cstring>

#include "gamekit/containers/FatalError.h"

namespace gamekit {

SettingsRecord* settingsRecord = nullptr;

void fillDefaults(const SettingsTable& table, SettingsRecord& record) {
    if (table.words() > kSettingsRecordWords) fatalError("SettingsRecord: table too large!");
    std::memset(&record, 0, sizeof record);
    int offset = 0;
    for (int i = 0; i < table.count; ++i) {
        for (int k = 0; k < table.rows[i].words(); ++k) {
            record.words[offset + k] = table.rows[i].defaultValue;
        }
        offset += table.rows[i].words();
    }
}

bool applyRules(const SettingsTable& table, SettingsRecord& record) {
    bool changed = false;
    int offset = 0;
    for (int i = 0; i < table.count; ++i) {
        for (int k = 0; k < table.rows[i].words(); ++k) {
            int32_t taken = table.rows[i].take(record.words[offset + k]);
            changed = changed || taken != record.words[offset + k];
            record.words[offset + k] = taken;
        }
        offset += table.rows[i].words();
    }
    return changed;
}

int32_t& settingValue(const SettingsTable& table, SettingsRecord& record, const wchar_t* name) {
    return record.words[table.offsetOf(name)];
}

int32_t* settingList(const SettingsTable& table, SettingsRecord& record, const wchar_t* name) {
    return &record.words[table.offsetOf(name)];
}

}  // namespace gamekit
