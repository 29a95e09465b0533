#include "tools/installer/InstallKey.h"

#include <cwchar>

#include "gamekit/settings/InstallDir.h"
#include "platform/Registry.h"

namespace installer {

bool installDirIsSet() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, gamekit::kInstallDirKey, 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    wchar_t text[gamekit::kInstallDirChars] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof text;
    const LONG result = RegQueryValueExW(key, gamekit::kInstallDirValue, nullptr, &type,
                                         reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    text[gamekit::kInstallDirChars - 1] = L'\0';
    return result == ERROR_SUCCESS && type == REG_SZ &&
           std::wcscmp(text, gamekit::kDefaultInstallDir) == 0;
}

bool writeInstallDir(std::string& error) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, gamekit::kInstallDirKey, 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
        error = "cannot create the install key in the registry: " + platform::registryProblem();
        return false;
    }
    const wchar_t* path = gamekit::kDefaultInstallDir;
    const DWORD size = static_cast<DWORD>((std::wcslen(path) + 1) * sizeof(wchar_t));
    LONG result = RegSetValueExW(key, gamekit::kInstallDirValue, 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(path), size);
    // Closing writes the change to the registry file; a failure there is a
    // failure of the install too.
    const LONG closed = RegCloseKey(key);
    if (result == ERROR_SUCCESS) result = closed;
    if (result != ERROR_SUCCESS) {
        error = "cannot write InstallDir to the registry: " + platform::registryProblem();
        return false;
    }
    return true;
}

}  // namespace installer
