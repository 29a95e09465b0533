#include "gamekit/cards/CardTheme.h"

#include <new>

#include "gamekit/containers/FatalError.h"

namespace gamekit {

const ThemeColours kStandardThemes[kThemeCount] = {
    {"Standard 1", 0x001F, 0xFFE0, 0xFFFF, 0x0010, 0xFFFF},
    {"Standard 2", 0x0010, 0xFFE0, 0xFFFF, 0x001F, 0xFFFF},
    {"Standard 3", 0x001F, 0xF800, 0x0000, 0xFFFF, 0x0000},
    {"Mardi Gras", 0x0000, 0xFFE0, 0xFFE0, 0x001F, 0xFC00},
    {"South West", 0xFC00, 0xF800, 0xFFE0, 0x0010, 0xFFE0},
    {"Astrology", 0x0000, 0xF800, 0xFFFF, 0x0010, 0xFFFF},
    {"Wine & Art", 0x001F, 0xFFE0, 0xFFFF, 0x0010, 0xFFFF},
    {"Zen", 0x0010, 0xF800, 0x0000, 0xDFFF, 0x0010},
    {"Island Night", 0x0000, 0xFFE0, 0xFFFF, 0x0010, 0xFFFF},
};

CardTheme::CardTheme(int stripX, int stripY, int backWidth, int backHeight, int stripWidth,
                     int stripHeight)
    : stripX(stripX),
      stripY(stripY),
      backWidth(backWidth),
      backHeight(backHeight),
      stripWidth(stripWidth),
      stripHeight(stripHeight) {}

void CardTheme::setName(const char* text) {
    int i = 0;
    for (; text != nullptr && text[i] != '\0' && i < kNameLength; ++i) {
        name[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    }
    name[i] = L'\0';
}

GArray<CardTheme*> makeStandardThemes(const uint16_t* strip) {
    GArray<CardTheme*> themes(kThemeCount);
    for (int i = 0; i < kThemeCount; ++i) {
        CardTheme* theme = new (std::nothrow) CardTheme(kBackWidth * i, 0, kBackWidth, kBackHeight,
                                                        kBackStripWidth, kBackStripHeight);
        if (theme == nullptr) fatalError("CardTheme: new cannot allocate theme");
        const ThemeColours& colours = kStandardThemes[i];
        theme->setName(colours.name);
        theme->borderColour = colours.borderColour;
        theme->highlightColour = colours.highlightColour;
        theme->textColour = colours.textColour;
        theme->tableColour = colours.tableColour;
        theme->lineColour = colours.lineColour;
        themes[i] = theme;
    }
    giveStrip(themes, strip);
    return themes;
}

void giveStrip(GArray<CardTheme*>& themes, const uint16_t* strip) {
    for (int i = 0; i < themes.size(); ++i) {
        if (themes[i] != nullptr && themes[i]->backPixels == nullptr) themes[i]->backPixels = strip;
    }
}

void destroyThemes(GArray<CardTheme*>& themes) {
    for (int i = 0; i < themes.size(); ++i) {
        delete themes[i];
        themes[i] = nullptr;
    }
}

}  // namespace gamekit
