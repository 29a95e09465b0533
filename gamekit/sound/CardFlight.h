#pragma once

#include <cstdint>

namespace gamekit {

class CardTheme;
class PlayingCard;
class Surface;

// The number of steps of a card move at animation speed `speed`: -1 gives 0
// (no animation), 0 to 9 give 28 24 20 16 14 12 10 8 6 4, anything else 10.
int animationSteps(int speed);

struct FlightPosition {
    int x;
    int y;
};

// The steps + 1 positions of a move from `from` to `to`: t = i / steps in
// single precision, each coordinate truncated towards zero. Fills `out` (room
// for steps + 1) and returns the count; 0 for no steps.
int cardFlightPositions(int fromX, int fromY, int toX, int toY, int steps, FlightPosition* out);

// Slides the card's picture (31 x 46, face or back as the card lies) from
// `from` to `to` (top-left corners) in steps + 1 positions, each presented at
// once and held at least 16 ms, and leaves it drawn at the end point. With no
// steps the card is put at the end point at once. A position that would leave
// the target is skipped (the card stays at the last one that fit).
void animateCardMove(Surface& target, const PlayingCard* card, const CardTheme* theme, int fromX,
                     int fromY, int toX, int toY, int steps);

// The same with a fixed pause of `pauseMs` after each step instead of the
// 16-ms step time.
void animateCardMovePaused(Surface& target, const PlayingCard* card, const CardTheme* theme, int fromX,
                           int fromY, int toX, int toY, int steps, int pauseMs);

}  // namespace gamekit
