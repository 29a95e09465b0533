#pragma once

namespace gamekit {

// Where a picture lies in a program's sprite sheet. Each program declares
// its pictures once, in a sprite-map header that both the program and the
// installer (which draws the sheet) include.
struct SheetRect {
    int x;
    int y;
    int width;
    int height;
};

}  // namespace gamekit
