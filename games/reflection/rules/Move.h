#pragma once

#include "gamekit/containers/FatalError.h"

namespace reflection {

// The six kinds of change a player can make to the table. Each has a command
// class of the same name (Commands.h).
enum class MoveKind {
    DealCard,         // next deck card becomes the dealt card
    DealtToTalon,     // dealt card onto store talon `to`
    DealtToKings,     // dealt king onto the kings talon
    DealtToSequence,  // dealt card onto sequence `to`
    TalonToSequence,  // top of store talon `from` onto sequence `to`
    KingsToSequence,  // top of the kings talon onto sequence `to`
};

struct Move {
    MoveKind kind = MoveKind::DealCard;
    int from = 0;  // store talon, for TalonToSequence
    int to = 0;    // store talon or sequence, where the kind has one

    bool placesOnSequence() const {
        return kind == MoveKind::DealtToSequence || kind == MoveKind::TalonToSequence ||
               kind == MoveKind::KingsToSequence;
    }
    bool operator==(const Move&) const = default;

    static Move dealCard() { return {MoveKind::DealCard, 0, 0}; }
    static Move dealtToTalon(int talon) { return {MoveKind::DealtToTalon, 0, talon}; }
    static Move dealtToKings() { return {MoveKind::DealtToKings, 0, 0}; }
    static Move dealtToSequence(int sequence) { return {MoveKind::DealtToSequence, 0, sequence}; }
    static Move talonToSequence(int talon, int sequence) {
        return {MoveKind::TalonToSequence, talon, sequence};
    }
    static Move kingsToSequence(int sequence) { return {MoveKind::KingsToSequence, 0, sequence}; }
};

// Every legal move of one position: at most 1 deal + 4 talons + kings + 4
// sequences for the dealt card, 16 talon-to-sequence and 4 kings moves.
struct MoveList {
    static constexpr int kCapacity = 30;
    Move moves[kCapacity];
    int count = 0;

    void add(const Move& move) {
        if (count >= kCapacity)
            gamekit::fatalError("in MoveList add: \nMore moves than a position has");
        moves[count++] = move;
    }
    const Move* begin() const { return moves; }
    const Move* end() const { return moves + count; }
};

}  // namespace reflection
