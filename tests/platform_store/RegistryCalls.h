#pragma once

// The registry calls these tests make, each reduced to one line.

#include <gtest/gtest.h>

#include <string>

#include "platform/Registry.h"

namespace store_test {

inline constexpr const wchar_t* kKey = L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran";

inline HKEY createKey(const wchar_t* path, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, disposition),
              ERROR_SUCCESS);
    return key;
}

inline HKEY openKey(const wchar_t* path) {
    HKEY key = nullptr;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS
               ? key
               : nullptr;
}

inline LONG setDword(HKEY key, const wchar_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
}

inline LONG setString(HKEY key, const wchar_t* name, const std::wstring& text) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// The value as a number, -1 when it cannot be read as a dword.
inline long long getDword(HKEY key, const wchar_t* name) {
    DWORD type = 0, value = 0, size = 4;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
        return -1;
    }
    return value;
}

inline long long readDword(const wchar_t* path, const wchar_t* name) {
    HKEY key = openKey(path);
    if (key == nullptr) return -1;
    long long value = getDword(key, name);
    RegCloseKey(key);
    return value;
}

// Creates the key when missing; the first failure of the three steps.
inline LONG writeDword(const wchar_t* path, const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    LONG result = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) return result;
    result = setDword(key, name, value);
    LONG closed = RegCloseKey(key);
    return result != ERROR_SUCCESS ? result : closed;
}

}  // namespace store_test
