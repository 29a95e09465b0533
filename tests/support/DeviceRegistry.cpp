#include "support/DeviceRegistry.h"

#include <cstring>

#include "platform/Device.h"
#include "platform/Registry.h"
#include "platform/RegistryStore.h"

namespace testing_support {

namespace {

class RegistryOf {
  public:
    explicit RegistryOf(const TempRoot& root) {
        platform::setDeviceRootForTesting(root.path());
        platform::registry::discardRegistryForTesting();
    }
    ~RegistryOf() { platform::registry::discardRegistryForTesting(); }
};

}  // namespace

RegistryValue readRegistryValue(const TempRoot& root, const wchar_t* keyName, const wchar_t* name) {
    RegistryOf registry(root);
    RegistryValue out;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) return out;
    DWORD type = 0;
    wchar_t text[200] = {};
    DWORD size = sizeof text;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
        ERROR_SUCCESS) {
        out.found = true;
        if (type == REG_DWORD) {
            std::memcpy(&out.number, text, sizeof out.number);
        } else {
            out.text = text;
        }
    }
    RegCloseKey(key);
    return out;
}

bool writeRegistryDword(const TempRoot& root, const wchar_t* keyName, const wchar_t* name,
                        uint32_t value) {
    RegistryOf registry(root);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool written = RegSetValueExW(key, name, 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&value), 4) == ERROR_SUCCESS;
    return RegCloseKey(key) == ERROR_SUCCESS && written;
}

}  // namespace testing_support
