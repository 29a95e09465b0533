#pragma once

// Draws the cribbage table: the board and its pegs, the deck and the crib
// box, both hands and labels, the play box with the running count and the
// laid cards or a count's breakdown, the message lists, the status line and
// the advice markers. Everything comes from the scene in one pass; only the
// painted board (which changes with the theme alone) is kept between frames.

#include <cstdint>
#include <vector>

#include "gamekit/graphics/Surface.h"
#include "games/cribbage/rules/CribbageGame.h"

namespace gamekit {
class CardTheme;
class MessageLog;
}  // namespace gamekit

namespace cribbage {

// The pegs as the board shows them: a peg move walks them hole by hole
// while the game already holds the new score.
struct PegView {
    int front = 0;
    int back = -1;
};

// What of the deal is on the table while an animation brings it in: cards
// in flight are drawn by the flight, not in their places.
struct DealView {
    int handCards[2] = {6, 6};  // Red, Blue: slots drawn (the deal in progress)
    int cribCards = 4;          // crib cards drawn in the box
    bool starter = true;        // the starter on the deck
    int laidCards = 8;          // laid cards drawn in the play box
    bool gathering = false;     // the laid cards are flying home: none drawn
    int dealerCardsUp = 4;      // the dealer's count: cards of his hand turned up so far
};

struct TableScene {
    const CribbageGame* game = nullptr;
    // The state the table is drawn for: the game's own, or for GameOver the
    // state the game ended in, so the last hand stays as it was.
    GameState state = GameState::Table;
    bool gameOver = false;
    const gamekit::CardTheme* theme = nullptr;
    const uint16_t* sheet = nullptr;  // the program's sprite sheet; null draws no pictures
    int sheetStride = 0;
    bool selected[6] = {};
    bool displayScore = true;
    bool setScore = true;  // multiple-games mode: the set pegs
    PegView pegs[2];       // Red, Blue
    DealView deal;
    gamekit::MessageLog* redMessages = nullptr;
    gamekit::MessageLog* blueMessages = nullptr;
    gamekit::MessageLog* statusLine = nullptr;
};

class TableView {
  public:
    // Draws the whole table of the scene's state (the menu bar is the
    // program's, drawn over it afterwards).
    void draw(gamekit::Surface& surface, const TableScene& scene);

  private:
    void paintBoard(const TableScene& scene);

    std::vector<uint16_t> board_;
    const gamekit::CardTheme* boardTheme_ = nullptr;
    const uint16_t* boardSheet_ = nullptr;
    bool boardSetScore_ = false;
};

// Whether the table shows `side`'s hand face up in `state`: the person's
// own cards, except while pone's hand is counted, when the dealer's hand
// waits face down for its own count.
bool handFaceUp(const CribbageGame& game, GameState state, Side side);

// One card of the deal on its way from the deck to its hand place.
struct DealtCard {
    Card card;
    Side side = Side::Red;
    int slot = 0;
    bool faceUp = false;
};
// The deal's flights in the order the events dealt them (the computer's
// six, then the person's). The person's hand is sorted before it is shown,
// so his cards come in that order: each lands in the place it stays in.
std::vector<DealtCard> dealFlights(const CribbageGame& game, const std::vector<GameEvent>& events);

}  // namespace cribbage
