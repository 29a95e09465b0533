#pragma once

namespace gamekit {

class Surface;
class CardTheme;

enum Suit { kSpades = 0, kClubs = 1, kHearts = 2, kDiamonds = 3, kJoker = 4 };
enum Rank { kAce = 0, kJack = 10, kQueen = 11, kKing = 12 };

// The small base of every drawable card: a destructor and a draw that draws
// nothing.
class CardBase {
  public:
    virtual ~CardBase() = default;
    virtual void draw(Surface& surface, const CardTheme* theme, int x, int y, int clipWidth,
                      int clipHeight, bool selected) const;
};

// One card. rank 0..12 is ace..king (rank + 1 is the face value); suit 0..3 is
// spades, clubs, hearts, diamonds, 4 a joker. Cards are owned by the deck that
// made them; everything else holds pointers.
class PlayingCard : public CardBase {
  public:
    PlayingCard(int rank, int suit, bool faceUp = true) : rank(rank), suit(suit), faceUp(faceUp) {}

    // Face up: the rounded white body with the rank and suit glyphs in its
    // top-left corner, on a block in the highlight colour when selected.
    // Face down: the theme's back, never showing the selection. A null theme
    // draws with a black frame, a white highlight and a plain back. A clip
    // size of 0 means the surface's size.
    void draw(Surface& surface, const CardTheme* theme, int x, int y, int clipWidth, int clipHeight,
              bool selected) const override;

    bool isRed() const { return suit == kHearts || suit == kDiamonds; }
    int value() const { return rank + 1; }

    int rank;
    int suit;
    bool faceUp;
};

}  // namespace gamekit
