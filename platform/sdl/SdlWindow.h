#pragma once

// The desktop window that shows the device's screen: the 240 x 320 picture
// scaled nearest-neighbour into the letterboxed picture area of the window's
// drawable. By default it is written into the window surface, SDL's
// shared-memory image of the window; DECKHOLLOW_RENDERER=gpu draws it as a
// streaming texture through SDL's accelerated renderer.

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Viewport.h"
#include "platform/Platform.h"

namespace platform::sdl {

// True when DECKHOLLOW_RENDERER=gpu asks for SDL's accelerated renderer;
// otherwise the window is drawn in software.
bool wantsGpuRenderer();

class SdlWindow {
  public:
    SdlWindow() = default;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;
    ~SdlWindow() { close(); }

    // Opens a hidden window of 240 x 320 times `scale` (less when the
    // desktop is too small for it).
    bool open(const std::string& title, int scale, std::string* error);
    void close();

    // Shows `image`; the texture is updated and the window painted only when
    // the picture differs from the one shown. The first picture also shows
    // the window.
    void show(const ScreenImage& image);
    // Paints the last picture again (expose, resize, lost textures).
    void repaint();
    // The renderer lost its textures: make them again from the last picture.
    void restoreTexture();

    // The device pixel under the window point (`x`, `y`), given in the
    // window's own coordinates as mouse events carry them.
    void toDevicePixel(int x, int y, int* deviceX, int* deviceY) const;

    SDL_Window* handle() const { return window_; }
    uint32_t id() const { return window_ ? SDL_GetWindowID(window_) : 0; }

  private:
    bool createTexture();
    ViewRect view(int* width, int* height) const;
    void paintSurface();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    SDL_Surface* picture_ = nullptr;  // over shown_, without a renderer
    std::vector<uint32_t> shown_;
    bool haveImage_ = false;
};

}  // namespace platform::sdl
