#pragma once

// The settings part of a program's start: first start, repair of a damaged
// store, the version check and the install directory. What needs the screen
// or the shell comes in as callbacks, so the steps run the same under the
// real shell and in tests.

#include <functional>
#include <string>

#include "gamekit/settings/SettingsRecord.h"

namespace gamekit {

struct SettingsStartupHooks {
    // The message panel: shows `text` under `heading` and waits for a tap.
    std::function<void(const char* text, const char* heading)> showPanel;
    // A system message box with the exclamation icon.
    std::function<void(const wchar_t* text, const wchar_t* caption)> showMessageBox;
    // Ends the process in order with `exitCode`; the real one does not
    // return, a test's may, and the load then stops as well.
    std::function<void(int exitCode)> shutdown;
};

enum class SettingsLoadResult {
    Loaded,             // the record holds the program's settings
    OutOfMemory,        // "Out of memory!" was shown and shutdown called
    WriteFailed,        // the defaults could not be stored: message shown, shutdown(1)
    InstallDirMissing,  // "Configuration Error. Please reinstall application!", shutdown(1)
    RegistryUnreadable, // the registry file could not be read: named in a box, shutdown(1)
};

constexpr const wchar_t* kOutOfMemoryText = L"Out of memory!";
constexpr const wchar_t* kReinstallText = L"Configuration Error. Please reinstall application!";
constexpr const wchar_t* kProblemCaption = L"Problem:";
constexpr const wchar_t* kSettingsWriteFailedText =
    L"Configuration Error. The settings cannot be saved: the device storage is not "
    L"writable!";

constexpr const wchar_t* kSettingsReadFailedText =
    L"Configuration Error. The settings cannot be read:";

// `text` with the file and the error the registry last failed on, on a line
// of their own.
std::wstring withRegistryProblem(const wchar_t* text);

// Allocates and zeroes the process's settingsRecord (once; later calls return
// the same record). On failure shows "Out of memory!" / "Problem:", calls
// shutdown(1) and returns null.
SettingsRecord* allocateSettingsRecord(const SettingsStartupHooks& hooks);

// Fills `record` from the registry:
// - a registry file that cannot be read (not damaged: a read error) stops
//   the start with a box naming the file and the error; nothing is written;
// - no program key: the defaults are written silently;
// - a value missing or unreadable: the key is deleted, the defaults written
//   and the recovery panel shown;
// - MajorVersion below 1 becomes 2, exactly 1 shows the version panel,
//   a negative MinorVersion becomes 0;
// - then "InstallDir" is read; without it the reinstall message box is shown
//   and the program shut down.
// The record's values are as stored (the programs apply their rules when they
// take them over).
SettingsLoadResult loadSettings(const SettingsTable& table, SettingsRecord& record,
                                const SettingsStartupHooks& hooks);

// Writes the whole record back (Down key, Exit, controller take-over).
bool saveSettings(const SettingsTable& table, const SettingsRecord& record);
// Whether the latest saveSettings failed: the program's end reports it in its
// exit code, whoever made that save.
bool lastSettingsSaveFailed();

}  // namespace gamekit
