#pragma once

namespace gamekit {

class Surface;
class CardTheme;
class PlayingCard;

// The graphics side of the card model, kept out of the model's own library so
// that the rules, their tests and the simulators link no screen code.
//
// Face up: the rounded white body with the rank and suit glyphs in its
// top-left corner, on a block in the highlight colour when selected.
// Face down: the theme's back, never showing the selection. A null theme
// draws with a black frame, a white highlight and a plain back. A clip size
// of 0 means the surface's size.
void drawCard(Surface& surface, const PlayingCard& card, const CardTheme* theme, int x, int y,
              int clipWidth, int clipHeight, bool selected);

}  // namespace gamekit
