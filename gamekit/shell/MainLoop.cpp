#include <cstdlib>
#include <cstring>
#include <string>

#include "gamekit/cards/Random.h"
#include "gamekit/containers/FatalError.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
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

constexpr const char* kPausedLine = "Paused: click to continue";

// fatalError shows the device's box with its fixed text; the formatted
// message goes to stderr and the event log, and the process ends with 1.
// After a fatal error nothing is saved, whatever ends the program.
bool nothingSaved() { return false; }

void reportFatal(const char* message) {
    platform::setEndHandler(&nothingSaved);
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
    if (s.app == nullptr) return;
    if (s.wholeFrames) s.frames.forget();
    Surface surface(s.backBuffer, kScreenWidth, kScreenHeight);
    s.frames.drawFrame(surface, [&s](Surface& screen) { s.app->draw(screen); });
    const ScreenBox changed = s.frames.changed().bounds();
    shell::rowsWritten(changed.top, changed.bottom);
    shell::frameDrawn();
}

void farewell(State& s) {
    const bool saved = shell::saveForEnd();
    if (s.program->farewell == FarewellStyle::SystemBox) {
        showMessageBox(s.program->farewellText, s.program->title);
    } else {
        Surface surface(s.backBuffer, kScreenWidth, kScreenHeight);
        messagePanel(surface, s.program->farewellText, s.program->title);
    }
    pumpMessages(true);
    shutdownApp(saved ? 0 : 1);
}

// One press at a time reaches the game, in the order made: pen-down, the
// moves while it is held, pen-up where it came up. A press made while the
// game was still busy with the previous one (a card flight or a deal run
// inside its handler) waits and follows once that one has come up.
void handPenToGame(State& s) {
    shell::InputState& in = s.input;
    if (in.tracking) {
        if (in.trackedReleased) {
            in.tracking = false;
            s.frames.forget();
            s.app->penUp(in.trackedUpX, in.trackedUpY);
        } else if (in.penDown && s.program->hasPenMove) {
            s.frames.forget();
            s.app->penMove(in.moveX, in.moveY);
        }
        return;
    }
    if (!takeTap()) return;
    s.frames.forget();
    in.tracking = true;
    in.trackedReleased = in.pendingReleased;
    in.trackedUpX = in.pendingUpX;
    in.trackedUpY = in.pendingUpY;
    s.app->penDown(in.pressX, in.pressY);
}

// The last screen at half brightness with one line saying how to come back.
void drawPausedScreen(State& s) {
    uint16_t* p = s.backBuffer;
    for (int i = 0; i < kScreenWidth * kScreenHeight; ++i) {
        p[i] = static_cast<uint16_t>((p[i] >> 1) & 0x7BEF);  // each 5-6-5 field halved
    }
    Surface surface(s.backBuffer, kScreenWidth, kScreenHeight);
    drawRect(surface, 0, 150, kScreenWidth - 1, 170, kShapeOutlineFilled, colours::kWhite,
             colours::kBlack);
    BitmapFont& font = font1();
    FontStyle style(font, colours::kWhite, colours::kBlack, true);
    font.drawCentred(surface, kScreenWidth / 2, 160 - font.height() / 2, kPausedLine);
}

// Game > Suspend hands the device back: the program goes to the background
// as when another program takes the focus. The menu that chose it has closed
// by now, so the screen left behind is the game's own, dimmed with a line
// saying how to come back; a tap or key on the desktop window then only
// brings it back.
void suspend(State& s) {
    s.suspendRequested = false;
    if (s.suspended) return;
    drawFrame(s);
    const size_t bytes = sizeof(uint16_t) * kScreenWidth * kScreenHeight;
    if (s.undimmed == nullptr) s.undimmed = static_cast<uint16_t*>(std::malloc(bytes));
    if (s.undimmed != nullptr) std::memcpy(s.undimmed, s.backBuffer, bytes);
    drawPausedScreen(s);
    s.frames.forget();
    shell::rowsWritten(0, kScreenHeight);
    presentFrame();
    s.handedBack = true;
    shell::dropPendingInput(s);
    SendMessageW(s.window, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(s.window));
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

    for (;;) {
        s.frameStartTick = GetTickCount();
        handPenToGame(s);
        bool left = takeLeft(), right = takeRight();
        if (s.program->hasLeftRight && (left || right)) {
            s.frames.forget();
            if (left) s.app->commandLeft();
            if (right) s.app->commandRight();
        }
        if (takeUp() && !s.program->ignoresUpIn(s.app->state())) {
            s.frames.forget();
            s.app->commandNew();
        }
        if (takeDown()) farewell(s);
        if (s.suspendRequested) suspend(s);

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
    const char* whole = std::getenv("DECKHOLLOW_WHOLE_FRAMES");
    s.wholeFrames = whole != nullptr && std::strcmp(whole, "1") == 0;
    // The window's title is the program's title, which may differ from its
    // class ("Pellandine Solitaire", class "PellandineSolitaire").
    const std::wstring title(program.title, program.title + std::strlen(program.title));
    platform::start(title);
    setFatalErrorHandler(&reportFatal);
    // A signal or a lost display ends the program as Exit does.
    platform::setEndHandler(&shell::saveForEnd);

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
