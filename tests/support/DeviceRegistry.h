#pragma once

// The registry of a device root as a program left it, read and written by
// the test process through the device's own registry functions (started
// afresh each time, so a value the program wrote is seen).

#include <cstdint>
#include <string>

#include "support/ProgramRun.h"

namespace testing_support {

struct RegistryValue {
    bool found = false;
    uint32_t number = 0;  // a REG_DWORD
    std::wstring text;    // a REG_SZ
};

// The value `name` under HKEY_LOCAL_MACHINE\`key`; `found` false when missing.
RegistryValue readRegistryValue(const TempRoot& root, const wchar_t* key, const wchar_t* name);

// Creates the key when missing and writes a dword; false when refused.
bool writeRegistryDword(const TempRoot& root, const wchar_t* key, const wchar_t* name,
                        uint32_t value);

}  // namespace testing_support
