#pragma once

#include "gamekit/graphics/SheetRect.h"

// Where each picture lies in Pellandine's sprite sheet. The installer draws
// the sheet from these positions and the game copies its sprites from them,
// so they are declared here once. Pure blue (0x001F) is the sheet's key.
//
// The banners are drawn in black on the key: the table recolours black to
// the theme's text colour and the key to its table colour, so one picture
// serves every theme.

namespace pellandine_sprites {

using SheetRect = gamekit::SheetRect;

struct ScreenPoint {
    int x;
    int y;
};

constexpr const char* kSheetFile = "Pellandine_Images.bmp";
constexpr const wchar_t* kSheetFileWide = L"Pellandine_Images.bmp";
constexpr int kSheetWidth = 240;
constexpr int kSheetHeight = 380;

// The program's title over the table.
constexpr SheetRect kTitleBanner{6, 4, 181, 14};
constexpr ScreenPoint kTitleBannerAt{27, 25};

// The variation's name under the title, indexed by GameType - 1.
constexpr SheetRect kVariationBanners[4] = {
    {7, 25, 55, 13},   // Pairs
    {66, 25, 75, 13},  // Sum 10
    {7, 42, 75, 13},   // Sum 11
    {86, 42, 75, 13},  // Sum 14
};
constexpr ScreenPoint kVariationBannersAt[4] = {{83, 49}, {73, 49}, {73, 49}, {73, 49}};

// 10 x 10 check boxes of the settings pages, copied without a key.
constexpr SheetRect kCheckBoxEmpty{202, 30, 10, 10};
constexpr SheetRect kCheckBoxTicked{202, 45, 10, 10};

// The start-up and About pieces every program has. The banners take the
// top of this sheet, so they lie below them.
constexpr SheetRect kLogo{0, 60, 175, 30};          // start-up screen, on blue
constexpr SheetRect kAboutLogo{0, 93, 175, 30};     // About screen, on white
constexpr SheetRect kNameArt{0, 126, 186, 45};      // start-up screen, on blue
constexpr SheetRect kEmblem{178, 60, 10, 10};       // start-up screen
constexpr SheetRect kAboutEmblem{178, 70, 10, 10};  // About screen

// The sheet as the program frame loads it.
constexpr gamekit::SheetInfo kSheet{
    kSheetFileWide,
    kSheetWidth,
    kSheetHeight,
    {kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem, kCheckBoxEmpty, kCheckBoxTicked}};

}  // namespace pellandine_sprites
