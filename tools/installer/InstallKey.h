#pragma once

#include <string>

namespace installer {

// True when the device registry holds "InstallDir" under the install key as
// the directory the installer fills.
bool installDirIsSet();

// Writes "InstallDir" = "\Program Files\Tarnwick Software\Deckhollow" under
// "SOFTWARE\Apps\Tarnwick Software, Inc. Deckhollow", creating the key if
// needed. Only this value changes: the registry writes back just the keys a
// program changed, so every other value stays as it was. False, with `error`
// set, when the registry could not be written.
bool writeInstallDir(std::string& error);

}  // namespace installer
