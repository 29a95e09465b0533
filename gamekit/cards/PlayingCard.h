#pragma once

namespace gamekit {

enum Suit { kSpades = 0, kClubs = 1, kHearts = 2, kDiamonds = 3, kJoker = 4 };
enum Rank { kAce = 0, kJack = 10, kQueen = 11, kKing = 12 };

// A card's picture, face or back: 30 x 46 pixels from its top-left corner.
// Its round rectangle is drawn from y to y + 45 and so leaves the last row
// undrawn, and the selection block reaches two pixels beyond on each side.
constexpr int kCardWidth = 30;
constexpr int kCardHeight = 46;

// One card. rank 0..12 is ace..king (rank + 1 is the face value); suit 0..3 is
// spades, clubs, hearts, diamonds, 4 a joker. Cards are owned by the deck that
// made them; everything else holds pointers. Drawing one is the graphics
// side's business (gamekit/cards/CardDrawing.h), so the model links no screen.
class PlayingCard {
  public:
    PlayingCard(int rank, int suit, bool faceUp = true) : rank(rank), suit(suit), faceUp(faceUp) {}

    bool isRed() const { return suit == kHearts || suit == kDiamonds; }
    int value() const { return rank + 1; }

    int rank;
    int suit;
    bool faceUp;
};

}  // namespace gamekit
