// The shell's services: full-screen flags, the OEM string, message boxes, the
// event log and the process exit.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Config.h"
#include "platform/Backend.h"
#include "platform/Windows.h"

namespace {

std::wstring oemInfo() {
    // Characters 12 to 14 tell the fixed-frame-buffer device apart.
    if (platform::config().display == platform::DisplayKind::Fixed) {
        return L"EmulatedHHD H380 fixed frame buffer";
    }
    std::string kind = platform::displayKindName(platform::config().display);
    return L"EmulatedHHD P240 " + std::wstring(kind.begin(), kind.end());
}
}  // namespace

// The emulated screen has no task-bar, input-panel or start icons of its
// own to hide: the task bar is the "HHTaskbar" window, shown and hidden by
// ShowWindow.
BOOL SHFullScreen(HWND, DWORD) { return TRUE; }

BOOL SystemParametersInfoW(UINT action, UINT param, void* buffer, UINT) {
    if (action != SPI_GETOEMINFO || buffer == nullptr || param < sizeof(wchar_t)) return FALSE;
    std::wstring info = oemInfo();
    size_t capacity = param / sizeof(wchar_t);
    size_t n = info.size() < capacity - 1 ? info.size() : capacity - 1;
    auto* out = static_cast<wchar_t*>(buffer);
    info.copy(out, n);
    out[n] = L'\0';
    return TRUE;
}

int MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
    std::string c = platform::narrow(caption ? caption : L"");
    std::string t = platform::narrow(text ? text : L"");
    platform::logEvent("messagebox\t" + platform::escapeForLog(c) + "\t" + platform::escapeForLog(t));
    // A problem box is also said on stderr, where a start that ends at once
    // is looked for.
    if ((type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION) {
        std::fprintf(stderr, "%s %s\n", c.c_str(), t.c_str());
    }
    {
        platform::ModalScope modal;
        platform::backend().messageBox(c, t);
    }
    return IDOK;
}

namespace platform {

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) {
        wchar_t c = *text;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | ((c >> 12) & 0x0F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string escapeForLog(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            continue;
        } else {
            out += c;
        }
    }
    return out;
}

void logEvent(const std::string& line) { backend().log(line); }

void exitProcess(int code) {
    claimEnd(code);
    logEvent("exit\t" + std::to_string(code));
    backend().shutdown(code);
    std::fflush(nullptr);
    std::exit(code);
}

}  // namespace platform
