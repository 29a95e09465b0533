#pragma once

// Ties a program's settings table to its options struct: each bound value is
// named once, beside the member it fills,
//
//     constexpr gamekit::SettingBinding<Options> kBindings[] = {
//         {L"CardBack", &Options::cardBack}, {L"SoundsOn", &Options::soundsOn}};
//
// and one routine takes the values out of the record (each by its table
// rule) and puts them back. A flag is true for a taken value other than 0
// and is stored as 1 or 0.

#include <cstddef>
#include <cstdint>

#include "gamekit/containers/FatalError.h"
#include "gamekit/settings/SettingsRecord.h"

namespace gamekit {

template <class Options>
struct SettingBinding {
    constexpr SettingBinding(const wchar_t* name, bool Options::*flag) : name(name), flag(flag) {}
    constexpr SettingBinding(const wchar_t* name, int Options::*number)
        : name(name), number(number) {}

    const wchar_t* name;
    bool Options::*flag = nullptr;
    int Options::*number = nullptr;
};

// The table's entry for `name`; fatalError for a name the table lacks.
const SettingRow& settingRow(const SettingsTable& table, const wchar_t* name);

// Fills the bound members from the record, each value taken by its rule.
template <class Options, size_t N>
void readBoundSettings(const SettingsTable& table, SettingsRecord& record,
                       const SettingBinding<Options> (&bindings)[N], Options& options) {
    for (const SettingBinding<Options>& b : bindings) {
        const int32_t taken = settingRow(table, b.name).take(settingValue(table, record, b.name));
        if (b.flag != nullptr) {
            options.*b.flag = taken != 0;
        } else {
            options.*b.number = taken;
        }
    }
}

// Puts the bound members into the record, ready to be written.
template <class Options, size_t N>
void writeBoundSettings(const SettingsTable& table, SettingsRecord& record,
                        const SettingBinding<Options> (&bindings)[N], const Options& options) {
    for (const SettingBinding<Options>& b : bindings) {
        settingValue(table, record, b.name) =
            b.flag != nullptr ? (options.*b.flag ? 1 : 0) : options.*b.number;
    }
}

}  // namespace gamekit
