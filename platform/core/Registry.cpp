#include "platform/Registry.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "platform/RegistryStore.h"

struct RegistryKeyObject {
    std::wstring path;
};

namespace {

using platform::registry::Change;
using platform::registry::Hive;
using platform::registry::Key;
using platform::registry::Value;

// Open handles; anything else passed in is refused, never dereferenced.
// Never destroyed: a handle kept open until the process ends (the programs
// keep their settings key) stays reachable.
std::set<RegistryKeyObject*>& handles() {
    static auto* open = new std::set<RegistryKeyObject*>;
    return *open;
}

bool pathOf(HKEY key, std::wstring& path) {
    if (key == HKEY_LOCAL_MACHINE) {
        path.clear();
        return true;
    }
    if (handles().count(key) == 0) return false;
    path = key->path;
    return true;
}

// The path of `subKey` below `key`, normalized; false for a malformed path.
LONG resolve(HKEY key, LPCWSTR subKey, std::wstring& path) {
    std::wstring base;
    if (!pathOf(key, base)) return ERROR_INVALID_HANDLE;
    std::wstring below;
    if (subKey != nullptr && !platform::registry::normalizePath(subKey, below)) {
        return ERROR_INVALID_PARAMETER;
    }
    path = base.empty() ? below : below.empty() ? base : base + L"\\" + below;
    return ERROR_SUCCESS;
}

bool endsWith(const std::string& text, const char* tail) {
    size_t n = std::strlen(tail);
    return text.size() >= n && text.compare(text.size() - n, n, tail) == 0;
}

// Brings the view up to date; an error when the file has never been read,
// so that a file that could not be read is not taken for an empty registry.
LONG refreshed(platform::registry::Store& store) {
    store.refresh();
    if (store.loaded()) return ERROR_SUCCESS;
    const std::string& problem = store.problem();
    for (int error : {EACCES, EPERM}) {
        if (endsWith(problem, std::strerror(error))) return ERROR_ACCESS_DENIED;
    }
    return ERROR_READ_FAULT;
}

HKEY newHandle(const std::wstring& path) {
    auto* handle = new RegistryKeyObject{path};
    handles().insert(handle);
    return handle;
}

// The key a handle names, looked up in the current view; null when the key
// has been deleted since the handle was opened.
LONG keyOf(HKEY key, const Key*& found) {
    std::wstring path;
    if (!pathOf(key, path)) return ERROR_INVALID_HANDLE;
    auto& store = platform::registry::store();
    // What another program wrote since is seen, too.
    if (LONG error = refreshed(store); error != ERROR_SUCCESS) return error;
    found = store.view().find(path);
    return found == nullptr ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

LONG commitResult() {
    return platform::registry::store().commit() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

}  // namespace

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD, REGSAM, HKEY* result) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::wstring path;
    if (LONG error = resolve(key, subKey, path); error != ERROR_SUCCESS) return error;
    auto& store = platform::registry::store();
    if (LONG error = refreshed(store); error != ERROR_SUCCESS) return error;
    const Key* found = store.view().find(path);
    if (found == nullptr) return ERROR_FILE_NOT_FOUND;
    *result = newHandle(found->path);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM, void*, HKEY* result,
                     DWORD* disposition) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::wstring path;
    if (LONG error = resolve(key, subKey, path); error != ERROR_SUCCESS) return error;
    auto& store = platform::registry::store();
    if (LONG error = refreshed(store); error != ERROR_SUCCESS) return error;
    const Key* found = store.view().find(path);
    bool created = found == nullptr;
    if (created) {
        store.record(Change{Change::Kind::CreateKey, path, {}});
        found = store.view().find(path);
    }
    if (disposition != nullptr)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = newHandle(found->path);
    return ERROR_SUCCESS;
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize) {
    if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    const Key* found = nullptr;
    if (LONG error = keyOf(key, found); error != ERROR_SUCCESS) return error;
    const Value* value = Hive::findValue(*found, valueName != nullptr ? valueName : L"");
    if (value == nullptr) return ERROR_FILE_NOT_FOUND;
    if (type != nullptr) *type = value->type;
    DWORD needed =
        value->type == REG_SZ ? static_cast<DWORD>((value->text.size() + 1) * sizeof(wchar_t)) : 4;
    if (data == nullptr) {
        if (dataSize != nullptr) *dataSize = needed;
        return ERROR_SUCCESS;
    }
    if (*dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    *dataSize = needed;
    if (value->type == REG_SZ) {
        auto* out = reinterpret_cast<wchar_t*>(data);
        std::memcpy(out, value->text.c_str(), (value->text.size() + 1) * sizeof(wchar_t));
    } else {
        std::memcpy(data, &value->number, 4);
    }
    return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data,
                    DWORD dataSize) {
    const Key* found = nullptr;
    if (LONG error = keyOf(key, found); error != ERROR_SUCCESS) return error;
    if (data == nullptr && dataSize > 0) return ERROR_INVALID_PARAMETER;
    Value value;
    value.name = valueName != nullptr ? valueName : L"";
    value.type = type;
    if (type == REG_DWORD) {
        if (dataSize != 4) return ERROR_INVALID_PARAMETER;
        std::memcpy(&value.number, data, 4);
    } else if (type == REG_SZ) {
        const auto* text = reinterpret_cast<const wchar_t*>(data);
        size_t limit = dataSize / sizeof(wchar_t);
        size_t length = 0;
        while (length < limit && text[length] != L'\0') ++length;
        value.text.assign(text, length);
        if (value.text.size() > platform::registry::kMaxStringChars) return ERROR_INVALID_PARAMETER;
    } else {
        return ERROR_INVALID_PARAMETER;
    }
    if (value.name.size() > platform::registry::kMaxValueNameChars ||
        !platform::registry::isStorableText(value.name) ||
        !platform::registry::isStorableText(value.text)) {
        return ERROR_INVALID_PARAMETER;
    }
    platform::registry::store().record(Change{Change::Kind::SetValue, found->path, value});
    return ERROR_SUCCESS;
}

LONG RegDeleteValueW(HKEY key, LPCWSTR valueName) {
    const Key* found = nullptr;
    if (LONG error = keyOf(key, found); error != ERROR_SUCCESS) return error;
    Value value;
    value.name = valueName != nullptr ? valueName : L"";
    if (Hive::findValue(*found, value.name) == nullptr) return ERROR_FILE_NOT_FOUND;
    platform::registry::store().record(Change{Change::Kind::DeleteValue, found->path, value});
    return ERROR_SUCCESS;
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
    if (subKey == nullptr || subKey[0] == L'\0') return ERROR_INVALID_PARAMETER;
    std::wstring path;
    if (LONG error = resolve(key, subKey, path); error != ERROR_SUCCESS) return error;
    auto& store = platform::registry::store();
    if (LONG error = refreshed(store); error != ERROR_SUCCESS) return error;
    if (store.view().find(path) == nullptr) return ERROR_FILE_NOT_FOUND;
    store.record(Change{Change::Kind::DeleteKey, path, {}});
    return commitResult();
}

LONG RegCloseKey(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
    auto found = handles().find(key);
    if (found == handles().end()) return ERROR_INVALID_HANDLE;
    handles().erase(found);
    delete key;
    return commitResult();
}

LONG RegFlushKey(HKEY key) {
    std::wstring path;
    if (!pathOf(key, path)) return ERROR_INVALID_HANDLE;
    return commitResult();
}

std::string platform::registryProblem() {
    return platform::registry::store().problem();
}
