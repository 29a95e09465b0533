#include "SdlWindow.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform::sdl {

bool wantsGpuRenderer() {
    const char* renderer = std::getenv("DECKHOLLOW_RENDERER");
    return renderer != nullptr && std::strcmp(renderer, "gpu") == 0;
}

bool SdlWindow::open(const std::string& title, int scale, std::string* error) {
    // A 240 x 320 picture scaled by a whole factor needs no graphics card:
    // it is written straight into the window's own shared-memory image, the
    // window surface. Left to itself SDL would back that image with OpenGL,
    // which on a machine without a GPU loads a software GL of some 60 MB and
    // spends a good part of a core on every frame.
    bool gpu = wantsGpuRenderer();
    if (!gpu) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        scale = fittingScale(scale, usable.w, usable.h);
    }
    // A window of pixels shown large: sharp on high-density displays, where
    // the drawable has more pixels than the window has points.
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               kDeviceWidth * scale, kDeviceHeight * scale,
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window_ == nullptr) {
        *error = std::string("cannot create the desktop window: ") + SDL_GetError();
        return false;
    }
    SDL_SetWindowMinimumSize(window_, kDeviceWidth / 4, kDeviceHeight / 4);
    shown_.assign(static_cast<size_t>(kDeviceWidth) * kDeviceHeight, 0);
    bool drawable;
    if (gpu) {
        renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        drawable = renderer_ != nullptr && createTexture();
    } else {
        // The last picture as a surface of its own, scaled from into the
        // window's; 0x00RRGGBB words, the layout the decoded screen has.
        picture_ = SDL_CreateRGBSurfaceWithFormatFrom(shown_.data(), kDeviceWidth, kDeviceHeight,
                                                      32, kDeviceWidth * 4, SDL_PIXELFORMAT_RGB888);
        drawable = picture_ != nullptr;
    }
    if (!drawable) {
        *error = std::string("cannot draw into the desktop window: ") + SDL_GetError();
        close();
    }
    return drawable;
}

bool SdlWindow::createTexture() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    // 0x00RRGGBB words, the layout the decoded screen already has.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 kDeviceWidth, kDeviceHeight);
    if (texture_ == nullptr) return false;
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    return true;
}

void SdlWindow::close() {
    if (picture_ != nullptr) SDL_FreeSurface(picture_);
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    picture_ = nullptr;
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

void SdlWindow::show(const ScreenImage& image) {
    if (texture_ == nullptr && picture_ == nullptr) return;
    if (haveImage_ && image.pixels == shown_) return;
    // Copied in place: the picture surface points into this buffer.
    std::copy_n(image.pixels.begin(), std::min(image.pixels.size(), shown_.size()), shown_.begin());
    if (texture_ != nullptr) SDL_UpdateTexture(texture_, nullptr, shown_.data(), kDeviceWidth * 4);
    if (!haveImage_) {
        haveImage_ = true;
        SDL_ShowWindow(window_);
    }
    repaint();
}

void SdlWindow::restoreTexture() {
    if (renderer_ == nullptr || !createTexture()) return;
    SDL_UpdateTexture(texture_, nullptr, shown_.data(), kDeviceWidth * 4);
    repaint();
}

ViewRect SdlWindow::view(int* width, int* height) const {
    *width = 0;
    *height = 0;
    if (renderer_ != nullptr) {
        if (SDL_GetRendererOutputSize(renderer_, width, height) != 0) return letterbox(0, 0);
    } else if (window_ != nullptr) {
        // The window surface has the drawable's size in pixels.
#if SDL_VERSION_ATLEAST(2, 26, 0)
        SDL_GetWindowSizeInPixels(window_, width, height);
#else
        SDL_GetWindowSize(window_, width, height);
#endif
    }
    return letterbox(*width, *height);
}

void SdlWindow::repaint() {
    if (!haveImage_) return;
    if (renderer_ == nullptr) {
        paintSurface();
        return;
    }
    if (texture_ == nullptr) return;
    int width, height;
    ViewRect v = view(&width, &height);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_Rect target{v.x, v.y, v.w, v.h};
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
}

void SdlWindow::paintSurface() {
    // SDL makes the surface again when the window's size has changed.
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr || picture_ == nullptr) return;
    ViewRect v = letterbox(surface->w, surface->h);
    // The bars beside the picture black, the picture scaled into the rest
    // (nearest neighbour, as the renderer draws it).
    const SDL_Rect bars[] = {
        {0, 0, surface->w, v.y},
        {0, v.y + v.h, surface->w, surface->h - v.y - v.h},
        {0, v.y, v.x, v.h},
        {v.x + v.w, v.y, surface->w - v.x - v.w, v.h},
    };
    Uint32 black = SDL_MapRGB(surface->format, 0, 0, 0);
    for (const SDL_Rect& bar : bars) {
        if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface, &bar, black);
    }
    SDL_Rect target{v.x, v.y, v.w, v.h};
    if (v.w > 0 && v.h > 0) SDL_BlitScaled(picture_, nullptr, surface, &target);
    SDL_UpdateWindowSurface(window_);
}

void SdlWindow::toDevicePixel(int x, int y, int* deviceX, int* deviceY) const {
    int width, height, windowWidth = 0, windowHeight = 0;
    ViewRect v = view(&width, &height);
    SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    // Mouse positions are in window points; the picture is laid out in
    // drawable pixels, which are more on a high-density display. The centre
    // of the point decides.
    int px = x, py = y;
    if (windowWidth > 0 && windowHeight > 0) {
        px = static_cast<int>((2L * x + 1) * width / (2L * windowWidth));
        py = static_cast<int>((2L * y + 1) * height / (2L * windowHeight));
    }
    toDevice(v, px, py, deviceX, deviceY);
}

}  // namespace platform::sdl
