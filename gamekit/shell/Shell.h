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
// runs the main loop. Returns only when the program cannot start (0 when a
// second instance handed over to the first, as the device does).
int runProgram(const ProgramInfo& program, GameAppFactory factory);

// The 240 x 320 5-6-5 image every frame is drawn into.
uint16_t* backBuffer();
const DisplayInfo& displayInfo();
const ProgramInfo& currentProgram();
GameApp* currentApp();

// The polled input record.
bool takeTap();  // true once after one or more presses
bool penIsDown();
int tapX();
int tapY();
int dragX();
int dragY();
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
bool isSuspended();

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

// How the farewell of the Down key is shown when a program does not use the
// message panel (Pellandine shows a message box instead).
using FarewellPanel = void (*)(const char* text, const char* heading);
void setFarewellPanel(FarewellPanel panel);

}  // namespace gamekit
