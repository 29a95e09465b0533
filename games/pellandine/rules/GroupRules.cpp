#include "games/pellandine/rules/GroupRules.h"

#include <algorithm>

namespace pellandine {

namespace {

bool isHonour(const TableSlot& s) {
    return s.value >= 10 && s.value <= 13;
}

// The start (or all) of a 10-J-Q-K of one suit.
bool sameSuitHonours(const TableSlot* const* selected, int count) {
    const int suit = selected[0]->card != nullptr ? selected[0]->card->suit : -1;
    for (int i = 0; i < count; ++i) {
        const TableSlot& s = *selected[i];
        if (!isHonour(s) || s.card == nullptr || s.card->suit != suit) return false;
    }
    return true;
}

Verdict judgeAdjacentPair(const TableSlot& a, const TableSlot& b, bool matches) {
    if (!matches) return Verdict::DropLast;
    return TableGrid::areNeighbours(a, b) ? Verdict::Remove : Verdict::DropLast;
}

using Visit = bool (*)(void* context, const Group& group);  // false stops the search

// Calls visit for every group, in an order close to reading order; returns
// false when visit stopped it.
bool forEachGroup(const TableGrid& grid, void* context, Visit visit) {
    int live[kSlotCount];
    int n = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        if (grid.at(i).holdsCard()) live[n++] = i;
    }
    const int type = grid.gameType();
    Group g;
    if (type == kPairs || type == kSum11 || type == kSum10) {
        g.size = 2;
        for (int a = 0; a < n; ++a) {
            const TableSlot& sa = grid.at(live[a]);
            for (int b = a + 1; b < n; ++b) {
                const TableSlot& sb = grid.at(live[b]);
                bool ok;
                if (type == kPairs) {
                    ok = sa.value == sb.value && TableGrid::areNeighbours(sa, sb);
                } else if (type == kSum11) {
                    ok = sa.value + sb.value == 11 && TableGrid::areNeighbours(sa, sb);
                } else {
                    ok = sa.value + sb.value == 10;
                }
                if (!ok) continue;
                g.index[0] = live[a];
                g.index[1] = live[b];
                if (!visit(context, g)) return false;
            }
        }
    }
    if (type == kSum10) {
        // One deck holds one 10-J-Q-K per suit: collect each suit's honours.
        int honours[4][4];
        int found[4] = {0, 0, 0, 0};
        for (int k = 0; k < n; ++k) {
            const TableSlot& s = grid.at(live[k]);
            if (!isHonour(s) || s.card == nullptr || s.card->suit < 0 || s.card->suit > 3) continue;
            int& f = found[s.card->suit];
            if (f < 4) honours[s.card->suit][f++] = live[k];
        }
        g.size = 4;
        for (int suit = 0; suit < 4; ++suit) {
            if (found[suit] < 4) continue;
            for (int k = 0; k < 4; ++k) g.index[k] = honours[suit][k];
            if (!visit(context, g)) return false;
        }
    }
    if (type == kSum14) {
        // Depth-first over ascending indices; values are positive, so a branch
        // that passes 14 is cut.
        int stack[kSelectionPlaces];
        int sums[kSelectionPlaces + 1] = {0};
        int depth = 0;
        int next = 0;
        while (true) {
            if (next < n && depth < kSelectionPlaces) {
                const int sum = sums[depth] + grid.at(live[next]).value;
                if (sum <= 14) {
                    stack[depth] = next;
                    sums[depth + 1] = sum;
                    ++depth;
                    if (sum == 14 && depth >= 2) {
                        g.size = depth;
                        for (int k = 0; k < depth; ++k) g.index[k] = live[stack[k]];
                        if (!visit(context, g)) return false;
                    }
                    ++next;
                    if (sum < 14) continue;
                    --depth;  // no card can follow a sum of 14
                    continue;
                }
                ++next;
                continue;
            }
            if (depth == 0) break;
            --depth;
            next = stack[depth] + 1;
        }
    }
    return true;
}

bool collect(void* context, const Group& group) {
    static_cast<std::vector<Group>*>(context)->push_back(group);
    return true;
}

bool stopAtFirst(void*, const Group&) {
    return false;
}

}  // namespace

Verdict judgeSelection(int gameType, const TableSlot* const* selected, int count) {
    switch (normalizeGameType(gameType)) {
        case kPairs:
            if (count != 2) return Verdict::Keep;
            return judgeAdjacentPair(*selected[0], *selected[1],
                                     selected[0]->value == selected[1]->value);
        case kSum11:
            if (count != 2) return Verdict::Keep;
            return judgeAdjacentPair(*selected[0], *selected[1],
                                     selected[0]->value + selected[1]->value == 11);
        case kSum10:
            if (count == 2 && selected[0]->value + selected[1]->value == 10) return Verdict::Remove;
            if (count >= 2 && count <= 4) {
                if (!sameSuitHonours(selected, count)) return Verdict::DropLast;
                return count == 4 ? Verdict::Remove : Verdict::Keep;
            }
            return Verdict::Keep;
        case kSum14: {
            if (count < 2 || count > kSelectionPlaces) return Verdict::Keep;
            int sum = 0;
            for (int i = 0; i < count; ++i) sum += selected[i]->value;
            if (sum > 14) return Verdict::DropLast;
            return sum == 14 ? Verdict::Remove : Verdict::Keep;
        }
    }
    return Verdict::Keep;
}

bool Group::operator<(const Group& other) const {
    const int common = size < other.size ? size : other.size;
    for (int k = 0; k < common; ++k) {
        if (index[k] != other.index[k]) return index[k] < other.index[k];
    }
    return size < other.size;
}

bool Group::operator==(const Group& other) const {
    if (size != other.size) return false;
    for (int k = 0; k < size; ++k) {
        if (index[k] != other.index[k]) return false;
    }
    return true;
}

void findGroups(const TableGrid& grid, std::vector<Group>& out) {
    out.clear();
    forEachGroup(grid, &out, &collect);
    // Sum 10 lists its 10-J-Q-K groups after the pairs; one order for all.
    if (grid.gameType() == kSum10) std::sort(out.begin(), out.end());
}

bool hasAllowedGroup(const TableGrid& grid) {
    return !forEachGroup(grid, nullptr, &stopAtFirst);
}

int groupCardCount(const TableGrid& grid, const Group& group) {
    int n = 0;
    for (int k = 0; k < group.size; ++k) n += grid.at(group.index[k]).cardCount;
    return n;
}

}  // namespace pellandine
