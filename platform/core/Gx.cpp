#include "platform/Gx.h"

#include <vector>

#include "Config.h"
#include "Display.h"
#include "platform/Backend.h"

namespace {

bool displayOpen = false;
bool inputOpen = false;
bool drawing = false;
bool suspended = false;
// What the fixed device's begin-draw hands out: memory nobody shows.
std::vector<uint8_t> unusedSurface(153600);

}  // namespace

int GXOpenDisplay(HWND, DWORD) {
    if (!displayOpen) {
        displayOpen = true;
        platform::backend().displayOpened(true);
    }
    return 1;
}

int GXCloseDisplay() {
    if (displayOpen) {
        displayOpen = false;
        platform::backend().displayOpened(false);
    }
    return 1;
}

void* GXBeginDraw() {
    if (!displayOpen || suspended) {
        platform::logEvent("error\tdraw while the display is closed or suspended");
        return nullptr;
    }
    drawing = true;
    if (platform::config().display == platform::DisplayKind::Fixed) return unusedSurface.data();
    auto layout = platform::display::layoutOf(platform::config().display);
    return platform::display::memory().data() + layout.topLeftOffset;
}

int GXEndDraw() {
    if (!drawing) return 0;
    drawing = false;
    if (platform::config().display != platform::DisplayKind::Fixed) {
        platform::backend().framePresented();
    }
    return 1;
}

int GXOpenInput() {
    inputOpen = true;
    return 1;
}

int GXCloseInput() {
    inputOpen = false;
    return 1;
}

GXKeyList GXGetDefaultKeys(int) {
    GXKeyList keys{};
    keys.vkUp = VK_UP;
    keys.vkDown = VK_DOWN;
    keys.vkLeft = VK_LEFT;
    keys.vkRight = VK_RIGHT;
    keys.vkA = 0xC1;
    keys.vkB = 0xC2;
    keys.vkC = 0xC3;
    keys.vkStart = 0x86;
    return keys;
}

GXDisplayProperties GXGetDisplayProperties() {
    return platform::display::propertiesOf(platform::config().display);
}

int GXSuspend() {
    suspended = true;
    return 1;
}

int GXResume() {
    suspended = false;
    return 1;
}

namespace platform {

uint8_t* fixedFrameBufferAddress() {
    if (config().display != DisplayKind::Fixed || !displayOpen || suspended) return nullptr;
    return display::memory().data() + display::layoutOf(DisplayKind::Fixed).topLeftOffset;
}

void fixedFrameWritten() { backend().framePresented(); }

void decodeScreen(ScreenImage* image) {
    display::decode(config().display, display::memory().data(), image);
}

}  // namespace platform
