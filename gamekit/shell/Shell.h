#pragma once

// The application shell: start-up, the window and its messages, the polled
// input record, the main loop, presentation and the orderly shutdown. One of
// each per process.

#include <cstdint>

#include "gamekit/shell/GameApp.h"
#include "gamekit/shell/Presentation.h"
#include "gamekit/shell/ProgramInfo.h"

namespace gamekit {

// Runs the program: refuses a second instance, opens the window and the
// display, loads the settings and the game object through `factory`, and
// runs the main loop. It never returns: the process ends in shutdownApp, or
// at once with exit code 0 when a second instance has handed over to the
// first (as the device does) and 1 when the window cannot be made.
int runProgram(const ProgramInfo& program, GameAppFactory factory);

// The 5-6-5 image of the whole screen every frame is drawn into. The main
// loop paints only what changed from one frame to the next; whoever asks
// for the image may write it, so the frame being drawn is painted up to
// here and the next one is painted whole.
uint16_t* backBuffer();
// The same image, to be read only (as presenting it does).
const uint16_t* screenImage();
const DisplayInfo& displayInfo();

// The polled keys and taps; the press and move points reach the game through
// GameApp's pen handlers.
bool takeTap();  // true once after one or more presses
bool takeUp();
bool takeDown();
bool takeLeft();
bool takeRight();

// Presents backBuffer when asked and not suspended, then dispatches every
// waiting window message; sleeps 1 ms afterwards while suspended.
void pumpMessages(bool present);
// Pumps messages and waits (without spinning) up to `milliseconds` for the
// next one; modal loops call this between frames.
void waitForMessages(uint32_t milliseconds);

// Ends the process in order: task bar shown, display and keys released.
// Exit code 0 for a normal end, 1 for a failure.
[[noreturn]] void shutdownApp(int exitCode = 0);

// The tick count at the start of the current main-loop iteration.
uint32_t frameStartTick();

// Application commands of the menus and keys.
[[noreturn]] void commandExit();  // save the settings, then end (no farewell panel)
// The program goes to the background (deactivates itself) once the current
// handler has returned, so the menu that chose it closes first.
void commandSuspend();

// The system message box (OK button) for the programs' 8-bit texts, which
// the system takes wide.
void showMessageBox(const char* text, const char* caption);

}  // namespace gamekit
