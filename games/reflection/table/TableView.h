#pragma once

// Draws the reflection table: deck, dealt card, sequences, talons, the marks
// of a picked card, score and time. Everything is drawn from the game's
// state in one pass; nothing is kept between frames.

#include <cstdint>

#include "gamekit/graphics/Surface.h"
#include "games/reflection/rules/Commands.h"
#include "games/reflection/rules/ReflectionGame.h"

namespace gamekit {
class CardTheme;
}

namespace reflection {

// What the first tap of a move picked; `waiting` once the card is shown
// highlighted and waits for its destination.
struct Pick {
    PickKind source = PickKind::None;
    int index = 0;
    bool waiting = false;
    void clear() { *this = Pick{}; }
};

// The picked card, or null when the pick names an empty place.
const PlayingCard* pickedCard(const ReflectionGame& game, const Pick& pick);

struct TableScene {
    const ReflectionGame* game = nullptr;
    const gamekit::CardTheme* theme = nullptr;
    const uint16_t* sheet = nullptr;  // the program's sprite sheet; null draws no pictures
    int sheetStride = 0;
    Pick pick;
    bool showScore = false;
    bool showTime = false;
    int seconds = 0;
};

void drawTable(gamekit::Surface& surface, const TableScene& scene);

// The places where a card of `rank` would go, one per sequence that is not
// complete and still has its place for that rank ahead: the rank marks.
struct RankMarkPlace {
    int sequence;
    int position;
    bool fitsNow;  // the sequence's next place
};
int rankMarkPlaces(const ReflectionGame& game, int rank, RankMarkPlace out[kSequenceCount]);

}  // namespace reflection
