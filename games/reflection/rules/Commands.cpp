#include "games/reflection/rules/Commands.h"

namespace reflection {

std::unique_ptr<Command> makeCommand(ReflectionGame& game, const Move& move) {
    switch (move.kind) {
        case MoveKind::DealCard:
            return std::make_unique<DealCard>(game);
        case MoveKind::DealtToTalon:
            return std::make_unique<DealtToTalon>(game, move.to);
        case MoveKind::DealtToKings:
            return std::make_unique<DealtToKings>(game);
        case MoveKind::DealtToSequence:
            return std::make_unique<DealtToSequence>(game, move.to);
        case MoveKind::TalonToSequence:
            return std::make_unique<TalonToSequence>(game, move.from, move.to);
        case MoveKind::KingsToSequence:
            return std::make_unique<KingsToSequence>(game, move.to);
    }
    return nullptr;
}

std::unique_ptr<Command> commandForTaps(ReflectionGame& game, PickKind source, int sourceIndex,
                                        TargetKind target, int targetIndex) {
    switch (source) {
        case PickKind::DealtCard:
            if (target == TargetKind::StoreTalon) {
                return std::make_unique<DealtToTalon>(game, targetIndex);
            }
            if (target == TargetKind::KingsTalon) return std::make_unique<DealtToKings>(game);
            if (target == TargetKind::Sequence) {
                return std::make_unique<DealtToSequence>(game, targetIndex);
            }
            return nullptr;
        case PickKind::StoreTalon:
            if (target != TargetKind::Sequence) return nullptr;
            return std::make_unique<TalonToSequence>(game, sourceIndex, targetIndex);
        case PickKind::KingsTalon:
            if (target != TargetKind::Sequence) return nullptr;
            return std::make_unique<KingsToSequence>(game, targetIndex);
        case PickKind::None:
            return nullptr;
    }
    return nullptr;
}

}  // namespace reflection
