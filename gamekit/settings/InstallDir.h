#pragma once

// Where the installer put the program's files. The picture reader looks
// there after the Windows directory, the sound player after the Windows
// directory too.

#include <cstddef>

namespace gamekit {

// "InstallDir" is read into 300 bytes, 150 device characters with the
// terminator, so a directory name has at most 149 characters.
constexpr size_t kInstallDirChars = 150;

constexpr const wchar_t* kDefaultInstallDir = L"\\Program Files\\Tarnwick Software\\Deckhollow";
constexpr const wchar_t* kInstallDirKey = L"SOFTWARE\\Apps\\Tarnwick Software, Inc. Deckhollow";
constexpr const wchar_t* kInstallDirValue = L"InstallDir";

extern wchar_t installDir[kInstallDirChars];
// True only when installDir came from the registry.
extern bool installDirKnown;

// Sets installDir to the default, not known from the registry (the main
// loop's first step).
void setDefaultInstallDir();

// Reads "InstallDir". It is taken only when it is a terminated string that
// fits the buffer, is not empty and names an existing directory under the
// device root; anything else counts as not found (installDirKnown false,
// installDir unchanged). Returns installDirKnown.
bool readInstallDir();

}  // namespace gamekit
