#include "platform/RegistryText.h"

#include <cstdio>

#include "platform/Utf8.h"

namespace platform::registry {

namespace {

constexpr std::wstring_view kRootName = L"HKEY_LOCAL_MACHINE";

bool isControl(wchar_t c) {
    return static_cast<uint32_t>(c) < 0x20 || c == 0x7F;
}

bool isPrefixPath(std::wstring_view parent, std::wstring_view child) {
    if (parent.empty()) return !child.empty();
    return child.size() > parent.size() && child.substr(0, parent.size()) == parent &&
           child[parent.size()] == L'\\';
}

std::wstring trim(std::wstring_view line) {
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && (line[begin] == L' ' || line[begin] == L'\t')) ++begin;
    while (end > begin &&
           (line[end - 1] == L' ' || line[end - 1] == L'\t' || line[end - 1] == L'\r')) {
        --end;
    }
    return std::wstring(line.substr(begin, end - begin));
}

// Reads a quoted string starting at `pos` (on the opening quote); `pos` ends
// behind the closing quote. Only \\ and \" are escapes.
bool readQuoted(const std::wstring& line, size_t& pos, std::wstring& out) {
    if (pos >= line.size() || line[pos] != L'"') return false;
    out.clear();
    for (++pos; pos < line.size(); ++pos) {
        wchar_t c = line[pos];
        if (c == L'"') {
            ++pos;
            return true;
        }
        if (c == L'\\') {
            if (pos + 1 >= line.size()) return false;
            wchar_t next = line[pos + 1];
            if (next != L'\\' && next != L'"') return false;
            out.push_back(next);
            ++pos;
        } else {
            out.push_back(c);
        }
    }
    return false;
}

bool parseDword(std::wstring_view digits, uint32_t& out) {
    if (digits.empty() || digits.size() > 8) return false;
    uint32_t value = 0;
    for (wchar_t c : digits) {
        uint32_t nibble;
        if (c >= L'0' && c <= L'9') {
            nibble = static_cast<uint32_t>(c - L'0');
        } else if (c >= L'a' && c <= L'f') {
            nibble = static_cast<uint32_t>(c - L'a' + 10);
        } else if (c >= L'A' && c <= L'F') {
            nibble = static_cast<uint32_t>(c - L'A' + 10);
        } else {
            return false;
        }
        value = (value << 4) | nibble;
    }
    out = value;
    return true;
}

bool parseValueLine(const std::wstring& line, Value& out) {
    size_t pos = 0;
    if (!readQuoted(line, pos, out.name) || !isStorableText(out.name)) return false;
    if (pos >= line.size() || line[pos] != L'=') return false;
    ++pos;
    if (pos < line.size() && line[pos] == L'"') {
        out.type = kTypeString;
        out.number = 0;
        return readQuoted(line, pos, out.text) && pos == line.size() && isStorableText(out.text);
    }
    constexpr std::wstring_view kDword = L"dword:";
    if (line.size() - pos < kDword.size() ||
        !equalsIgnoringCase(std::wstring_view(line).substr(pos, kDword.size()), kDword)) {
        return false;
    }
    out.type = kTypeDword;
    out.text.clear();
    return parseDword(std::wstring_view(line).substr(pos + kDword.size()), out.number);
}

// The key path of a "[HKEY_LOCAL_MACHINE\...]" line, or false for any other
// root, a deletion line or a malformed path.
bool parseSectionLine(const std::wstring& line, std::wstring& path) {
    if (line.size() < 2 || line.back() != L']') return false;
    std::wstring_view inside = std::wstring_view(line).substr(1, line.size() - 2);
    if (inside.size() < kRootName.size() ||
        !equalsIgnoringCase(inside.substr(0, kRootName.size()), kRootName)) {
        return false;
    }
    std::wstring_view rest = inside.substr(kRootName.size());
    if (rest.empty()) {
        path.clear();
        return true;
    }
    if (rest[0] != L'\\') return false;
    return normalizePath(rest.substr(1), path);
}

void appendQuoted(std::wstring& out, std::wstring_view text) {
    out.push_back(L'"');
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'"') out.push_back(L'\\');
        out.push_back(c);
    }
    out.push_back(L'"');
}

}  // namespace

bool PathOrder::operator()(const std::wstring& a, const std::wstring& b) const {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        if (a[i] == L'\\') return true;
        if (b[i] == L'\\') return false;
        return a[i] < b[i];
    }
    return a.size() < b.size();
}

bool isStorableText(std::wstring_view text) {
    for (wchar_t c : text) {
        if (isControl(c)) return false;
    }
    return true;
}

bool normalizePath(std::wstring_view path, std::wstring& out) {
    out.clear();
    if (path.empty()) return true;
    for (size_t depth = 1;; ++depth) {
        size_t separator = path.find(L'\\');
        std::wstring_view component = path.substr(0, separator);
        if (component.empty() || component.size() > kMaxKeyNameChars || depth > kMaxKeyDepth ||
            !isStorableText(component)) {
            return false;
        }
        if (!out.empty()) out.push_back(L'\\');
        out.append(component);
        if (separator == std::wstring_view::npos) return true;
        path = path.substr(separator + 1);
    }
}

const Key* Hive::find(std::wstring_view path) const {
    auto found = keys_.find(foldedCopy(path));
    if (found != keys_.end()) return &found->second;
    if (path.empty()) {
        static const Key root;
        return &root;
    }
    return nullptr;
}

Key& Hive::create(std::wstring_view path) {
    std::wstring folded = foldedCopy(path);
    auto found = keys_.find(folded);
    if (found != keys_.end()) return found->second;
    // Ancestors first, so each keeps the spelling it already has; the walk
    // up stops at the first that exists.
    size_t separator = path.rfind(L'\\');
    std::wstring spelt(path);
    if (separator != std::wstring_view::npos) {
        spelt = create(path.substr(0, separator)).path;
        spelt.append(path.substr(separator));
    }
    Key& key = keys_.try_emplace(std::move(folded)).first->second;
    key.path = std::move(spelt);
    return key;
}

bool Hive::erase(std::wstring_view path) {
    if (path.empty()) return false;
    std::wstring folded = foldedCopy(path);
    auto it = keys_.find(folded);
    if (it == keys_.end()) return false;
    while (it != keys_.end() && (it->first == folded || isPrefixPath(folded, it->first))) {
        it = keys_.erase(it);
    }
    return true;
}

bool Hive::hasSubkeys(std::wstring_view path) const {
    std::wstring folded = foldedCopy(path);
    auto it = keys_.upper_bound(folded);
    return it != keys_.end() && isPrefixPath(folded, it->first);
}

const Value* Hive::findValue(const Key& key, std::wstring_view name) {
    for (const Value& value : key.values) {
        if (equalsIgnoringCase(value.name, name)) return &value;
    }
    return nullptr;
}

void Hive::setValue(Key& key, const Value& value) {
    for (Value& existing : key.values) {
        if (equalsIgnoringCase(existing.name, value.name)) {
            std::wstring keptName = existing.name;
            existing = value;
            existing.name = keptName;
            return;
        }
    }
    key.values.push_back(value);
}

bool Hive::eraseValue(Key& key, std::wstring_view name) {
    for (auto it = key.values.begin(); it != key.values.end(); ++it) {
        if (equalsIgnoringCase(it->name, name)) {
            key.values.erase(it);
            return true;
        }
    }
    return false;
}

void Hive::apply(const Change& change) {
    switch (change.kind) {
        case Change::Kind::CreateKey:
            create(change.path);
            break;
        case Change::Kind::SetValue:
            setValue(create(change.path), change.value);
            break;
        case Change::Kind::DeleteValue: {
            auto it = keys_.find(foldedCopy(change.path));
            if (it != keys_.end()) eraseValue(it->second, change.value.name);
            break;
        }
        case Change::Kind::DeleteKey:
            erase(change.path);
            break;
    }
}

namespace {

// The first byte of a line that is not a blank.
char firstVisible(std::string_view line) {
    size_t at = line.find_first_not_of(" \t");
    return at == std::string_view::npos ? '\0' : line[at];
}

}  // namespace

ParseResult parseRegistryText(std::string_view bytes, Hive& out, int* skippedLines) {
    out = Hive();
    if (skippedLines != nullptr) *skippedLines = 0;
    if (bytes.empty()) return ParseResult::Ok;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);

    // Where a kept line goes: before the first section, into a key, or into
    // the sections no program reads.
    enum class Place { Leading, InKey, Foreign };
    Place place = Place::Leading;
    Key* section = nullptr;
    int skipped = 0;
    bool sawHeader = false;
    std::wstring line;
    std::wstring sectionPath;
    Value value;
    auto keep = [&](std::string_view raw) {
        std::string copy(raw);
        if (place == Place::InKey) {
            section->kept.push_back(std::move(copy));
        } else if (place == Place::Foreign) {
            out.foreignLines().push_back(std::move(copy));
        } else {
            out.leadingLines().push_back(std::move(copy));
        }
    };
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view raw = bytes.substr(start, end - start);
        start = end + 1;
        // One line decoded on its own: a bad byte damages its line alone.
        bool readable = raw.size() <= kMaxLineBytes && raw.find('\0') == std::string_view::npos &&
                        fromUtf8(raw, line);
        if (!sawHeader) {
            if (!readable) break;
            line = trim(line);
            if (line.empty()) continue;
            if (line != L"REGEDIT4") break;
            sawHeader = true;
            continue;
        }
        if (!readable) {
            // A section line that cannot be read starts a section that
            // cannot either: its values must not land in the key before it.
            if (firstVisible(raw) == '[') place = Place::Foreign;
            keep(raw);
            ++skipped;
            continue;
        }
        line = trim(line);
        if (line.empty()) continue;
        if (line[0] == L';') {
            keep(raw);
        } else if (line[0] == L'[') {
            if (parseSectionLine(line, sectionPath)) {
                section = &out.create(sectionPath);
                place = Place::InKey;
            } else {
                place = Place::Foreign;
                keep(raw);
                ++skipped;
            }
        } else if (place == Place::InKey && parseValueLine(line, value)) {
            Hive::setValue(*section, value);
        } else {
            keep(raw);
            ++skipped;
        }
    }
    if (!sawHeader) {
        out = Hive();
        return ParseResult::NotRegistry;
    }
    if (skippedLines != nullptr) *skippedLines = skipped;
    return ParseResult::Ok;
}

namespace {

void appendLines(std::string& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out += line;
        out += '\n';
    }
}

}  // namespace

std::string formatRegistryText(const Hive& hive) {
    std::string out = "REGEDIT4\n";
    appendLines(out, hive.leadingLines());
    std::wstring text;
    wchar_t digits[16];
    for (const auto& [folded, key] : hive.keys()) {
        if (key.path.empty() && key.values.empty() && key.kept.empty()) continue;
        text = L"\n[";
        text += kRootName;
        if (!key.path.empty()) {
            text += L"\\";
            text += key.path;
        }
        text += L"]\n";
        for (const Value& value : key.values) {
            appendQuoted(text, value.name);
            text += L"=";
            if (value.type == kTypeString) {
                appendQuoted(text, value.text);
            } else {
                std::swprintf(digits, 16, L"dword:%08x", value.number);
                text += digits;
            }
            text += L"\n";
        }
        out += toUtf8(text);
        appendLines(out, key.kept);
    }
    if (!hive.foreignLines().empty()) {
        out += '\n';
        appendLines(out, hive.foreignLines());
    }
    return out;
}

}  // namespace platform::registry
