#include "CardsPage.h"

#include <string>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Surface.h"

namespace gallery {

using namespace gamekit;

void drawCardsPage(Surface& s, const CardTheme& theme) {
    s.fill(theme.tableColour);
    for (int suit = kSpades; suit <= kDiamonds; ++suit) {
        for (int rank = kAce; rank <= kKing; ++rank) {
            PlayingCard card(rank, suit, true);
            drawCard(s, card, &theme, 4 + 17 * rank, 22 + 50 * suit, 0, 0, false);
        }
    }
    PlayingCard faceDown(kQueen, kHearts, false);
    PlayingCard selected(kJack, kDiamonds, true);
    drawCard(s, faceDown, &theme, 6, 226, 0, 0, false);
    drawCard(s, faceDown, &theme, 44, 226, 0, 0,
             true);  // a face-down card never shows the selection
    theme.drawBack(s, 82, 226, kScreenWidth, kScreenHeight,
                   true);  // the back itself, framed as selected
    drawCard(s, selected, &theme, 124, 226, 0, 0, true);
    PlayingCard ten(9, kClubs, true);
    drawCard(s, ten, &theme, 162, 226, 0, 0, false);
    PlayingCard edge(kKing, kSpades, true);
    drawCard(s, edge, &theme, 215, 226, 0, 0, false);  // cut at the screen's edge

    std::string name;
    for (const wchar_t* c = theme.name; *c; ++c) name += static_cast<char>(*c);
    FontStyle style(font1(), theme.textColour, theme.tableColour, true);
    font1().draw(s, 6, 280, ("Theme: " + name).c_str());
    drawLine(s, 6, 294, 233, 294, theme.lineColour);
    font1().draw(s, 6, 300, "Configure > Appearance... to change");
}

}  // namespace gallery
