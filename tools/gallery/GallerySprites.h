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

// The start-up and About pieces and the check boxes, where every sheet has
// them (kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem, kCheckBoxEmpty,
// kCheckBoxTicked).
using namespace gamekit::standard_places;

// The sheet as the program frame loads it.
constexpr gamekit::SheetInfo kSheet{kSheetFileWide, kSheetWidth, kSheetHeight, kPictures};

}  // namespace gallery_sprites
