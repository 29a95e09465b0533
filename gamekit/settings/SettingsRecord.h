#pragma once

// The program's settings in memory: MinorVersion, MajorVersion, then the
// program's values in the order of its table, each a signed 32-bit word, a
// list ten words.

#include <cstdint>

#include "gamekit/settings/SettingsTable.h"

namespace gamekit {

// Room for the largest table (9 values and 4 lists take 49 words).
constexpr int kSettingsRecordWords = 64;

struct SettingsRecord {
    int32_t words[kSettingsRecordWords];
};

// The record of the running program, allocated once at start and never
// freed; null before allocateSettingsRecord.
extern SettingsRecord* settingsRecord;

// Every word of the record gets the table's default (words past the table 0).
void fillDefaults(const SettingsTable& table, SettingsRecord& record);

// Applies each value's rule to what the record holds, the way a controller
// takes the values over; returns whether anything changed.
bool applyRules(const SettingsTable& table, SettingsRecord& record);

// The word(s) of a named value; fatalError for a name not in the table.
int32_t& settingValue(const SettingsTable& table, SettingsRecord& record, const wchar_t* name);
int32_t* settingList(const SettingsTable& table, SettingsRecord& record, const wchar_t* name);

}  // namespace gamekit
