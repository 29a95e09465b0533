// Feeds arbitrary device paths to the device-path mapping over a small root
// with entries in several spellings. Whatever it returns must lie inside the
// root: no "." or ".." component, no control character, nothing above it.

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/Device.h"

namespace {

std::string root;

void prepareRoot() {
    static char inMemory[] = "/dev/shm/deckhollow-fuzz-path-XXXXXX";
    static char onDisk[] = "/tmp/deckhollow-fuzz-path-XXXXXX";
    const char* made = ::mkdtemp(inMemory);
    if (made == nullptr) made = ::mkdtemp(onDisk);
    if (made == nullptr) abort();
    root = made;
    for (const char* folder : {"/Windows", "/Program Files", "/Program Files/Tarnwick Software",
                               "/program files", "/Ab", "/aB", "/\xC3\xA9t\xC3\xA9"}) {
        ::mkdir((root + folder).c_str(), 0755);
    }
    std::FILE* file = std::fopen((root + "/Windows/Shuffle.WAV").c_str(), "w");
    if (file != nullptr) std::fclose(file);
    platform::setDeviceRootForTesting(root);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (root.empty()) prepareRoot();
    // Odd first byte: one character a byte; even: 32-bit characters.
    std::wstring path;
    if (size > 0 && (data[0] & 1) != 0) {
        for (size_t i = 1; i < size; ++i) path.push_back(static_cast<wchar_t>(data[i]));
    } else {
        for (size_t i = 1; i + 4 <= size; i += 4) {
            uint32_t c = data[i] | (data[i + 1] << 8) | (data[i + 2] << 16) |
                         (static_cast<uint32_t>(data[i + 3] & 0x7F) << 24);
            path.push_back(static_cast<wchar_t>(c));
        }
    }
    std::string host = platform::hostPath(path.c_str());
    if (host.empty()) return 0;
    if (host.compare(0, root.size(), root) != 0) abort();
    std::string below = host.substr(root.size());
    if (!below.empty() && below[0] != '/') abort();
    size_t start = 0;
    while (start < below.size()) {
        size_t end = below.find('/', start + 1);
        if (end == std::string::npos) end = below.size();
        std::string component = below.substr(start + 1, end - start - 1);
        if (component.empty() || component == "." || component == "..") abort();
        for (unsigned char c : component) {
            if (c < 0x20) abort();
        }
        start = end;
    }
    return 0;
}
