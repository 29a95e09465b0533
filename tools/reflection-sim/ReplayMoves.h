#pragma once

// The moves of the replay tools as text, and the position printed after
// each: what `reflection-sim replay` and `reflection-sim position` read and
// write.

#include <string>
#include <vector>

#include "games/reflection/rules/CommandHistory.h"
#include "games/reflection/rules/Move.h"
#include "games/reflection/rules/ReflectionGame.h"

namespace reflection_sim {

// A move of the table, or undo / redo of the history.
struct ReplayMove {
    enum class Kind { Table, Undo, Redo } kind = Kind::Table;
    reflection::Move move;
    std::string text;  // as written, for the output
};

// Reads moves separated by commas, semicolons or line ends. Each is one of
//   deal | seq N | talon N | kings | talon N seq M | kings seq M | undo | redo
// (N and M from 1; "sequence" for "seq" and "to" between the two halves are
// also read). On refusal `error` names the move by number and text.
bool parseReplayMoves(const std::string& text, std::vector<ReplayMove>& out, std::string& error);

// The table after a move, one item a line:
//   sequence 1: AS 2D 3C   ...   talon 1: 7H KD   talon 2: -
//   kings talon: KS   dealt card: 9C   deck: 40 cards   score: 16
void printPosition(const reflection::ReflectionGame& game);

// Plays the moves through the history (so undo and redo are the game's
// own), printing after each "move N TEXT: accepted" or "refused" and the
// position.
void playAndPrint(reflection::ReflectionGame& game, reflection::CommandHistory& history,
                  const std::vector<ReplayMove>& moves);

}  // namespace reflection_sim
