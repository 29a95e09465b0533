#pragma once

// The registry's contents in memory and their text form, the REGEDIT4 file
// <root>/registry.reg:
//
//   REGEDIT4
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Tarnwick Software\Deckhollow\Velloran]
//   "CardBack"=dword:00000005
//   "PairsScores"="52 40 0 0 0 0 0 0 0 0 "
//
// Only HKEY_LOCAL_MACHINE exists; paths below are relative to it ("" is the
// root itself). Key and value names compare without regard to case and keep
// the spelling they were created with.
//
// Lines the programs do not understand (comments, other value types, other
// roots, lines that are not UTF-8, too deep or too long) are kept byte for
// byte and written back where they were: in their key after its values,
// before the first key, or at the end for other roots' sections. Whatever
// the file holds, a program's write loses none of it.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

constexpr uint32_t kTypeString = 1;  // REG_SZ
constexpr uint32_t kTypeDword = 4;   // REG_DWORD

// Bounds that keep every path, line and write linear in the file: a path of
// at most 64 keys of at most 255 characters, names and strings a line of the
// file can hold. Deeper or longer ones are refused by the calls and kept
// unread when a file holds them.
constexpr size_t kMaxKeyDepth = 64;
constexpr size_t kMaxKeyNameChars = 255;
constexpr size_t kMaxValueNameChars = 16383;
constexpr size_t kMaxStringChars = 65535;
constexpr size_t kMaxLineBytes = 1 << 20;

struct Value {
    std::wstring name;
    uint32_t type = kTypeDword;
    uint32_t number = 0;  // REG_DWORD
    std::wstring text;    // REG_SZ, without terminator
    bool operator==(const Value&) const = default;
};

struct Key {
    std::wstring path;          // as first spelt
    std::vector<Value> values;  // in the order they were first set
    std::vector<std::string> kept;  // lines of its section not understood, as read
    bool operator==(const Key&) const = default;
};

// Orders folded paths component by component, so a key's children follow it.
struct PathOrder {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};

// One change a program made, kept until it is written to the file.
struct Change {
    enum class Kind { CreateKey, SetValue, DeleteValue, DeleteKey };
    Kind kind;
    std::wstring path;
    Value value;  // SetValue: the value; DeleteValue: its name
};

class Hive {
  public:
    const Key* find(std::wstring_view path) const;
    // Creates the key and every missing ancestor; returns the key.
    Key& create(std::wstring_view path);
    // Removes the key and everything below it; false if it did not exist.
    bool erase(std::wstring_view path);
    bool hasSubkeys(std::wstring_view path) const;

    static const Value* findValue(const Key& key, std::wstring_view name);
    static void setValue(Key& key, const Value& value);
    static bool eraseValue(Key& key, std::wstring_view name);

    void apply(const Change& change);

    const std::map<std::wstring, Key, PathOrder>& keys() const { return keys_; }
    bool operator==(const Hive& other) const {
        return keys_ == other.keys_ && leading_ == other.leading_ && foreign_ == other.foreign_;
    }

    // Lines kept from before the first section, and the sections the
    // programs cannot read (other roots, malformed or too deep paths) with
    // their lines, all as read.
    std::vector<std::string>& leadingLines() { return leading_; }
    const std::vector<std::string>& leadingLines() const { return leading_; }
    std::vector<std::string>& foreignLines() { return foreign_; }
    const std::vector<std::string>& foreignLines() const { return foreign_; }

  private:
    std::map<std::wstring, Key, PathOrder> keys_;  // by folded path
    std::vector<std::string> leading_;
    std::vector<std::string> foreign_;
};

// Splits `path` into its components and joins them again with single
// backslashes; false for an empty component, one holding a control
// character or longer than kMaxKeyNameChars, or more than kMaxKeyDepth
// components. An empty path is the root.
bool normalizePath(std::wstring_view path, std::wstring& out);

// A name the file can hold: no control characters.
bool isStorableText(std::wstring_view text);

enum class ParseResult { Ok, NotRegistry };

// Reads the file's text. Lines that cannot be understood are kept as they
// are and counted in `skippedLines` (comments are kept, not counted);
// NotRegistry means the bytes are not a registry file at all (no REGEDIT4
// header line), and `out` is then empty. An empty file is an empty registry.
ParseResult parseRegistryText(std::string_view bytes, Hive& out, int* skippedLines = nullptr);

// The file's text; the kept lines are written back byte for byte.
std::string formatRegistryText(const Hive& hive);

}  // namespace platform::registry
