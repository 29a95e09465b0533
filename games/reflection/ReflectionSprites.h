#pragma once

#include "gamekit/graphics/SheetRect.h"

// Where each picture lies in "Reflection_Images.bmp". The installer draws the
// sheet from these positions and the game copies its sprites from them, so
// they are declared here once. Pure blue (0x001F) is the sheet's transparent
// key.

namespace reflection_sprites {

using SheetRect = gamekit::SheetRect;

constexpr const char* kSheetFile = "Reflection_Images.bmp";
constexpr const wchar_t* kSheetFileWide = L"Reflection_Images.bmp";
constexpr int kSheetWidth = 226;
constexpr int kSheetHeight = 305;

// The start-up and About pieces and the check boxes, where every sheet has
// them (kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem, kCheckBoxEmpty,
// kCheckBoxTicked).
using namespace gamekit::standard_places;

// The sheet as the program frame loads it.
constexpr gamekit::SheetInfo kSheet{kSheetFileWide, kSheetWidth, kSheetHeight, kPictures};

// Rank marks: where a picked card could go in each sequence. One 11 x 45
// strip per rank, rank r (0 ace .. 12 king) at x = 11 r. The first row is the
// mark of a place further along the sequence, the second row the mark of the
// place the card fits right now.
constexpr int kRankMarkWidth = 11;
constexpr int kRankMarkHeight = 45;
constexpr SheetRect kRankMarksLater{0, 114, 13 * kRankMarkWidth, kRankMarkHeight};
constexpr SheetRect kRankMarksNow{0, 162, 13 * kRankMarkWidth, kRankMarkHeight};

constexpr SheetRect rankMark(int rank, bool fitsNow) {
    const SheetRect& row = fitsNow ? kRankMarksNow : kRankMarksLater;
    return {row.x + kRankMarkWidth * rank, row.y, kRankMarkWidth, kRankMarkHeight};
}

// The empty places of the kings talon ("Kings" / "Talon") and of a store
// talon ("Store" / "Cards"): a card-sized outline with two words, drawn in
// kLabelInk and kLabelLine, which the table recolours to its theme.
constexpr SheetRect kKingsSlot{150, 114, 30, 46};
constexpr SheetRect kStoreSlot{183, 114, 30, 46};
constexpr unsigned short kLabelInk = 0xFFFF;   // white in the sheet
constexpr unsigned short kLabelLine = 0x07E0;  // pure green in the sheet

static_assert(kRankMarksLater.x + kRankMarksLater.width <= kSheetWidth);
static_assert(kRankMarksNow.y + kRankMarksNow.height <= kSheetHeight);
static_assert(kStoreSlot.x + kStoreSlot.width <= kSheetWidth);
static_assert(kKingsSlot.x + kKingsSlot.width <= kStoreSlot.x);

}  // namespace reflection_sprites
