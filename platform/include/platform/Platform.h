#pragma once

// What the desktop needs beyond the handheld's own services: start-up from
// the environment, the process exit, the event log and the screen image.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ScreenSize.h"

namespace platform {

enum class DisplayKind { Portrait16, Pitch512, Landscape16, Palette8, Gray4, Fixed };

const char* displayKindName(DisplayKind kind);
bool parseDisplayKind(const std::string& name, DisplayKind* kind);

// The screen decoded to 0xRRGGBB pixels, row-major.
struct ScreenImage {
    static constexpr int kWidth = kScreenWidth;
    static constexpr int kHeight = kScreenHeight;
    std::vector<uint32_t> pixels = std::vector<uint32_t>(kWidth * kHeight, 0);
};

// Reads the environment (DECKHOLLOW_BACKEND, _DISPLAY, _SCRIPT, _LOG, _TICK0,
// _SCALE) and starts the chosen backend. A refused value is reported on
// stderr and ends the process with exit code 2. `programTitle` names the
// desktop window.
void start(const std::wstring& programTitle);

// Ends the process: the backend is closed and the headless log records the
// exit code.
[[noreturn]] void exitProcess(int code);

// Why RegisterClassW failed for a reason of the host rather than because
// another running program holds the class (GetLastError() is then
// ERROR_ACCESS_DENIED): "PATH: reason", for the start-up's message.
const std::string& startProblem();

// Ending from outside. A termination signal (SIGTERM, SIGINT, SIGHUP) or
// the loss of the desktop display ends the program as its Exit command does:
// the end handler saves what must survive (false when it could not), and the
// process ends with 0, or 1 when saving failed.
using EndHandler = bool (*)();
void setEndHandler(EndHandler handler);
// Saves through the end handler and goes on (false when saving failed): the
// browser's page does it when it is hidden, as a hidden tab may be closed.
bool saveNow();
// Takes the termination signals on a thread of its own; start() calls it
// before any other thread exists.
void watchTerminationSignals();
// The signal that asked the program to end, once (0 otherwise); the window
// system then closes the main window. Main thread only.
int takeEndRequest();
// The main thread ends the process with `exitCode` from here on; a signal
// arriving now leaves the end to it.
void claimEnd(int exitCode);
// Ends at once, saving through the end handler unless an end is already
// under way; nothing of the backend is touched (its display may be gone).
[[noreturn]] void endNow(const std::string& why);
// Set while the main thread waits in a box the desktop shows, where it reads
// no messages: a signal then ends the program from its own thread.
struct ModalScope {
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};
// Wakes the main thread from its wait for input; called from the signal
// thread, so it must be safe there (SDL's event push is).
void setWaker(void (*wake)());

// One line of the headless event log (tab-separated fields); ignored by the
// desktop backend.
void logEvent(const std::string& line);

// The screen as the display currently shows it, decoded from the emulated
// frame buffer of whatever display kind is in use.
void decodeScreen(ScreenImage* image);

// Writes `width` x `height` 0xRRGGBB pixels (row-major) as an 8-bit RGB PNG;
// false, with the reason on stderr, when the file cannot be written.
bool writePng(const std::string& path, int width, int height, const uint32_t* pixels);
bool writePng(const std::string& path, const ScreenImage& image);

// Text helpers for the log and messages.
std::string narrow(const wchar_t* text);
std::string escapeForLog(const std::string& text);

}  // namespace platform
