#pragma once

#include <vector>

#include "games/pellandine/rules/TableGrid.h"

namespace pellandine {

// What the rules make of the cards selected so far.
enum class Verdict {
    Keep,      // too few yet, or the start of a group: all stay selected
    Remove,    // a complete group: the cards leave the table
    DropLast,  // the last card selected does not fit and is unselected
};

// Judges `count` selected slots, in the order they were selected, for a
// variation. Pairs and Sum 11 judge two cards, Sum 10 two to four, Sum 14 two
// to six; any other count is kept as it is.
Verdict judgeSelection(int gameType, const TableSlot* const* selected, int count);

// A removable group of slots, by reading index (row * 5 + column), ascending.
struct Group {
    int size = 0;
    int index[kSelectionPlaces] = {};

    bool operator<(const Group& other) const;
    bool operator==(const Group& other) const;
};

// Every group the current cards allow, in reading order (groups compared
// index by index; a shorter group that is a prefix comes first).
void findGroups(const TableGrid& grid, std::vector<Group>& out);

// Whether any group can be removed; stops at the first one found.
bool hasAllowedGroup(const TableGrid& grid);

// Cards the group takes off the table (covered face cards included).
int groupCardCount(const TableGrid& grid, const Group& group);

}  // namespace pellandine
