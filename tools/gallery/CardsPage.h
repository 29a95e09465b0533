#pragma once

namespace gamekit {
class CardTheme;
class Surface;
}  // namespace gamekit

namespace gallery {

// Every card face up, suit by suit, then backs, a selected face and a
// selected face-down card, on the theme's table.
void drawCardsPage(gamekit::Surface& surface, const gamekit::CardTheme& theme);

}  // namespace gallery
