#pragma once

// Internal to the shell: its process-wide state.

#include <cstdint>

#include "gamekit/graphics/DrawingRecord.h"
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

    // The press the main loop has handed to the game and not yet finished
    // with a pen-up. A press made while the game is busy (a card flight, a
    // deal) waits as the pending one (tapPending) with its own release
    // point, so it reaches the game in order after the busy one; while one
    // waits, further presses are dropped with their moves and release.
    bool tracking = false;
    bool trackedReleased = false;
    int32_t trackedUpX = 0, trackedUpY = 0;
    bool pendingReleased = false;
    int32_t pendingUpX = 0, pendingUpY = 0;
    bool dropping = false;
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
    // Game > Suspend was chosen: carried out by the main loop once the
    // handler (and the menu it came from) has finished.
    bool suspendRequested = false;
    // Suspended by Game > Suspend (not by a focus taken away): input is
    // dropped until the program is back in front.
    bool handedBack = false;
    // The screen as it was before Suspend dimmed it, put back on resuming.
    uint16_t* undimmed = nullptr;
    uint32_t frameStartTick = 0;
    InputState input;
    const ProgramInfo* program = nullptr;
    GameApp* app = nullptr;
    // The frames drawn into backBuffer, painted where they change. Input
    // handed to the game may change what no drawing call shows (a theme's
    // colours, a cached picture), so the frame after it is painted whole.
    DrawingRecord frames;
    // The rows of backBuffer written since they were last presented, and
    // whether the main loop's frame is all that was drawn since: anything
    // else may keep the image's address and write it between presents.
    int unpresentedTop = 0, unpresentedBottom = kScreenHeight;
    bool onlyFrameDrawn = false;
    // DECKHOLLOW_WHOLE_FRAMES=1: every frame painted and presented whole.
    bool wholeFrames = false;
};

State& state();

LRESULT windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void taskbar(bool show);
// Drops the input not yet handed to the game and finishes a press in
// progress, when Game > Suspend hands the device back.
void dropPendingInput(State& s);
// Saves the game's settings for the end of the program; false when they
// could not be written.
bool saveForEnd();

// Rows of backBuffer, bottom excluded.
struct RowSpan {
    int top = 0, bottom = 0;
};
// What presenting has to copy: the rows the main loop's frame painted since
// the last present, or every row when anything else may have drawn.
RowSpan unpresentedRows();
void rowsWritten(int top, int bottom);
void frameDrawn();
void rowsPresented();

}  // namespace gamekit::shell
