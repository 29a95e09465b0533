#include "gamekit/settings/SettingsStore.h"

#include <cstdint>
#include <cstring>
#include <cwchar>

#include "gamekit/containers/FatalError.h"
#include "platform/Registry.h"

namespace gamekit {

namespace {

// Ten of the longest numbers the writer can write ("-2147483648 " is 12
// characters) and the terminator: every list written is read back. A longer
// string is not one of ours and fails the query.
constexpr size_t kListChars = SettingRow::kListLength * 12 + 1;

HKEY programKey = nullptr;

void closeProgramKey() {
    if (programKey != nullptr) {
        RegFlushKey(programKey);
        RegCloseKey(programKey);
        programKey = nullptr;
    }
}

bool openProgramKey(const SettingsTable& table) {
    closeProgramKey();
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, table.key, 0, KEY_ALL_ACCESS, &programKey) ==
           ERROR_SUCCESS;
}

bool queryDword(const wchar_t* name, int32_t& out) {
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExW(programKey, name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value) {
        return false;
    }
    out = static_cast<int32_t>(value);
    return true;
}

bool queryList(const wchar_t* name, int32_t* out) {
    wchar_t text[kListChars] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof text;
    if (RegQueryValueExW(programKey, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    text[kListChars - 1] = L'\0';
    return parseSettingsList(text, out);
}

}  // namespace

std::wstring formatSettingsList(const int32_t* values) {
    std::wstring text;
    wchar_t number[16];
    for (int i = 0; i < SettingRow::kListLength; ++i) {
        std::swprintf(number, 16, L"%d ", values[i]);
        text += number;
    }
    return text;
}

bool parseSettingsList(const wchar_t* text, int32_t* values) {
    int32_t parsed[SettingRow::kListLength];
    int count = 0;
    const wchar_t* p = text;
    while (true) {
        while (*p == L' ') ++p;
        if (*p == L'\0') break;
        if (count == SettingRow::kListLength) return false;
        bool negative = *p == L'-';
        if (negative) ++p;
        if (*p < L'0' || *p > L'9') return false;
        int64_t magnitude = 0;
        while (*p >= L'0' && *p <= L'9') {
            magnitude = magnitude * 10 + (*p - L'0');
            if (magnitude > int64_t{INT32_MAX} + 1) return false;
            ++p;
        }
        int64_t value = negative ? -magnitude : magnitude;
        if (value > INT32_MAX) return false;
        if (*p != L' ' && *p != L'\0') return false;
        parsed[count++] = static_cast<int32_t>(value);
    }
    if (count != SettingRow::kListLength) return false;
    std::memcpy(values, parsed, sizeof parsed);
    return true;
}

bool settingsKeyExists(const SettingsTable& table) {
    return openProgramKey(table);
}

bool registryUnreadable() {
    HKEY root = nullptr;
    LONG result = RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"", 0, KEY_READ, &root);
    if (result == ERROR_SUCCESS) RegCloseKey(root);
    return result == ERROR_READ_FAULT || result == ERROR_ACCESS_DENIED;
}

bool readAllSettings(const SettingsTable& table, SettingsRecord& record) {
    if (!openProgramKey(table)) return false;
    SettingsRecord read;
    fillDefaults(table, read);  // every word set, also past the table
    int offset = 0;
    for (int i = 0; i < table.count; ++i) {
        const SettingRow& setting = table.rows[i];
        bool ok = setting.type == SettingType::List ? queryList(setting.name, &read.words[offset])
                                                 : queryDword(setting.name, read.words[offset]);
        if (!ok) return false;
        offset += setting.words();
    }
    record = read;
    return true;
}

bool writeAllSettings(const SettingsTable& table, const SettingsRecord& record) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, table.writerKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = true;
    int offset = 0;
    for (int i = 0; i < table.count && ok; ++i) {
        const SettingRow& setting = table.rows[i];
        if (setting.type == SettingType::List) {
            std::wstring text = formatSettingsList(&record.words[offset]);
            ok = RegSetValueExW(
                     key, setting.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
        } else {
            DWORD value = static_cast<DWORD>(record.words[offset]);
            ok = RegSetValueExW(key, setting.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value) == ERROR_SUCCESS;
        }
        offset += setting.words();
    }
    // Closing writes the file: a registry that cannot be written fails here.
    LONG closed = RegCloseKey(key);
    return ok && closed == ERROR_SUCCESS;
}

void deleteAllSettings(const SettingsTable& table) {
    closeProgramKey();
    if (openProgramKey(table)) {
        for (int i = 0; i < table.count; ++i) RegDeleteValueW(programKey, table.rows[i].name);
        closeProgramKey();
    }
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, table.key);
    openProgramKey(table);  // fails: the key is gone, and no stale handle stays kept
}

}  // namespace gamekit
