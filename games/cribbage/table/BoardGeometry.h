#pragma once

// The cribbage board drawn round the border of the screen: each player's
// lane of holes -1 (the start), 0 and 1 to 121, running clockwise from the
// top edge. Blue's (the computer's) lane is the outer one; Red's lies 8 px
// further inside on every edge. Pure geometry: no drawing, no game state.

namespace cribbage {

struct HolePlace {
    int x;  // top-left corner of the hole's 9 x 9 picture
    int y;
};

constexpr int kFirstHole = -1;  // where the back peg waits at the start
constexpr int kLastHole = 121;
constexpr int kHoleCount = kLastHole - kFirstHole + 1;
constexpr int kLaneGap = 8;  // Red's lane lies this far inside Blue's

// The hole of a lane: `red` picks the person's (inner) lane. A hole number
// outside -1..121 is taken as the nearest end, so a peg is always on the
// board, whatever score it is asked to show.
HolePlace holePlace(bool red, int hole);

// The two small pegs of the set score (games won, 0 to 5).
HolePlace setPegPlace(bool red, int wins);

}  // namespace cribbage
