#pragma once

// The one small interface a backend implements. platform/core holds
// everything that does not depend on it; the desktop window (sdl/) and the
// scripted test run (headless/) each provide one.

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "platform/Windows.h"

namespace platform {

class Backend {
public:
    virtual ~Backend() = default;

    virtual DWORD tickCount() = 0;
    virtual void sleep(DWORD milliseconds) = 0;
    // Real UTC time on the desktop; a run's own clock when headless.
    virtual void systemTime(SYSTEMTIME* time);

    // Delivers pending input through platform::input. With `waitMs` above 0
    // and nothing pending it may block up to that long for an event.
    virtual void pumpEvents(DWORD waitMs) = 0;

    // A complete picture was written to the emulated frame buffer.
    virtual void framePresented() {}
    // The display was opened or closed.
    virtual void displayOpened(bool /*open*/) {}
    // Plays a wave file in the background; false when it cannot be played.
    virtual bool playWave(const std::string& hostPath) = 0;
    virtual void messageBox(const std::string& caption, const std::string& text) = 0;
    virtual void taskbarChanged(bool /*shown*/) {}
    // Another start of the program asked this one to come to the front.
    virtual void raiseWindow() {}
    // The program hid its window itself (false: the device's Suspend) or
    // showed it again, with no focus change from the desktop behind it.
    virtual void mainWindowShown(bool /*shown*/) {}
    virtual void log(const std::string& /*line*/) {}
    // The process is about to end with `exitCode`.
    virtual void shutdown(int /*exitCode*/) {}
};

// Fills a SYSTEMTIME from seconds since 1970 (UTC) and milliseconds.
void toSystemTime(std::time_t seconds, unsigned milliseconds, SYSTEMTIME* time);

// The backend in use; a plain one (real clock, messages on stderr, no
// window) until start() installs another.
Backend& backend();
void setBackend(std::unique_ptr<Backend> backend);

// Input as the backends deliver it to the device's window. Points outside the
// screen are clamped, as a touch screen reports them.
namespace input {
void stylusDown(int x, int y);  // a move to the point, then the press
void stylusMove(int x, int y);
void stylusUp(int x, int y);
void key(int virtualKey, bool down);
void focus(bool gained);
void closeRequested();
// True while window messages wait in the queue.
bool messagesPending();
}  // namespace input

}  // namespace platform
