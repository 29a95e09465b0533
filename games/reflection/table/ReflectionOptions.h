#pragma once

// The program's options and best lists as the settings record holds them.
// Each value is taken by its rule in the program's table
// (ReflectionSettings.h): CardBack is a theme index 0..8, the switches are
// 0 or 1, and the list entries lie in range.

#include "gamekit/settings/SettingsRecord.h"

namespace reflection {

class ReflectionSession;

struct ReflectionOptions {
    int cardBack = 5;  // the index of the chosen theme, 0..8
    bool displayScore = true;
    bool displayTime = true;
    bool soundOn = true;
    bool expert = false;  // GameType: 0 normal, 1 expert
    int majorVersion = 2;
    int minorVersion = 0;
};

// Reads the options, and the four lists into the session's two lists.
ReflectionOptions loadOptions(gamekit::SettingsRecord& record, ReflectionSession& session);

// Writes the options and both lists back into the record (the caller then
// stores the record).
void storeOptions(const ReflectionOptions& options, ReflectionSession& session,
                  gamekit::SettingsRecord& record);

}  // namespace reflection
