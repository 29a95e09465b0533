#include <cstdlib>
#include <cstring>
#include <string>

#include "gamekit/cards/Random.h"
#include "gamekit/containers/FatalError.h"
#include "gamekit/shell/MessagePanel.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/ShellState.h"
#include "platform/Gx.h"
#include "platform/Errors.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"

namespace gamekit {
namespace {

using shell::State;
using shell::state;

// fatalError shows the device's box with its fixed text; the formatted
// message goes to stderr and the event log, and the process ends with 1.
void reportFatal(const char* message) {
    std::fprintf(stderr, "fatal error: %s\n", message);
    platform::logEvent("fatal\t" + platform::escapeForLog(message));
    MessageBoxW(nullptr, L"ERROR!", L"Problem:", MB_OK | MB_ICONEXCLAMATION);
    shutdownApp(1);
}

// The class could not be registered: another instance started at the same
// moment got it (raise that one and end quietly), or the host refused the
// lock (say so and end with 1).
[[noreturn]] void classTaken(const ProgramInfo& program) {
    if (GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        if (HWND running = FindWindowW(program.className, nullptr)) {
            SendMessageW(running, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(running));
        }
        platform::exitProcess(0);
    }
    std::wstring text = L"Configuration Error. The program cannot start:\n";
    std::wstring detail;
    if (platform::fromUtf8(platform::startProblem(), detail)) text += detail;
    MessageBoxW(nullptr, text.c_str(), L"Problem:", MB_OK | MB_ICONEXCLAMATION);
    platform::exitProcess(1);
}

void drawFrame(State& s) {
    Surface surface(s.backBuffer, kScreenWidth, kScreenHeight);
    if (s.app) s.app->draw(surface);
}

void farewell(State& s) {
    if (s.app) s.app->saveSettings();
    if (s.farewell) {
        s.farewell(s.program->farewellText, s.program->title);
    } else {
        Surface surface(s.backBuffer, kScreenWidth, kScreenHeight);
        messagePanel(surface, s.program->farewellText, s.program->title);
    }
    pumpMessages(true);
    shutdownApp(0);
}

[[noreturn]] void mainLoop(State& s, GameAppFactory factory) {
    s.app = factory();
    if (s.app == nullptr) {
        // The settings could not be set up (the factory has said why):
        // stop rather than run without a game object.
        shutdownApp(1);
    }
    drawFrame(s);
    pumpMessages(true);

    bool tracking = false;
    for (;;) {
        s.frameStartTick = GetTickCount();
        if (takeTap()) {
            if (!tracking) {
                tracking = true;
                s.app->penDown(s.input.pressX, s.input.pressY);
            }
        } else if (tracking) {
            if (s.input.penDown) {
                if (s.program->hasPenMove) s.app->penMove(s.input.moveX, s.input.moveY);
            } else {
                tracking = false;
                s.app->penUp(s.input.moveX, s.input.moveY);
            }
        }
        bool left = takeLeft(), right = takeRight();
        if (s.program->hasLeftRight) {
            if (left) s.app->commandLeft();
            if (right) s.app->commandRight();
        }
        if (takeUp() && !s.program->ignoresUpIn(s.app->state())) s.app->commandNew();
        if (takeDown()) farewell(s);

        // Wait out the frame period without spinning: sleep until the next
        // message or the end of the period.
        for (;;) {
            pumpMessages(false);
            int32_t remaining =
                static_cast<int32_t>(s.program->framePeriodMs - (GetTickCount() - s.frameStartTick));
            if (remaining <= 0) break;
            MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(remaining), QS_ALLINPUT,
                                        MWMO_INPUTAVAILABLE);
        }
        if (s.suspended) continue;
        drawFrame(s);
        pumpMessages(true);
    }
}

}  // namespace

int runProgram(const ProgramInfo& program, GameAppFactory factory) {
    State& s = state();
    s.program = &program;
    // The window's title is the program's title, which may differ from its
    // class ("Pellandine Solitaire", class "PellandineSolitaire").
    const std::wstring title(program.title, program.title + std::strlen(program.title));
    platform::start(title);
    setFatalErrorHandler(&reportFatal);

    HWND running = FindWindowW(program.className, nullptr);
    if (running != nullptr) {
        SendMessageW(running, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(running));
        platform::exitProcess(0);
    }
    s.backBuffer = static_cast<uint16_t*>(std::calloc(kScreenWidth * kScreenHeight, sizeof(uint16_t)));
    if (s.backBuffer == nullptr) {
        MessageBoxW(nullptr, L"Out of memory!", L"Problem:", MB_OK | MB_ICONEXCLAMATION);
        platform::exitProcess(1);
    }
    shell::taskbar(false);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &shell::windowProcedure;
    windowClass.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(101));
    windowClass.hbrBackground = GetStockObject(BLACK_BRUSH);
    windowClass.lpszClassName = program.className;
    if (RegisterClassW(&windowClass) == 0) classTaken(program);
    s.window = CreateWindowExW(WS_EX_TOPMOST, program.className, title.c_str(), WS_VISIBLE, 0, 0,
                               kScreenWidth, kScreenHeight, nullptr, nullptr, nullptr, nullptr);
    if (s.window == nullptr) platform::exitProcess(1);
    ShowWindow(s.window, SW_SHOW);
    UpdateWindow(s.window);

    GXOpenDisplay(s.window, GX_FULLSCREEN);
    GXOpenInput();
    s.gxClosed = false;
    GXKeyList keys = GXGetDefaultKeys(GX_NORMALKEYS);
    s.keys = {keys.vkUp, keys.vkDown, keys.vkLeft, keys.vkRight};
    GXDisplayProperties properties = GXGetDisplayProperties();
    s.display.bitsPerPixel = static_cast<int32_t>(properties.cBPP);
    s.display.xPitch = static_cast<int32_t>(properties.cbxPitch);
    s.display.yPitch = static_cast<int32_t>(properties.cbyPitch);
    s.input = shell::InputState{};
    s.frameStartTick = GetTickCount();
    seedRandom(GetTickCount());

    wchar_t oem[100] = {};
    SystemParametersInfoW(SPI_GETOEMINFO, sizeof oem, oem, 0);
    s.display.fixedFrameBuffer = oem[12] == L'H' && oem[13] == L'3' && oem[14] == L'8';

    mainLoop(s, factory);
}

}  // namespace gamekit
