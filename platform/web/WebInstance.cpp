// One program per class in all tabs of the browser: the holder keeps the
// browser lock "deckhollow-instance:<class>" for the life of its page and
// listens on a broadcast channel of the same name, where a second start
// leaves the message it would have written to the socket. The browser drops
// the lock of a closed or reloaded tab, as the kernel drops a dead process's
// flock. The JavaScript is in module.js.

#include <emscripten.h>

#include <string>

#include "../core/Instance.h"
#include "../core/WindowSystem.h"
#include "platform/Backend.h"
#include "platform/Platform.h"

// The page's side, in module.js and site/page.js.
EM_ASYNC_JS(int, deckhollow_instance_claim, (const char* name), {
    return await deckhollowInstance.claim(UTF8ToString(name));
});
EM_ASYNC_JS(int, deckhollow_instance_held, (const char* name), {
    return await deckhollowInstance.held(UTF8ToString(name));
});
EM_JS(void, deckhollow_instance_send, (const char* name, unsigned message, double wParam), {
    deckhollowInstance.send(UTF8ToString(name), message, wParam);
});
EM_JS(int, deckhollow_instance_next, (unsigned* message, double* wParam), {
    return deckhollowInstance.next(message, wParam);
});

namespace {

// The lock's name: the class in lower case, as FindWindowW compares it.
std::string lockName(const std::wstring& className) {
    std::string name;
    for (wchar_t c : className) {
        wchar_t lower = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
        name += lower < 128 ? static_cast<char>(lower) : '_';
    }
    return name;
}

}  // namespace

namespace platform::instance {

const std::string& problem() {
    static const std::string none;
    return none;
}

Claim claim(const std::wstring& className) {
    return deckhollow_instance_claim(lockName(className).c_str()) ? Claim::Taken
                                                                  : Claim::HeldElsewhere;
}

bool heldElsewhere(const std::wstring& className) {
    return deckhollow_instance_held(lockName(className).c_str()) != 0;
}

void send(const std::wstring& className, UINT message, WPARAM wParam) {
    deckhollow_instance_send(lockName(className).c_str(), message, static_cast<double>(wParam));
}

void poll() {
    unsigned message = 0;
    double wParam = 0;
    while (deckhollow_instance_next(&message, &wParam)) {
        windows::post(windows::mainWindow(), message, static_cast<WPARAM>(wParam), 0);
        if (message == WM_ACTIVATE && LOWORD(static_cast<WPARAM>(wParam)) != WA_INACTIVE) {
            backend().raiseWindow();
        }
        logEvent("message\tfrom another instance\t" + std::to_string(message) + "\t" +
                 std::to_string(static_cast<WPARAM>(wParam)));
    }
}

}  // namespace platform::instance
