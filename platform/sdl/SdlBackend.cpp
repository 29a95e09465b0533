// The desktop backend: the device's screen in a window, the mouse as the
// stylus, the arrow keys as the hardware keys, sounds through the audio
// device, message boxes as dialogs, and a frame wait that sleeps.

#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "../core/Display.h"
#include "Screenshot.h"
#include "SdlAudio.h"
#include "SdlWindow.h"
#include "StartTiming.h"
#include "VideoStartEnvironment.h"
#include "platform/Backend.h"
#include "platform/Backends.h"

namespace platform::sdl {
namespace {

// A close that arrives both as the window's close and as the quit event is
// one request; a later one (the first was not acted on yet) is sent again.
constexpr Uint32 kCloseRepeatMs = 500;

// Xlib's default answer to a lost connection is exit(), which runs the
// destructors, which close the window on the dead connection and wait there
// for ever. The program ends as its Exit command does instead, touching the
// connection no more. Xlib must not get control back from here: it would
// exit.
int displayLost(void*) { platform::endNow("the desktop display went away"); }

// SDL loads Xlib itself when it drives an X11 display; the handler is set
// in that same library, looked up rather than linked.
void watchForALostDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::strcmp(driver, "x11") != 0) return;
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (xlib == nullptr) return;
    using Handler = int (*)(void*);
    using SetHandler = Handler (*)(Handler);
    auto set = reinterpret_cast<SetHandler>(dlsym(xlib, "XSetIOErrorHandler"));
    if (set != nullptr) set(&displayLost);
    dlclose(xlib);
}

// Wakes the frame wait from the signal thread; SDL's event queue may be
// pushed to from any thread.
void wakeUp() {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    SDL_PushEvent(&event);
}

class SdlBackend : public Backend {
  public:
    explicit SdlBackend(std::string title) : title_(std::move(title)) {}
    ~SdlBackend() override { closeAll(); }

    bool open(int scale, std::string* error) {
        timing_.step("opening the display");
        // A windowed card game: leave the compositor and the screen saver
        // alone, which SDL otherwise turns off for full-screen games.
        SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        // The platform takes the termination signals itself, in every state
        // (SDL's own would only queue a quit event that a modal box never
        // reads).
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        bool started;
        {
            VideoStartEnvironment quiet;
            started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        }
        if (!started) {
            *error = std::string("Cannot open the desktop display (") + SDL_GetError() +
                     "); to run without a window: DECKHOLLOW_BACKEND=headless "
                     "DECKHOLLOW_SCRIPT=script.txt";
            return false;
        }
        video_ = true;
        // Without a display SDL falls back to drawing off screen: a window
        // nobody sees and nobody can close. Only a driver asked for by name
        // may be one of those.
        const char* driver = SDL_GetCurrentVideoDriver();
        bool invisible = driver != nullptr && (std::strcmp(driver, "offscreen") == 0 ||
                                               std::strcmp(driver, "dummy") == 0);
        if (invisible && std::getenv("SDL_VIDEODRIVER") == nullptr) {
            *error =
                "Cannot open the desktop display (no X11 or Wayland server answers); to run "
                "without a window: DECKHOLLOW_BACKEND=headless DECKHOLLOW_SCRIPT=script.txt";
            closeAll();
            return false;
        }
        timing_.step("display opened");
        if (!window_.open(title_, scale, error)) {
            closeAll();
            return false;
        }
        timing_.step("window created");
        watchForALostDisplay();
        platform::setWaker(&wakeUp);
        return true;
    }

    DWORD tickCount() override { return uptimeMs(); }

    void sleep(DWORD milliseconds) override { SDL_Delay(milliseconds); }

    void pumpEvents(DWORD waitMs) override {
        // The frame loop asks several times a frame; each look at the
        // display is a round of system calls on its connection, so it looks
        // once and then takes what came from SDL's queue alone (polling
        // event by event would look at the display again for every one).
        SDL_Event event;
        if (waitMs == 0 || input::messagesPending()) {
            SDL_PumpEvents();
            drainQueue();
            return;
        }
        // Nothing to do before the next frame: sleep until an event comes or
        // the frame period ends (the wait looks at the display itself).
        if (SDL_WaitEventTimeout(&event, static_cast<int>(waitMs))) {
            handle(event);
            drainQueue();
        }
    }

    void framePresented() override {
        // The whole screen is presented every frame, and mostly nothing has
        // changed: comparing the frame buffer itself is cheaper than
        // decoding it first.
        const std::vector<uint8_t>& memory = display::memory();
        if (!framesSeen_ || memory != lastFrame_) {
            framesSeen_ = true;
            lastFrame_ = memory;
            decodeScreen(&image_);
            window_.show(image_);
        }
        timing_.framePresented();
        openAudio();
    }

    bool playWave(const std::string& hostPath) override {
        openAudio();
        return audio_.play(hostPath);
    }

    void messageBox(const std::string& caption, const std::string& text) override {
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), text.c_str(),
                                     window_.handle()) != 0) {
            std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        }
    }

    void raiseWindow() override {
        if (window_.handle() == nullptr) return;
        // Restoring a maximised window would shrink it: only a minimised
        // one is brought back.
        if (SDL_GetWindowFlags(window_.handle()) & SDL_WINDOW_MINIMIZED) {
            SDL_RestoreWindow(window_.handle());
        }
        SDL_RaiseWindow(window_.handle());
    }

    void mainWindowShown(bool shown) override {
        if (shown) {
            focused_ = true;
            handedBack_ = false;
            return;
        }
        if (!focused_) return;  // the answer to a focus the desktop took away
        // Game > Suspend: the device is handed back. The window is
        // minimised where a window manager does that; elsewhere it keeps
        // showing the dimmed screen the program left. Either way the next
        // click or key in it only brings the game back.
        penDown_ = false;
        focused_ = false;
        handedBack_ = true;
        if (window_.handle() != nullptr) SDL_MinimizeWindow(window_.handle());
    }

    void shutdown(int) override { closeAll(); }

  private:
    // Finding the audio device can take a tenth of a second, more when there
    // is none: it is done once the first picture shows, or when the first
    // sound wants it.
    void openAudio() {
        if (audioTried_) return;
        audioTried_ = true;
        audio_.open();
        timing_.step(audio_.isOpen() ? "audio device opened" : "no audio device found");
    }

    void closeAll() {
        audio_.close();
        window_.close();
        if (video_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
        video_ = false;
        SDL_Quit();
    }

    void drainQueue() {
        SDL_Event event;
        while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
            handle(event);
        }
    }

    void handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT:
                requestClose();
                break;
            case SDL_WINDOWEVENT:
                if (e.window.windowID == window_.id()) windowEvent(e.window);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                // Held keys repeat on the desktop, not on the device.
                if (e.key.repeat != 0) break;
                if (handedBack_ && e.key.keysym.sym != SDLK_F12) {
                    // After Game > Suspend, as a click, the first key
                    // pressed at the window only brings the game back.
                    if (e.type == SDL_KEYDOWN) gainFocus();
                    break;
                }
                keyEvent(e.key.keysym.sym, e.type == SDL_KEYDOWN);
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) penPressed(e.button.x, e.button.y);
                break;
            case SDL_MOUSEMOTION:
                if (penDown_) {
                    window_.toDevicePixel(e.motion.x, e.motion.y, &penX_, &penY_);
                    input::stylusMove(penX_, penY_);
                }
                break;
            case SDL_MOUSEBUTTONUP:
                if (e.button.button == SDL_BUTTON_LEFT) penLifted(e.button.x, e.button.y);
                break;
            case SDL_RENDER_DEVICE_RESET:
            case SDL_RENDER_TARGETS_RESET:
                window_.restoreTexture();
                break;
            default:
                break;
        }
    }

    void windowEvent(const SDL_WindowEvent& w) {
        switch (w.event) {
            case SDL_WINDOWEVENT_EXPOSED:
            case SDL_WINDOWEVENT_SHOWN:
            case SDL_WINDOWEVENT_SIZE_CHANGED:
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_MAXIMIZED:
                window_.repaint();
                break;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                loseFocus();
                break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                gainFocus();
                break;
            case SDL_WINDOWEVENT_CLOSE:
                requestClose();
                break;
            default:
                break;
        }
    }

    void keyEvent(SDL_Keycode key, bool down) {
        switch (key) {
            case SDLK_UP:
                input::key(VK_UP, down);
                break;
            case SDLK_DOWN:
                input::key(VK_DOWN, down);
                break;
            case SDLK_LEFT:
                input::key(VK_LEFT, down);
                break;
            case SDLK_RIGHT:
                input::key(VK_RIGHT, down);
                break;
            case SDLK_F12:
                if (down) saveScreenshot(title_);
                break;
            default:
                break;
        }
    }

    void penPressed(int x, int y) {
        if (!focused_) {
            // The game sleeps while another window has the focus; a click
            // on it wakes it, even where the window manager does not hand
            // over the focus on a click. That click only wakes it: it must
            // not also play a card the player has not seen yet.
            SDL_RaiseWindow(window_.handle());
            gainFocus();
            wakingClick_ = true;
            return;
        }
        penDown_ = true;
        window_.toDevicePixel(x, y, &penX_, &penY_);
        input::stylusDown(penX_, penY_);
    }

    void penLifted(int x, int y) {
        if (wakingClick_) {
            wakingClick_ = false;
            return;
        }
        if (!penDown_) return;
        penDown_ = false;
        window_.toDevicePixel(x, y, &penX_, &penY_);
        input::stylusUp(penX_, penY_);
    }

    void loseFocus() {
        if (!focused_) return;
        // A pen held while the focus goes would otherwise stay down for
        // ever: its release goes to the other window.
        if (penDown_) {
            penDown_ = false;
            input::stylusUp(penX_, penY_);
        }
        focused_ = false;
        input::focus(false);
    }

    void gainFocus() {
        handedBack_ = false;
        if (focused_) return;
        focused_ = true;
        input::focus(true);
    }

    void requestClose() {
        Uint64 now = SDL_GetTicks64();
        if (closeSent_ && now - closeTick_ < kCloseRepeatMs) return;
        closeSent_ = true;
        closeTick_ = now;
        input::closeRequested();
    }

    std::string title_;
    bool video_ = false;
    SdlWindow window_;
    SdlAudio audio_;
    bool audioTried_ = false;
    StartTiming timing_;
    bool framesSeen_ = false;
    std::vector<uint8_t> lastFrame_;
    ScreenImage image_;
    // The program starts in front, as on the device: the first focus event
    // of the desktop is no news to it.
    bool focused_ = true;
    bool penDown_ = false;
    bool wakingClick_ = false;
    // The program went to the background by Game > Suspend.
    bool handedBack_ = false;
    int penX_ = 0;
    int penY_ = 0;
    bool closeSent_ = false;
    Uint64 closeTick_ = 0;
};

}  // namespace
}  // namespace platform::sdl

namespace platform {

std::unique_ptr<Backend> createSdlBackend(const std::wstring& title, int scale,
                                          std::string* error) {
    auto backend = std::make_unique<sdl::SdlBackend>(narrow(title.c_str()));
    if (!backend->open(scale, error)) return nullptr;
    return backend;
}

}  // namespace platform
