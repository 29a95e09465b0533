// The browser backend. The program runs on the page's one thread; whenever
// it waits (the frame wait, MsgWaitForMultipleObjectsEx, Sleep, a message
// box) Asyncify hands the thread back to the browser, which draws the
// canvas and gathers input, so the modal loops keep their shape. The page
// side (canvas, pointer, keys, dialog, audio) is site/page.js; these calls
// reach it as Module.page.

#include "WebBackend.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdint>
#include <ctime>

#include "platform/Windows.h"

// The page's side, in module.js and site/page.js.
EM_JS(double, web_now, (), { return performance.now(); });
EM_JS(double, web_hold, (), { return Module.page.hold; });
EM_ASYNC_JS(void, web_wait, (double ms), { await Module.page.wait(ms); });
EM_ASYNC_JS(void, web_yield, (), { await Module.page.yieldNow(); });
EM_ASYNC_JS(void, web_block, (double now), { await Module.page.block(now); });
EM_JS(int, web_next_event, (int* data), {
    const event = Module.page.nextEvent();
    if (!event) return 0;
    HEAP32[data >> 2] = event[1];
    HEAP32[(data >> 2) + 1] = event[2];
    return event[0];
});
EM_JS(void, web_present, (const uint32_t* pixels), {
    Module.page.present(HEAPU32.subarray(pixels >> 2, (pixels >> 2) + 240 * 320));
});
EM_JS(int, web_play, (const char* path), {
    const name = UTF8ToString(path);
    let bytes;
    try {
        bytes = FS.readFile(name);
    } catch (e) {
        return 0;
    }
    return Module.page.play(name, bytes) ? 1 : 0;
});
EM_ASYNC_JS(void, web_box, (const char* caption, const char* text), {
    await Module.page.messageBox(UTF8ToString(caption), UTF8ToString(text));
});
EM_JS(void, web_log, (const char* line), { Module.page.log(UTF8ToString(line)); });
EM_JS(void, web_ended, (int code), { Module.page.ended(code); });
EM_JS(void, web_raise, (), { Module.page.raise(); });
EM_JS(void, web_title, (const char* title), { Module.page.setTitle(UTF8ToString(title)); });

namespace {

// What page.nextEvent reports; data[0], data[1] carry the point or key.
enum Event { kNone, kDown, kMove, kUp, kKeyDown, kKeyUp, kShown, kHidden, kClose };

// A program that only polls (PeekMessageW without waiting) still lets the
// page draw and take input this often.
constexpr double kYieldEveryMs = 16;

class WebBackend : public platform::Backend {
public:
    explicit WebBackend(std::optional<DWORD> virtualStart)
        : virtual_(virtualStart.has_value()), now_(virtualStart.value_or(0)), start_(now_) {
        lastYield_ = web_now();
    }

    DWORD tickCount() override {
        return static_cast<DWORD>(virtual_ ? now_ : static_cast<uint64_t>(web_now()));
    }

    void systemTime(SYSTEMTIME* time) override {
        if (!virtual_) return Backend::systemTime(time);
        // The same wall clock as a headless run of the same start.
        const uint64_t elapsed = now_ - start_;
        platform::toSystemTime(kEpoch + static_cast<std::time_t>(elapsed / 1000), elapsed % 1000,
                               time);
    }

    void sleep(DWORD milliseconds) override {
        if (!virtual_) {
            const double end = web_now() + milliseconds;
            for (double left = milliseconds; left > 0; left = end - web_now()) {
                web_wait(left);
                deliver();
            }
            return;
        }
        const uint64_t target = now_ + milliseconds;
        while (now_ < target) advanceTowards(target);
        deliver();
    }

    void pumpEvents(DWORD waitMs) override {
        deliver();
        if (platform::input::messagesPending()) {
            yieldNowAndThen();
            return;
        }
        // The program has answered the player's last lift or key and waits:
        // what it would keep on Exit is stored now. A page may be reloaded
        // or closed at any moment, and what it writes while it goes away is
        // not sure to reach the browser's storage.
        if (unsaved_) {
            unsaved_ = false;
            platform::saveNow();
        }
        if (virtual_) {
            // As headless: even a poll costs a millisecond of device time,
            // and the wait is spent whole unless input comes. A wait that
            // ran into the driver's limit goes on once the limit moves:
            // ending there would spend less time than the same wait in a
            // headless run, and every later tick (a deal's seed) would differ.
            const uint64_t target = now_ + std::max<DWORD>(waitMs, 1);
            while (now_ < target && !platform::input::messagesPending()) advanceTowards(target);
            return;
        }
        if (waitMs > 0) {
            web_wait(waitMs);
            lastYield_ = web_now();
        } else {
            yieldNowAndThen();
        }
        deliver();
    }

    void framePresented() override {
        platform::decodeScreen(&image_);
        web_present(image_.pixels.data());
    }

    bool playWave(const std::string& hostPath) override { return web_play(hostPath.c_str()) != 0; }

    void messageBox(const std::string& caption, const std::string& text) override {
        web_box(caption.c_str(), text.c_str());
    }

    void raiseWindow() override { web_raise(); }
    void log(const std::string& line) override { web_log(line.c_str()); }
    void shutdown(int exitCode) override { web_ended(exitCode); }

private:
    static constexpr std::time_t kEpoch = 1780308000;  // 2026-06-01 10:00:00 UTC, as headless

    // Virtual clock: moves towards `target` no further than the driver
    // allows. At that limit the driver's commands for the tick (input, a
    // screenshot) are taken before the wait goes on or ends, as a headless
    // run applies a scripted event the moment the clock reaches its time;
    // the page is idle until the driver moves the limit or input comes.
    void advanceTowards(uint64_t target) {
        if (static_cast<double>(now_) >= web_hold()) {
            web_block(static_cast<double>(now_));
        } else {
            const double hold = web_hold();
            now_ = hold < static_cast<double>(target) ? static_cast<uint64_t>(hold) : target;
            yieldNowAndThen();
            if (static_cast<double>(now_) >= web_hold()) web_block(static_cast<double>(now_));
        }
        deliver();
    }

    void yieldNowAndThen() {
        const double now = web_now();
        if (now - lastYield_ < kYieldEveryMs) return;
        web_yield();
        lastYield_ = web_now();
    }

    // Hands the page's input to the device's window, in the order made.
    void deliver() {
        int data[2] = {0, 0};
        for (int kind; (kind = web_next_event(data)) != kNone;) {
            switch (kind) {
                case kDown: platform::input::stylusDown(data[0], data[1]); break;
                case kMove: platform::input::stylusMove(data[0], data[1]); break;
                case kUp:
                    platform::input::stylusUp(data[0], data[1]);
                    unsaved_ = true;
                    break;
                case kKeyDown: platform::input::key(data[0], true); break;
                case kKeyUp:
                    platform::input::key(data[0], false);
                    unsaved_ = true;
                    break;
                case kShown: platform::input::focus(true); break;
                case kHidden:
                    // A hidden page may be closed without another word:
                    // what must survive is saved now.
                    platform::input::focus(false);
                    platform::saveNow();
                    break;
                case kClose: platform::input::closeRequested(); break;
                default: break;
            }
        }
    }

    bool virtual_;
    bool unsaved_ = false;  // input came since the last save
    uint64_t now_;
    uint64_t start_;
    double lastYield_ = 0;
    platform::ScreenImage image_;
};

}  // namespace

// The page is going away (pagehide): what must survive is saved at once,
// from outside the program's own wait (see module.js, saveForUnload).
extern "C" EMSCRIPTEN_KEEPALIVE void deckhollow_save_for_unload() {
    platform::saveNow();
}

namespace platform {

std::unique_ptr<Backend> createWebBackend(const std::wstring& title,
                                          std::optional<DWORD> virtualStart) {
    web_title(narrow(title.c_str()).c_str());
    return std::make_unique<WebBackend>(virtualStart);
}

}  // namespace platform
