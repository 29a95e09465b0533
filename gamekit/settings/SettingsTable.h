#pragma once

// A program's settings as data: the registry key, every value with its type,
// default and the rule by which a stored value is taken, and the texts of the
// start-up panels. Each program declares its table beside its own code (the
// framework names no program); one routine reads and writes every table, and
// SettingsBinding.h ties a table's values to the program's options.

#include <cstddef>
#include <cstdint>

namespace gamekit {

enum class SettingType {
    Dword,  // REG_DWORD, one word of the record
    List,   // REG_SZ of ten numbers, ten words of the record
};

// How a stored value is taken when the program copies it out of the record.
enum class SettingRule {
    Any,          // kept as stored
    Flag,         // 1 is on; anything else is off (0)
    NonZeroFlag,  // 0 is off; anything else is on (1)
    Range,        // low..high kept; anything else becomes `fallback`
    Either,       // low or high kept; anything else becomes `fallback`
    Clamp,        // moved to the nearer of low and high (every entry of a list)
};

struct SettingRow {
    const wchar_t* name;
    SettingType type;
    int32_t defaultValue;  // of every entry, for a list
    SettingRule rule = SettingRule::Any;
    int32_t low = 0;
    int32_t high = 0;
    int32_t fallback = 0;

    int words() const { return type == SettingType::List ? kListLength : 1; }
    int32_t take(int32_t stored) const;

    static constexpr int kListLength = 10;
};

// The texts shown while the settings are loaded, which differ by program.
struct SettingsTexts {
    const char* recoveryText;
    const char* recoveryHeading;
    const char* versionText;
    const char* versionHeading;
};

struct SettingsTable {
    const wchar_t* key;        // opened, read and deleted under this spelling
    const wchar_t* writerKey;  // created or opened for writing under this one
    const SettingRow* rows;
    int count;
    SettingsTexts texts;

    // Words the program's values take in the record (MinorVersion and
    // MajorVersion included, which every table lists first).
    int words() const;
    // Index of the value's first word in the record; fatalError for a name
    // the table does not have.
    int offsetOf(const wchar_t* name) const;
};

// The record words every table begins with.
constexpr int kMinorVersionWord = 0;
constexpr int kMajorVersionWord = 1;

// The parts the programs' tables share. Every table begins with the two
// versions (MinorVersion first) and most follow with the card back.
namespace settings {

// Short names for the tables written with these parts.
using Row = SettingRow;
using Type = SettingType;
using Rule = SettingRule;

constexpr SettingRow kMinorVersion = {L"MinorVersion", SettingType::Dword, 0};
constexpr SettingRow kMajorVersion = {L"MajorVersion", SettingType::Dword, 2};
// The card theme index of every program: one of the nine themes, else 5.
constexpr SettingRow kCardBack = {L"CardBack", SettingType::Dword, 5, SettingRule::Range, 0, 8, 5};

constexpr SettingRow flag(const wchar_t* name, int32_t initial) {
    return {name, SettingType::Dword, initial, SettingRule::Flag};
}
constexpr SettingRow animationSpeed(int32_t initial) {
    return {L"AnimationSpeed", SettingType::Dword, initial, SettingRule::Range, -1, 9, 5};
}

constexpr SettingsTexts kStandardTexts = {
    "Configuration Error.\nRecovering baseline config...!",
    "Problem:",
    "Version Error. Please deinstall previous version first!",
    "Version Mismatch:",
};

template <size_t N>
constexpr int countOf(const SettingRow (&)[N]) {
    return static_cast<int>(N);
}

}  // namespace settings

}  // namespace gamekit
