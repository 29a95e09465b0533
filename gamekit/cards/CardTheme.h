#pragma once

#include <cstdint>

#include "gamekit/containers/GArray.h"

namespace gamekit {

class Surface;

// One card back from the shared strip coupled with the table's colour scheme.
// The program holds the nine standard themes in a GArray of pointers.
class CardTheme {
  public:
    static constexpr int kNameLength = 25;

    CardTheme(int stripX, int stripY, int backWidth, int backHeight, int stripWidth,
              int stripHeight);
    virtual ~CardTheme() = default;

    // Copies the back opaquely to (x + 1, y + 1) and frames it with a round
    // rectangle, in highlightColour when selected. The clip size is accepted
    // for the callers' sake and not used.
    void drawBack(Surface& surface, int x, int y, int clipWidth, int clipHeight,
                  bool selected) const;

    // Sets `name` from 8-bit text, cut to kNameLength characters.
    void setName(const char* text);

    wchar_t name[kNameLength + 1] = {};
    wchar_t unusedText[50] = {};
    const uint16_t* backPixels = nullptr;  // not owned: all themes share one strip
    int32_t stripX;
    int32_t stripY;
    int32_t backWidth;
    int32_t backHeight;
    int32_t stripWidth;
    int32_t stripHeight;
    uint16_t borderColour = 0x001F;
    uint16_t highlightColour = 0xF800;
    uint16_t textColour = 0x0000;
    uint16_t tableColour = 0xFFFF;
    uint16_t lineColour = 0x001F;
};

// The standard themes: names and colours, in the order of the backs strip.
struct ThemeColours {
    const char* name;
    uint16_t borderColour;
    uint16_t highlightColour;
    uint16_t textColour;
    uint16_t tableColour;
    uint16_t lineColour;
};

constexpr int kThemeCount = 9;
constexpr int kBackWidth = 28;
constexpr int kBackHeight = 43;
constexpr int kBackStripWidth = kBackWidth * kThemeCount;  // 252
constexpr int kBackStripHeight = kBackHeight;
constexpr const char* kCardBacksFile = "TarnwickSoftware_CardBacks.bmp";
constexpr const wchar_t* kCardBacksFileWide = L"TarnwickSoftware_CardBacks.bmp";

extern const ThemeColours kStandardThemes[kThemeCount];

// Builds the nine standard themes (back i at x = 28 i in the strip) with
// their names and colours. `strip` may be null and given later through
// giveStrip. The caller owns the themes: release them with destroyThemes.
GArray<CardTheme*> makeStandardThemes(const uint16_t* strip = nullptr);

// Gives the loaded strip to every theme that has none yet.
void giveStrip(GArray<CardTheme*>& themes, const uint16_t* strip);

// Deletes every theme and leaves null pointers behind.
void destroyThemes(GArray<CardTheme*>& themes);

}  // namespace gamekit
