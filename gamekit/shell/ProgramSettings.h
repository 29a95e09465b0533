#pragma once

#include "gamekit/settings/SettingsRecord.h"
#include "gamekit/settings/SettingsTable.h"

namespace gamekit {

// The settings part of every program's start, on the real shell: the install
// directory set to its default, the record allocated and read (first start,
// repair with the recovery panel, the version check, "InstallDir"), the
// table's rules applied and the corrected values written back at once.
// Returns the record, or null when the program was stopped (the shell has
// then shown why and ended the process).
SettingsRecord* loadProgramSettings(const SettingsTable& table);

}  // namespace gamekit
