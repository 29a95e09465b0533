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

// The pictures every program's sheet holds for the shared pages: the
// start-up logo, name art and emblem, the About logo and emblem, and the
// two check boxes.
struct StandardPictures {
    SheetRect logo, aboutLogo, nameArt, emblem, aboutEmblem, boxOff, boxOn;
};

// A program's sprite sheet as its frame loads it: the file, its size and
// where the shared pictures lie.
struct SheetInfo {
    const wchar_t* file;
    int width;
    int height;
    StandardPictures pictures;
};

}  // namespace gamekit
