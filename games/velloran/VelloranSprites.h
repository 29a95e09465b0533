#pragma once

#include "gamekit/graphics/SheetRect.h"

// Where each picture lies in "Velloran_Images.bmp". The installer draws the
// sheet from these positions and the game copies its sprites from them, so
// they are declared here once. Pure blue (0x001F) is the sheet's key.

namespace velloran_sprites {

using SheetRect = gamekit::SheetRect;

constexpr const char* kSheetFile = "Velloran_Images.bmp";
constexpr const wchar_t* kSheetFileWide = L"Velloran_Images.bmp";
constexpr int kSheetWidth = 256;
constexpr int kSheetHeight = 128;
constexpr unsigned short kKey = 0x001F;

// The start-up and About pieces and the check boxes, where every sheet has
// them (kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem, kCheckBoxEmpty,
// kCheckBoxTicked).
using namespace gamekit::standard_places;

// The sheet as the program frame loads it.
constexpr gamekit::SheetInfo kSheet{kSheetFileWide, kSheetWidth, kSheetHeight, kPictures};

// The Up and Down key icons of the Help page.
constexpr SheetRect kUpKey{190, 26, 8, 7};
constexpr SheetRect kDownKey{190, 34, 8, 7};

// The two hint markers: "take this pile" and "take from elsewhere". Every
// pixel that is not the key is drawn in the theme's highlight colour, so the
// sheet draws them in one ink.
constexpr SheetRect kTakeThisMarker{209, 0, 7, 9};
constexpr SheetRect kTakeElsewhereMarker{217, 0, 7, 9};

static_assert(kNameArt.y + kNameArt.height <= kSheetHeight);
static_assert(kNameArt.x + kNameArt.width <= kUpKey.x);
static_assert(kCheckBoxTicked.y + kCheckBoxTicked.height <= kUpKey.y);
static_assert(kTakeElsewhereMarker.x + kTakeElsewhereMarker.width <= kSheetWidth);
static_assert(kCheckBoxEmpty.x + kCheckBoxEmpty.width <= kTakeThisMarker.x);

}  // namespace velloran_sprites
