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

// Where the shared pictures lie in every sheet that has room for them at its
// top left; a program whose own art takes that place declares its own.
namespace gamekit::standard_places {

constexpr SheetRect kLogo{0, 0, 175, 30};           // start-up screen, on blue
constexpr SheetRect kAboutLogo{0, 33, 175, 30};     // About screen, on white
constexpr SheetRect kNameArt{0, 66, 186, 45};       // start-up screen, on blue
constexpr SheetRect kEmblem{178, 0, 10, 10};        // start-up screen
constexpr SheetRect kAboutEmblem{178, 10, 10, 10};  // About screen
constexpr SheetRect kCheckBoxEmpty{188, 0, 10, 10};
constexpr SheetRect kCheckBoxTicked{188, 10, 10, 10};

constexpr StandardPictures kPictures{kLogo,        kAboutLogo,     kNameArt,       kEmblem,
                                     kAboutEmblem, kCheckBoxEmpty, kCheckBoxTicked};

}  // namespace gamekit::standard_places
