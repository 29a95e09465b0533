#pragma once

#include <memory>

#include "games/reflection/rules/Move.h"
#include "games/reflection/rules/ReflectionGame.h"

namespace reflection {

// One change of the table, kept by the CommandHistory for undo and redo.
// execute() makes the move when the rules allow it (false and nothing changed
// otherwise, also outside the Playing state); undo() exactly reverses an
// executed move. Sounds are the table's: it plays the card sound whenever
// doCommand, undoLast or redoNext reports success.
class Command {
  public:
    Command(ReflectionGame& game, const Move& move) : game_(game), move_(move) {}
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;
    virtual ~Command() = default;

    virtual bool execute() { return game_.tryMove(move_); }
    virtual void undo() { game_.undoMove(move_); }

    const Move& move() const { return move_; }
    const ReflectionGame& game() const { return game_; }

  private:
    ReflectionGame& game_;
    Move move_;
};

class DealCard : public Command {
  public:
    explicit DealCard(ReflectionGame& game) : Command(game, Move::dealCard()) {}
};

class DealtToTalon : public Command {
  public:
    DealtToTalon(ReflectionGame& game, int talon) : Command(game, Move::dealtToTalon(talon)) {}
};

class DealtToKings : public Command {
  public:
    explicit DealtToKings(ReflectionGame& game) : Command(game, Move::dealtToKings()) {}
};

class DealtToSequence : public Command {
  public:
    DealtToSequence(ReflectionGame& game, int sequence)
        : Command(game, Move::dealtToSequence(sequence)) {}
};

class TalonToSequence : public Command {
  public:
    TalonToSequence(ReflectionGame& game, int talon, int sequence)
        : Command(game, Move::talonToSequence(talon, sequence)) {}
};

class KingsToSequence : public Command {
  public:
    KingsToSequence(ReflectionGame& game, int sequence)
        : Command(game, Move::kingsToSequence(sequence)) {}
};

// The command object of the right class for a move.
std::unique_ptr<Command> makeCommand(ReflectionGame& game, const Move& move);

// What the player picked with the first tap and aimed at with the second.
enum class PickKind { None, DealtCard, StoreTalon, KingsTalon };
enum class TargetKind { None, StoreTalon, Sequence, KingsTalon };

// The command for a source and destination of two taps, or null when no move
// leads from one to the other (a talon card onto a talon, anything onto the
// dealt card...). A command that exists may still be refused by execute().
std::unique_ptr<Command> commandForTaps(ReflectionGame& game, PickKind source, int sourceIndex,
                                        TargetKind target, int targetIndex);

}  // namespace reflection
