// The registry's changes as the store applies them: a file read from the
// first part of the input, then changes (create, set, delete value, delete
// key) decoded from the rest, applied as the calls would record them. After
// each change the view must hold what the change says, a deleted key takes
// its subkeys and nothing else, and the written file must read back to the
// same keys and values and write again unchanged.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/RegistryText.h"

using namespace platform::registry;

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool empty() const { return at >= size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }
};

// Paths from a few names, as deep as the bytes say (past the bound, too).
std::wstring path(Input& in) {
    static const wchar_t* const names[] = {L"SOFTWARE", L"software", L"Tarnwick Software",
                                           L"Deckhollow", L"Pellandine", L"k", L"K", L"a b"};
    // Mostly shallow, now and then up to and past the bound.
    uint8_t b = in.byte();
    int depth = b < 224 ? b % 6 : b % 80;
    std::wstring out;
    for (int i = 0; i < depth; ++i) {
        if (!out.empty()) out += L'\\';
        out += names[in.byte() % 8];
    }
    return out;
}

Value value(Input& in) {
    static const wchar_t* const names[] = {L"CardBack", L"cardback", L"PairsScores", L"", L"X"};
    Value v;
    v.name = names[in.byte() % 5];
    if (in.byte() % 2 == 0) {
        v.type = kTypeDword;
        v.number = static_cast<uint32_t>(in.byte()) * 0x01010101u;
    } else {
        v.type = kTypeString;
        int length = in.byte() % 16;
        for (int i = 0; i < length; ++i) v.text.push_back(L" \\\"a1-é"[in.byte() % 7]);
    }
    return v;
}

bool sameKeysAndValues(const Hive& a, const Hive& b) {
    auto written = [](const Hive& hive) {
        size_t n = 0;
        for (const auto& [folded, key] : hive.keys()) {
            if (!key.path.empty() || !key.values.empty() || !key.kept.empty()) ++n;
        }
        return n;
    };
    if (written(a) != written(b)) return false;
    for (const auto& [folded, key] : a.keys()) {
        if (key.path.empty() && key.values.empty() && key.kept.empty()) continue;
        const Key* other = b.find(key.path);
        if (other == nullptr || other->path != key.path || other->values != key.values ||
            other->kept != key.kept) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t split = size > 0 ? data[0] * size / 256 : 0;
    Hive hive;
    parseRegistryText(std::string_view(reinterpret_cast<const char*>(data) + (size > 0), split),
                      hive);
    Input in{data, size, (size > 0) + split};
    for (int step = 0; step < 16 && !in.empty(); ++step) {
        uint8_t kind = in.byte() % 4;
        std::wstring normal;
        if (!normalizePath(path(in), normal)) continue;  // what the calls refuse
        Change change{static_cast<Change::Kind>(kind), normal, {}};
        if (change.kind == Change::Kind::SetValue || change.kind == Change::Kind::DeleteValue) {
            change.value = value(in);
        }
        if (change.kind == Change::Kind::DeleteKey && normal.empty()) continue;
        hive.apply(change);
        const Key* key = hive.find(normal);
        switch (change.kind) {
            case Change::Kind::CreateKey:
                if (key == nullptr) abort();
                break;
            case Change::Kind::SetValue: {
                const Value* set = key != nullptr ? Hive::findValue(*key, change.value.name) : nullptr;
                if (set == nullptr || set->type != change.value.type ||
                    set->number != change.value.number || set->text != change.value.text) {
                    abort();
                }
                break;
            }
            case Change::Kind::DeleteValue:
                if (key != nullptr && Hive::findValue(*key, change.value.name) != nullptr) abort();
                break;
            case Change::Kind::DeleteKey:
                if (hive.find(normal) != nullptr || hive.hasSubkeys(normal)) abort();
                break;
        }
    }
    std::string text = formatRegistryText(hive);
    Hive back;
    if (parseRegistryText(text, back) != ParseResult::Ok) abort();
    if (!sameKeysAndValues(hive, back)) abort();
    if (formatRegistryText(back) != text) abort();
    return 0;
}
