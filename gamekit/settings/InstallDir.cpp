#include "gamekit/settings/InstallDir.h"

#include <cwchar>

#include "platform/Files.h"
#include "platform/Registry.h"

namespace gamekit {

wchar_t installDir[kInstallDirChars] = L"\\Program Files\\Tarnwick Software\\Deckhollow";
bool installDirKnown = false;

void setDefaultInstallDir() {
    std::swprintf(installDir, kInstallDirChars, L"%ls", kDefaultInstallDir);
    installDirKnown = false;
}

bool readInstallDir() {
    installDirKnown = false;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kInstallDirKey, 0, KEY_ALL_ACCESS, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    wchar_t buffer[kInstallDirChars] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    LONG result = RegQueryValueExW(key, kInstallDirValue, nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ || size < 2 * sizeof(wchar_t) ||
        size > sizeof buffer) {
        return false;
    }
    size_t characters = size / sizeof(wchar_t) - 1;
    if (buffer[characters] != L'\0' || std::wcslen(buffer) != characters) return false;
    DWORD attributes = GetFileAttributesW(buffer);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    std::swprintf(installDir, kInstallDirChars, L"%ls", buffer);
    installDirKnown = true;
    return true;
}

}  // namespace gamekit
