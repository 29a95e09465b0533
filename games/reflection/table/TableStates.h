#pragma once

namespace reflection {

// The screen states of the program, shared with the standard screens.
enum TableState {
    kStateTable = 0,    // the table, no game dealt yet
    kStateSplash = 1,   // the opening screen
    kStateDealing = 2,  // the four first cards fly out in the next redraw
    kStatePlaying = 3,
    kStateHighScores = 4,
    kStateAppearance = 5,
    kStateAbout = 6,
    kStateRules = 7,
    kStateHelp = 8,
    kStateGameOver = 9,
};

}  // namespace reflection
