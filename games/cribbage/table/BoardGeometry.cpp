#include "games/cribbage/table/BoardGeometry.h"

namespace cribbage {

namespace {

// Blue's hole before the one pixel both coordinates are moved by. The
// div terms leave the extra gap that groups the holes in fives.
HolePlace bluePlace(int p) {
    if (p == -1) return {122, 18};
    if (p == 0) return {129, 18};
    if (p <= 12) {
        int x = 6 * p + 4 * ((p - 1) / 5) + 136;
        if (p == 12) x += 3;
        if (p >= 11) x -= 1;
        return {x, 18};
    }
    if (p == 13) return {227, 22};
    if (p <= 52) {
        int y = 6 * p + 4 * ((p - 11) / 5) - 49;
        if (p == 14) y -= 3;
        if (p < 16) y -= 1;
        if (p == 52) y += 3;
        return {231, y};
    }
    if (p == 53) return {227, 307};
    if (p <= 82) {
        int x = 539 - 6 * p - 5 * ((p - 51) / 5);
        if (p == 54) x += 3;
        if (p == 82) x -= 3;
        return {x, 311};
    }
    if (p == 83) return {4, 307};
    if (p <= 120) return {0, (p == 84 ? 802 : 799) - 2 * (3 * p + (p - 81) / 5)};
    return {4, 51};
}

// Red's lane: 8 px inside on each edge, its own corners, and the holes next
// to the corners moved so that they keep clear of them.
HolePlace redPlace(int p, HolePlace blue) {
    if (p <= 12) return {p == 12 ? blue.x - 3 : blue.x, blue.y + kLaneGap};
    if (p == 13) return {220, 29};
    if (p <= 52) {
        const int y = p == 14 ? blue.y + 3 : p == 52 ? blue.y - 3 : blue.y;
        return {blue.x - kLaneGap, y};
    }
    if (p == 53) return {220, 300};
    if (p <= 82) {
        const int x = p == 54 ? blue.x - 3 : p == 82 ? blue.x + 3 : blue.x;
        return {x, blue.y - kLaneGap};
    }
    if (p == 83) return {11, 300};
    return {blue.x + kLaneGap, p == 84 ? blue.y - 3 : blue.y};
}

}  // namespace

HolePlace holePlace(bool red, int hole) {
    const int p = hole < kFirstHole ? kFirstHole : hole > kLastHole ? kLastHole : hole;
    HolePlace at = bluePlace(p);
    if (red) at = redPlace(p, at);
    return {at.x + 1, at.y + 1};
}

HolePlace setPegPlace(bool red, int wins) {
    const int w = wins < 0 ? 0 : wins > 5 ? 5 : wins;
    return {41 + 6 * w, red ? 27 : 19};
}

}  // namespace cribbage
