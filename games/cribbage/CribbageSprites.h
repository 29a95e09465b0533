#pragma once

#include "gamekit/graphics/SheetRect.h"

// Where each picture lies in "Cribbage_Images.bmp". The installer draws the
// sheet from these positions and the game copies its sprites from them, so
// they are declared here once. Pure blue (0x001F) is the sheet's key.

namespace cribbage_sprites {

using SheetRect = gamekit::SheetRect;

constexpr const char* kSheetFile = "Cribbage_Images.bmp";
constexpr const wchar_t* kSheetFileWide = L"Cribbage_Images.bmp";
constexpr int kSheetWidth = 256;
constexpr int kSheetHeight = 128;

// The start-up and About pieces and the check boxes, where every sheet has
// them (kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem, kCheckBoxEmpty,
// kCheckBoxTicked).
using namespace gamekit::standard_places;

// The sheet as the program frame loads it.
constexpr gamekit::SheetInfo kSheet{kSheetFileWide, kSheetWidth, kSheetHeight, kPictures};

// A hole of the board and the pegs that stand in one: 9 x 9 pictures, the
// hole's dark pit in the middle and each peg a round head of its player's
// colour. Their outer pixels are the key, so neighbouring holes 6 px apart
// never cover one another and a peg at the screen's edge loses nothing.
constexpr int kPegSize = 9;
constexpr SheetRect kHole{200, 0, kPegSize, kPegSize};
constexpr SheetRect kRedPeg{209, 0, kPegSize, kPegSize};
constexpr SheetRect kBluePeg{218, 0, kPegSize, kPegSize};
// What of the 9 x 9 cell each picture paints: the pit and the peg's head.
constexpr int kHolePitInset = 2;  // a 5 x 5 pit
constexpr int kPegHeadInset = 1;  // a 7 x 7 head

// The set score: six small holes, games 0 to 5, and a small peg of each colour.
constexpr int kSetPegSize = 5;
constexpr SheetRect kSetHole{227, 0, kSetPegSize, kSetPegSize};
constexpr SheetRect kRedSetPeg{232, 0, kSetPegSize, kSetPegSize};
constexpr SheetRect kBlueSetPeg{237, 0, kSetPegSize, kSetPegSize};

// The board's frame: four rounded corner pieces (top left, top right,
// bottom right, bottom left) and the wood of the edges between them,
// tiled along the top and bottom and down the sides.
constexpr int kFrameCornerSize = 20;
constexpr SheetRect kFrameCorners[4] = {
    {200, 20, kFrameCornerSize, kFrameCornerSize},
    {220, 20, kFrameCornerSize, kFrameCornerSize},
    {220, 40, kFrameCornerSize, kFrameCornerSize},
    {200, 40, kFrameCornerSize, kFrameCornerSize},
};
constexpr int kFrameBand = 20;  // the frame's width on every edge
constexpr SheetRect kFrameWoodAcross{220, 60, 36, kFrameBand};  // top and bottom edges
constexpr SheetRect kFrameWoodDown{200, 60, kFrameBand, 64};    // left and right edges

static_assert(kBlueSetPeg.x + kBlueSetPeg.width <= kSheetWidth);
static_assert(kFrameWoodDown.y + kFrameWoodDown.height <= kSheetHeight);
static_assert(kFrameWoodAcross.y + kFrameWoodAcross.height <= kSheetHeight);
static_assert(kNameArt.x + kNameArt.width <= kFrameWoodDown.x);
static_assert(kFrameWoodAcross.x + kFrameWoodAcross.width <= kSheetWidth);
static_assert(kFrameCornerSize == kFrameBand);

}  // namespace cribbage_sprites
