#pragma once

// The taps of the replay tools as text, and the table printed after each:
// what `pellandine-sim replay` and `pellandine-sim position` read and write.

#include <string>
#include <vector>

#include "games/pellandine/rules/PellandineRules.h"

namespace pellandine_sim {

// A tap on the table: a slot (row and column from 0), the deck, or empty
// space.
struct ReplayTap {
    enum class Kind { Slot, Deck, Space } kind = Kind::Slot;
    int row = 0;
    int column = 0;
    std::string text;  // as written, for the output
};

// Reads taps separated by blanks, semicolons or line ends: "R,C" for the
// slot in row R (1 to 4) and column C (1 to 5), "deck", or "space" for the
// bare table. On refusal `error` names the tap by number and text.
bool parseReplayTaps(const std::string& text, std::vector<ReplayTap>& out, std::string& error);

// The table, one item a line: the grid row by row, the shoe, the score and
// the cards left.
void printTable(const pellandine::PellandineRules& rules);

// Makes each tap as the stylus does (press, then lift), printing after it
// "tap N TEXT: what it did", the slots removed and the selection, then the
// table.
void playAndPrint(pellandine::PellandineRules& rules, const std::vector<ReplayTap>& taps);

}  // namespace pellandine_sim
