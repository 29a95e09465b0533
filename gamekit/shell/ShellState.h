#pragma once

// Internal to the shell: its process-wide state.

#include <cstdint>

#include "gamekit/shell/Shell.h"
#include "platform/Windows.h"

namespace gamekit::shell {

struct InputState {
    bool tapPending = false;
    bool penDown = false;
    int32_t downX = 0, downY = 0;
    int32_t moveX = 0, moveY = 0;
    // The press point, kept apart from downX/downY, which the release in
    // the same frame overwrites.
    int32_t pressX = 0, pressY = 0;
    int32_t upPressed = 0, downPressed = 0, leftPressed = 0, rightPressed = 0;
};

struct KeyCodes {
    int32_t up = 0, down = 0, left = 0, right = 0;
};

struct State {
    HWND window = nullptr;
    uint16_t* backBuffer = nullptr;
    DisplayInfo display;
    KeyCodes keys;
    bool gxClosed = true;
    bool suspended = false;
    uint32_t frameStartTick = 0;
    InputState input;
    const ProgramInfo* program = nullptr;
    GameApp* app = nullptr;
    FarewellPanel farewell = nullptr;
};

State& state();

LRESULT windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void taskbar(bool show);

}  // namespace gamekit::shell
