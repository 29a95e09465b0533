#pragma once

// The direct frame-buffer and key API of the handheld, emulated over the
// display kind chosen by DECKHOLLOW_DISPLAY.

#include "platform/Windows.h"

struct GXDisplayProperties {
    DWORD cxWidth;
    DWORD cyHeight;
    long cbxPitch;  // bytes from a pixel to the one on its right, may be negative
    long cbyPitch;  // bytes from a pixel to the one below it, may be negative
    long cBPP;
    DWORD ffFormat;
};

struct GXKeyList {
    short vkUp;
    POINT ptUp;
    short vkDown;
    POINT ptDown;
    short vkLeft;
    POINT ptLeft;
    short vkRight;
    POINT ptRight;
    short vkA;
    POINT ptA;
    short vkB;
    POINT ptB;
    short vkC;
    POINT ptC;
    short vkStart;
    POINT ptStart;
};

constexpr DWORD GX_FULLSCREEN = 0x01;
constexpr int GX_NORMALKEYS = 0x02;

int GXOpenDisplay(HWND window, DWORD flags);
int GXCloseDisplay();
void* GXBeginDraw();
int GXEndDraw();
int GXOpenInput();
int GXCloseInput();
GXKeyList GXGetDefaultKeys(int options);
GXDisplayProperties GXGetDisplayProperties();
int GXSuspend();
int GXResume();

namespace platform {

// The fixed-frame-buffer device has no begin/end calls: its picture is written
// straight to a landscape frame buffer at a fixed address. Here that memory is
// emulated: this returns the cell that stands for the device's fixed address
// (null unless the display is that device and it is open), and the writer
// calls fixedFrameWritten() when a picture is complete.
uint8_t* fixedFrameBufferAddress();
void fixedFrameWritten();

}  // namespace platform
