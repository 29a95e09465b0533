#include "gamekit/settings/SettingsLoader.h"

#include <cstdlib>

#include "gamekit/settings/InstallDir.h"
#include "gamekit/settings/SettingsStore.h"
#include "platform/Registry.h"
#include "platform/Utf8.h"

namespace gamekit {

namespace {

SettingsLoadResult stop(const SettingsStartupHooks& hooks, const wchar_t* text,
                        SettingsLoadResult result) {
    if (hooks.showMessageBox) hooks.showMessageBox(text, kProblemCaption);
    if (hooks.shutdown) hooks.shutdown(1);
    return result;
}

SettingsLoadResult stopWithProblem(const SettingsStartupHooks& hooks, const wchar_t* text,
                                   SettingsLoadResult result) {
    return stop(hooks, withRegistryProblem(text).c_str(), result);
}

void showPanel(const SettingsStartupHooks& hooks, const char* text, const char* heading) {
    if (hooks.showPanel) hooks.showPanel(text, heading);
}

}  // namespace

std::wstring withRegistryProblem(const wchar_t* text) {
    std::wstring out = text;
    std::string problem = platform::registryProblem();
    if (!problem.empty()) {
        out += L"\n";
        std::wstring wide;
        if (platform::fromUtf8(problem, wide)) out += wide;
    }
    return out;
}

SettingsRecord* allocateSettingsRecord(const SettingsStartupHooks& hooks) {
    if (settingsRecord != nullptr) return settingsRecord;
    settingsRecord = static_cast<SettingsRecord*>(std::calloc(1, sizeof(SettingsRecord)));
    if (settingsRecord == nullptr) stop(hooks, kOutOfMemoryText, SettingsLoadResult::OutOfMemory);
    return settingsRecord;
}

SettingsLoadResult loadSettings(const SettingsTable& table, SettingsRecord& record,
                                const SettingsStartupHooks& hooks) {
    if (!settingsKeyExists(table)) {
        // A registry that could not be read is not a first start.
        if (registryUnreadable()) {
            return stopWithProblem(hooks, kSettingsReadFailedText,
                                   SettingsLoadResult::RegistryUnreadable);
        }
        fillDefaults(table, record);
        if (!writeAllSettings(table, record)) {
            return stopWithProblem(hooks, kSettingsWriteFailedText, SettingsLoadResult::WriteFailed);
        }
    } else {
        if (!readAllSettings(table, record)) {
            deleteAllSettings(table);
            fillDefaults(table, record);
            if (!writeAllSettings(table, record)) {
                return stopWithProblem(hooks, kSettingsWriteFailedText, SettingsLoadResult::WriteFailed);
            }
            showPanel(hooks, table.texts.recoveryText, table.texts.recoveryHeading);
        }
        int32_t& major = record.words[kMajorVersionWord];
        if (major < 1) {
            major = 2;
        } else if (major == 1) {
            showPanel(hooks, table.texts.versionText, table.texts.versionHeading);
        }
        if (record.words[kMinorVersionWord] < 0) record.words[kMinorVersionWord] = 0;
    }
    if (!readInstallDir()) {
        return stop(hooks, kReinstallText, SettingsLoadResult::InstallDirMissing);
    }
    return SettingsLoadResult::Loaded;
}

namespace {
bool lastSaveFailed = false;
}  // namespace

bool saveSettings(const SettingsTable& table, const SettingsRecord& record) {
    const bool saved = writeAllSettings(table, record);
    lastSaveFailed = !saved;
    return saved;
}

bool lastSettingsSaveFailed() { return lastSaveFailed; }

}  // namespace gamekit
