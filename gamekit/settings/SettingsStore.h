#pragma once

// Reading and writing a program's settings under its registry key. The open
// program key is kept between the steps, as the load sequence expects.

#include <cstdint>
#include <string>

#include "gamekit/settings/SettingsRecord.h"

namespace gamekit {

// Opens the program key (reader's spelling) and keeps the handle; true when
// it opened.
bool settingsKeyExists(const SettingsTable& table);

// True while the registry file could not be read at all (a read error, not
// damage): nothing is known, so nothing may be taken as missing.
bool registryUnreadable();

// Queries every value of the table into `record`. Fails, leaving `record`
// untouched, when any value is missing, of the wrong type or size, or is a
// list that does not hold exactly ten decimal numbers of 32 bits.
bool readAllSettings(const SettingsTable& table, SettingsRecord& record);

// Creates or opens the key (writer's spelling), sets every value from the
// record in table order and closes the key, which writes the registry file.
// False as soon as one step fails, the closing write included.
bool writeAllSettings(const SettingsTable& table, const SettingsRecord& record);

// Removes every value of the table and then the key itself.
void deleteAllSettings(const SettingsTable& table);

// The list form of the registry: each number followed by one blank.
std::wstring formatSettingsList(const int32_t* values);
// Exactly ten numbers separated by blanks (trailing blanks allowed), each
// fitting a signed 32-bit word; anything else is refused.
bool parseSettingsList(const wchar_t* text, int32_t* values);

}  // namespace gamekit
