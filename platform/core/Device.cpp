#include "platform/Device.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/Utf8.h"

namespace platform {

namespace {

std::string& rootStorage() {
    static std::string root;
    return root;
}

bool& rootReady() {
    static bool ready = false;
    return ready;
}

std::string defaultRoot() {
    const char* explicitRoot = std::getenv("DECKHOLLOW_ROOT");
    if (explicitRoot != nullptr && explicitRoot[0] != '\0') return explicitRoot;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] != '\0') return std::string(dataHome) + "/deckhollow";
    const char* home = std::getenv("HOME");
    std::string base = (home != nullptr && home[0] != '\0') ? home : ".";
    return base + "/.local/share/deckhollow";
}

// mkdir -p: every missing directory on the way is made.
void makeDirectories(const std::string& path) {
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string prefix = path.substr(0, slash);
        if (!prefix.empty()) ::mkdir(prefix.c_str(), 0777);
        if (slash == std::string::npos) break;
    }
}

bool isSafeComponent(std::wstring_view component) {
    if (component == L"." || component == L"..") return false;
    for (wchar_t c : component) {
        if (c == L'/' || static_cast<uint32_t>(c) < 0x20) return false;
    }
    return true;
}

// The entry of `directory` that names `component` on the device, or "" if
// there is none. An exact match wins; among entries differing only in case
// the smallest name is taken, so the choice does not depend on readdir order.
std::string matchEntry(const std::string& directory, std::wstring_view component,
                       const std::string& exact) {
    struct stat info;
    if (::lstat((directory + "/" + exact).c_str(), &info) == 0) return exact;
    DIR* dir = ::opendir(directory.c_str());
    if (dir == nullptr) return "";
    std::string best;
    std::wstring decoded;
    while (struct dirent* entry = ::readdir(dir)) {
        std::string_view name(entry->d_name);
        if (name == "." || name == "..") continue;
        if (!fromUtf8(name, decoded) || !equalsIgnoringCase(decoded, component)) continue;
        if (best.empty() || name < best) best = std::string(name);
    }
    ::closedir(dir);
    return best;
}

}  // namespace

const std::string& deviceRoot() {
    std::string& root = rootStorage();
    if (root.empty()) root = defaultRoot();
    if (!rootReady()) {
        makeDirectories(root);
        rootReady() = true;
    }
    return root;
}

void setDeviceRootForTesting(const std::string& root) {
    rootStorage() = root;
    rootReady() = false;
}

std::string hostPath(const wchar_t* devicePath) {
    if (devicePath == nullptr) return "";
    std::wstring_view rest(devicePath);
    std::string path = deviceRoot();
    bool resolving = true;  // once a component is missing, nothing below it exists
    while (!rest.empty()) {
        size_t separator = rest.find(L'\\');
        std::wstring_view component = rest.substr(0, separator);
        rest =
            separator == std::wstring_view::npos ? std::wstring_view() : rest.substr(separator + 1);
        if (component.empty()) continue;
        if (!isSafeComponent(component)) return "";
        std::string written = toUtf8(component);
        if (resolving) {
            std::string found = matchEntry(path, component, written);
            if (found.empty()) {
                resolving = false;
            } else {
                written = found;
            }
        }
        path += "/";
        path += written;
    }
    return path;
}

}  // namespace platform
