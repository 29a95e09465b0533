#pragma once

// The device's registry, kept in <root>/registry.reg (see RegistryText.h for
// the file and RegistryStore.h for how programs share it).
//
// Changes are applied to the process's view at once and written to the file
// when a key is closed or flushed, when a key is deleted, and at process
// exit; a failed write is reported by RegCloseKey / RegFlushKey /
// RegDeleteKeyW and the changes are kept for the next try.
//
// String sizes: REG_SZ data are sized in this machine's bytes, sizeof(wchar_t)
// (4) per character, terminator included, so a buffer `wchar_t text[N]` is
// passed with sizeof text and can never be overrun, whatever type the stored
// value has. (The device counts 2 bytes a character; a size carried over
// from it gives a buffer of half the characters, which is safe.)

#include "platform/Errors.h"
#include "platform/Windows.h"

using REGSAM = DWORD;

inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x80000002));

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                     REGSAM access, void* security, HKEY* result, DWORD* disposition);
// With `data` null only the type and size are returned. A buffer smaller than
// the value gives ERROR_MORE_DATA with the size needed in `*dataSize`.
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, DWORD* reserved, DWORD* type, BYTE* data,
                      DWORD* dataSize);
// REG_DWORD takes exactly 4 bytes; REG_SZ takes the characters up to the
// first terminator within `dataSize` device bytes. Strings holding control
// characters and other types are refused (ERROR_INVALID_PARAMETER).
LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
LONG RegDeleteValueW(HKEY key, LPCWSTR valueName);
// Deletes the key and everything below it, as the device does.
LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey);
LONG RegCloseKey(HKEY key);
LONG RegFlushKey(HKEY key);

#include <string>

namespace platform {
// Not on the device: why the registry file could not be read or written the
// last time it was tried, as "PATH: reason" ("" after a success). Start-up
// shows it, so a failure of the host names the file and the error.
std::string registryProblem();
}  // namespace platform
