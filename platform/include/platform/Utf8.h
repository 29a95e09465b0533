#pragma once

// The device's strings are wide; the host's file names and the registry file
// are UTF-8. wchar_t holds one code point here (4 bytes), so the conversion
// is a plain per-character encoding with no locale involved.

#include <string>
#include <string_view>

namespace platform {

// Encodes `text`; characters that are not Unicode scalar values (surrogates,
// values above U+10FFFF) become U+FFFD so the result is always valid UTF-8.
std::string toUtf8(std::wstring_view text);

// Decodes `bytes`. Returns false (and leaves `out` unspecified) when the bytes
// are not well-formed UTF-8: overlong forms, surrogates and truncated
// sequences are all refused.
bool fromUtf8(std::string_view bytes, std::wstring& out);

// ASCII-only case folding, the comparison the device uses for file, key and
// value names that the programs spell in more than one way.
wchar_t foldCase(wchar_t c);
bool equalsIgnoringCase(std::wstring_view a, std::wstring_view b);
std::wstring foldedCopy(std::wstring_view text);

}  // namespace platform
