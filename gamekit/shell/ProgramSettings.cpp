#include "gamekit/shell/ProgramSettings.h"

#include "gamekit/shell/MessagePanel.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/settings/InstallDir.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/shell/Shell.h"
#include "platform/Windows.h"

namespace gamekit {

SettingsRecord* loadProgramSettings(const SettingsTable& table) {
    setDefaultInstallDir();
    SettingsStartupHooks hooks;
    hooks.showPanel = [](const char* text, const char* heading) {
        Surface screen(backBuffer(), kScreenWidth, kScreenHeight);
        messagePanel(screen, text, heading);
    };
    hooks.showMessageBox = [](const wchar_t* text, const wchar_t* caption) {
        MessageBoxW(nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
    };
    hooks.shutdown = [](int exitCode) { shutdownApp(exitCode); };

    SettingsRecord* record = allocateSettingsRecord(hooks);
    if (record == nullptr) return nullptr;
    if (loadSettings(table, *record, hooks) != SettingsLoadResult::Loaded) return nullptr;
    // The values are taken over by their rules and stored corrected at once.
    applyRules(table, *record);
    if (!saveSettings(table, *record)) {
        hooks.showMessageBox(withRegistryProblem(kSettingsWriteFailedText).c_str(),
                             kProblemCaption);
        shutdownApp(1);
    }
    return record;
}

}  // namespace gamekit
