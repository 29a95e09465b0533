#include "tools/velloran-sim/PlayerSeat.h"

#include <algorithm>

namespace velloran_sim {

using namespace velloran;

bool PlayerSeat::act(VelloranGame& game) {
    switch (game.phase()) {
        case Phase::Play: return play(game);
        case Phase::Meld: return meld(game);
        case Phase::LayOff: return layOff(game);
        default: return false;
    }
}

bool PlayerSeat::play(VelloranGame& game) {
    if (!game.playerActive) return game.apply(Action::of(Action::Acknowledge));
    const Strategy strategy = VelloranGame::levelStrategy(level_, false);
    if (game.playerCardCount() == 10) {
        const bool take = game.shouldTakeDiscard(Side::Player, strategy);
        if (game.upcardOffer != 0)
            return game.apply(Action::of(take ? Action::TakeDiscard : Action::Pass));
        return game.apply(Action::of(take ? Action::TakeDiscard : Action::TakeStock));
    }
    const int slot = game.chooseDiscard(Side::Player, strategy);
    if (game.selectedCount() == 0 && !game.apply(Action::withSlot(Action::TapSlot, slot)))
        return false;
    if (game.canGin()) return game.apply(Action::of(Action::Gin));
    if (game.canKnock() && game.wantsToKnock(Side::Player, level_, game.playerDeadwood))
        return game.apply(Action::of(Action::Knock));
    return game.apply(Action::of(Action::Discard));
}

// Lays out the best split of the hand, meld by meld, as a person would.
bool PlayerSeat::meld(VelloranGame& game) {
    Card cards[kPlayerSlots];
    int n = 0;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (game.playerHand[i] != kNoCard) cards[n++] = game.playerHand[i];
    }
    const MeldAnalysis analysis = analyseHand(cards, n);
    for (int g = 0; g < analysis.melds.count; ++g) {
        const CardGroup& group = analysis.melds.groups[g];
        for (int k = 0; k < group.count; ++k) {
            for (int i = 0; i < kPlayerSlots; ++i) {
                if (game.playerHand[i] == group.cards[k])
                    game.apply(Action::withSlot(Action::ToggleCard, i));
            }
        }
        game.apply(Action::of(Action::CreateMeld));
    }
    return game.apply(Action::of(Action::FinishMelding));
}

// Lays off card by card, highest value first, onto the first group that
// takes it, until no card fits; then finishes.
bool PlayerSeat::layOff(VelloranGame& game) {
    for (bool progress = true; progress;) {
        progress = false;
        int slots[kPlayerSlots];
        int n = 0;
        for (int i = 0; i < kPlayerSlots; ++i) {
            if (game.playerHand[i] != kNoCard) slots[n++] = i;
        }
        std::stable_sort(slots, slots + n, [&](int a, int b) {
            return cardValue(game.playerHand[a]) > cardValue(game.playerHand[b]);
        });
        const int targets = std::min<int>(3, static_cast<int>(game.layOffTargets.size()));
        for (int k = 0; k < n && !progress; ++k) {
            const Card card = game.playerHand[slots[k]];
            for (int t = 0; t < targets && !progress; ++t) {
                game.apply(Action::withSlot(Action::ToggleCard, slots[k]));
                game.apply(Action::withIndex(Action::LayOffOnto, t));
                bool stillHeld = false;
                for (int i = 0; i < kPlayerSlots; ++i) {
                    if (game.playerHand[i] == card) {
                        stillHeld = true;
                        if (game.selected[i]) game.apply(Action::withSlot(Action::ToggleCard, i));
                    }
                }
                progress = !stillHeld;
            }
        }
    }
    return game.apply(Action::of(Action::FinishLayOff));
}

}  // namespace velloran_sim
