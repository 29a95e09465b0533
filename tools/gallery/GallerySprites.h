#pragma once

#include "gamekit/graphics/SheetRect.h"

// Where each picture lies in the toolkit gallery's sprite sheet. The
// installer draws the sheet from these positions and the gallery copies its
// sprites from them, so they are declared here once. Pure blue (0x001F) is
// the sheet's transparent key.

namespace gallery_sprites {

using SheetRect = gamekit::SheetRect;

constexpr const char* kSheetFile = "Gallery_Images.bmp";
constexpr const wchar_t* kSheetFileWide = L"Gallery_Images.bmp";
constexpr int kSheetWidth = 256;
constexpr int kSheetHeight = 128;

constexpr SheetRect kLogo{0, 0, 175, 30};           // start-up screen, on blue
constexpr SheetRect kAboutLogo{0, 33, 175, 30};     // About screen, on white
constexpr SheetRect kNameArt{0, 66, 186, 45};       // start-up screen, on blue
constexpr SheetRect kEmblem{178, 0, 10, 10};        // start-up screen
constexpr SheetRect kAboutEmblem{178, 10, 10, 10};  // About screen
constexpr SheetRect kCheckBoxEmpty{188, 0, 10, 10};
constexpr SheetRect kCheckBoxTicked{188, 10, 10, 10};

// The sheet as the program frame loads it.
constexpr gamekit::SheetInfo kSheet{
    kSheetFileWide,
    kSheetWidth,
    kSheetHeight,
    {kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem, kCheckBoxEmpty, kCheckBoxTicked}};

}  // namespace gallery_sprites
