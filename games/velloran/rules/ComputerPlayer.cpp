// The computer's take, throw and knock, and the same decisions for the
// person as hints. Every trial hand is a mask handed to the fast least
// deadwood; only the expert's count of melds runs the full search.

#include <algorithm>

#include "gamekit/cards/Random.h"
#include "games/velloran/rules/VelloranGame.h"

namespace velloran {

namespace {

constexpr int kFullStep = 4;

// The occupied slots of a hand the analysis sees, in slot order.
int occupiedSlots(const Card* hand, int count, const bool* skip, int* out) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        if (hand[i] != kNoCard && !(skip && skip[i])) out[n++] = i;
    }
    return n;
}

Event redrawEvent() {
    Event e;
    e.kind = Event::Redraw;
    return e;
}

}  // namespace

Strategy VelloranGame::levelStrategy(Level level, bool hints) {
    Strategy s;
    s.level = level;
    s.expertRules = level == Level::Expert || hints;
    s.coinFlip = level == Level::Beginning;
    return s;
}

Strategy VelloranGame::computerStrategy() const {
    return levelStrategy(options_.level, options_.hints);
}

HandMask VelloranGame::unseenCards(Side side) const {
    HandMask unseen = 0;
    for (int i = nextCard; i < kDeckSize; ++i) unseen |= maskBit(stock[i]);
    const Side other = side == Side::Player ? Side::Computer : Side::Player;
    const std::vector<Card>& taken = other == Side::Player ? takenByPlayer : takenByComputer;
    const Card* hand = handOf(other);
    for (int i = 0; i < slotsOf(other); ++i) {
        const Card c = hand[i];
        if (c == kNoCard) continue;
        if (std::find(taken.begin(), taken.end(), c) == taken.end()) unseen |= maskBit(c);
    }
    return unseen;
}

// With every card melded there is no deadwood to throw: the card whose loss
// leaves the least deadwood goes (one always leaves 0: eleven cards in melds
// of three to five always hold a four-card meld), so gin stays gin.
int VelloranGame::keepGinSlot(Side side, const int* slots, int slotCount) {
    const Card* hand = handOf(side);
    const HandMask mask = sideMask(side);
    int best = -1, bestD = 0;
    for (int k = 0; k < slotCount; ++k) {
        const int d = leastDeadwood(mask & ~maskBit(hand[slots[k]]));
        if (best < 0 || d < bestD) {
            best = slots[k];
            bestD = d;
        }
    }
    return best;
}

// Beginning and Standard throw deadwood only: Standard the highest-ranked
// deadwood card (the first of equal ranks), Beginning the first deadwood card
// that outranks the hand's first card, else the first card when it is
// deadwood itself, else the first deadwood card.
int VelloranGame::chooseDiscardPlain(Side side, const Strategy& strategy, const int* slots,
                                     int slotCount) {
    const Card* hand = handOf(side);
    const HandMask mask = sideMask(side);
    const int full = leastDeadwood(mask);
    if (full == 0) return keepGinSlot(side, slots, slotCount);
    auto isDeadwood = [&](int slot) {
        const Card c = hand[slot];
        return leastDeadwood(mask & ~maskBit(c)) + cardValue(c) == full;
    };
    const int firstRank = rankOf(hand[slots[0]]);
    if (strategy.level == Level::Beginning) {
        int firstDeadwood = -1;
        for (int k = 1; k < slotCount; ++k) {
            if (!isDeadwood(slots[k])) continue;
            if (rankOf(hand[slots[k]]) > firstRank) return slots[k];
            if (firstDeadwood < 0) firstDeadwood = slots[k];
        }
        if (isDeadwood(slots[0])) return slots[0];
        return firstDeadwood;
    }
    int choice = -1, bestRank = -1;
    for (int k = 0; k < slotCount; ++k) {
        const int slot = slots[k];
        if (rankOf(hand[slot]) > bestRank && isDeadwood(slot)) {
            choice = slot;
            bestRank = rankOf(hand[slot]);
        }
    }
    return choice;
}

int VelloranGame::chooseDiscardExpert(Side side, const int* slots, int slotCount) {
    const Card* hand = handOf(side);
    const HandMask mask = sideMask(side);
    const int full = leastDeadwood(mask);
    if (full == 0) return keepGinSlot(side, slots, slotCount);
    int melds;
    {
        Card cards[kPlayerSlots];
        for (int k = 0; k < slotCount; ++k) cards[k] = hand[slots[k]];
        melds = analyseHand(cards, slotCount).melds.count;
    }
    const HandMask unseen = unseenCards(side) & ~mask;
    const int left = cardsLeft();
    int bestD = full, bestSlot = -1, bestOuts = -1, choice = -1;
    int tieRank = rankOf(hand[slots[0]]);
    for (int k = 0; k < slotCount; ++k) {
        const int slot = slots[k];
        const Card card = hand[slot];
        const HandMask without = mask & ~maskBit(card);
        const int d = leastDeadwood(without);
        if (d + cardValue(card) != full) continue;  // part of a meld
        int outs = 0;
        for (HandMask u = unseen; u; u &= u - 1) {
            if (leastDeadwood(without | (u & -u)) < d) ++outs;
        }
        const int rank = rankOf(card);
        if (outs > bestOuts && (left < 11 || rank >= 3)) {
            choice = slot;
            bestOuts = outs;
            tieRank = rank;
        } else if (outs == bestOuts && rank > tieRank) {
            choice = slot;
            tieRank = rank;
        } else if (bestOuts == -1 && rank <= 2) {
            // Low cards stay while the stock is long, unless nothing else
            // was chosen yet.
            choice = slot;
            bestOuts = outs;
            tieRank = rank;
        }
        if (melds >= 2 && d < bestD) {
            bestD = d;
            bestSlot = slot;
        }
    }
    if (left >= 21 && bestSlot >= 0) return bestSlot;
    if (left >= 11 && bestSlot >= 0 && bestD <= 10 && cardValue(hand[bestSlot]) == bestD)
        return bestSlot;
    return choice;
}

int VelloranGame::chooseDiscard(Side side, const Strategy& strategy) {
    ++decisions_;
    int slots[kPlayerSlots];
    const int slotCount =
        occupiedSlots(handOf(side), slotsOf(side), side == Side::Player ? selected : nullptr, slots);
    if (slotCount == 0) return -1;
    const int choice = strategy.expertRules ? chooseDiscardExpert(side, slots, slotCount)
                                            : chooseDiscardPlain(side, strategy, slots, slotCount);
    if (choice >= 0 && handOf(side)[choice] != kNoCard) return choice;
    return slots[slotCount - 1];
}

bool VelloranGame::shouldTakeDiscard(Side side, const Strategy& strategy) {
    if (discardPile.empty()) return false;
    Card* hand = handOf(side);
    const int trialSlot = side == Side::Player ? kPlayerTrialSlot : kComputerDrawSlot;
    // The analysis takes ten cards and the trial card: with the hand already
    // full (or the trial slot taken) there is nothing to decide.
    const int held = side == Side::Player ? playerCardCount() : computerCardCount();
    if (held != 10 || hand[trialSlot] != kNoCard) return false;
    const Card top = discardPile.back();
    const bool trialMarked = side == Side::Player && selected[trialSlot];
    hand[trialSlot] = top;
    if (side == Side::Player) selected[trialSlot] = false;
    const int thrown = chooseDiscard(side, strategy);
    hand[trialSlot] = kNoCard;
    if (side == Side::Player) selected[trialSlot] = trialMarked;
    if (thrown == trialSlot) return false;  // it would go straight back

    if (strategy.coinFlip && gamekit::nextRandom() % 2 == 1) return true;
    const int rank = rankOf(top);
    if (!strategy.expertRules && rank <= 3) return true;
    if (strategy.expertRules && cardsLeft() >= 11 && rank <= 2) return true;
    const HandMask mask = sideMask(side);
    const int d0 = leastDeadwood(mask);
    const int d1 = leastDeadwood(mask | maskBit(top));
    if (d1 <= d0) return true;  // the card melds
    if (!strategy.expertRules || cardsLeft() < 11) return false;
    // Would the card in place of one of the ten allow a knock? The trial
    // card is out of the hand here, so the top card counts once.
    for (HandMask m = mask; m; m &= m - 1) {
        if (leastDeadwood((mask & ~(m & -m)) | maskBit(top)) < 11) return true;
    }
    return false;
}

bool VelloranGame::wantsToKnock(Side side, Level level, int deadwood) const {
    if (deadwood == 0) return true;
    if (deadwood > 10) return false;
    if (level != Level::Expert) return true;
    const int left = cardsLeft();
    if (left >= 21) return true;
    if (left < 11) return false;
    // One card from gin: some card of the ten leaves deadwood 0 without it.
    const HandMask mask = sideMask(side);
    for (HandMask m = mask; m; m &= m - 1) {
        if (leastDeadwood(mask & ~(m & -m)) == 0) return false;
    }
    return true;
}

int VelloranGame::computerTurn(Events* events) {
    if (cardsLeft() < 3) return 0;
    busy = true;
    if (events) {
        events->push_back(redrawEvent());
        events->push_back(Event{.kind = Event::Pause, .quarters = kFullStep});
    }
    const Strategy strategy = computerStrategy();
    if (computerHand[kComputerDrawSlot] == kNoCard) {
        Card card;
        if (shouldTakeDiscard(Side::Computer, strategy)) {
            setStatus("Computer's turn", events);
            setPrompt("", events);
            card = discardPile.back();
            discardPile.pop_back();
            takenByComputer.push_back(card);
            upcardOffer = 0;
            if (events) {
                events->push_back(Event{.kind = Event::PlaySound, .sound = Sound::CardFlick});
                events->push_back(Event{.kind = Event::CardFlown,
                                        .card = card,
                                        .from = Place::discardPile(),
                                        .to = Place::computer(kComputerDrawSlot),
                                        .quarters = kFullStep});
                events->push_back(Event{.kind = Event::CardTurned, .card = card, .faceUp = false});
            }
            faceUp[card] = false;
        } else if (upcardOffer != 0) {
            busy = false;
            return 0;
        } else {
            setStatus("Computer's turn", events);
            setPrompt("", events);
            card = dealCard(false);
            if (events) {
                events->push_back(Event{.kind = Event::PlaySound, .sound = Sound::CardFlick});
                events->push_back(Event{.kind = Event::CardFlown,
                                        .card = card,
                                        .from = Place::stock(),
                                        .to = Place::computer(kComputerDrawSlot),
                                        .quarters = kFullStep});
            }
        }
        computerHand[kComputerDrawSlot] = card;
    }
    if (events) {
        events->push_back(Event{.kind = Event::Pause, .quarters = kFullStep});
    }
    ++turns_;
    const int slot = chooseDiscard(Side::Computer, strategy);
    const Card thrown = computerHand[slot];
    faceUp[thrown] = true;
    computerHand[slot] = kNoCard;
    computeDeadwood(Side::Computer);
    const int d = computerDeadwood;
    bool ended = false;
    if (d == 0) {
        setStatus("Computer goes 'gin'!", events);
        ended = true;
    } else if (wantsToKnock(Side::Computer, options_.level, d)) {
        setStatus("Computer 'knocks'", events);
        ended = true;
    }
    if (ended) {
        playerActive = false;
        // A card the person had marked (say before passing) stays his: the
        // meld step would otherwise take marked cards out of his hand.
        std::fill(selected, selected + kPlayerSlots, false);
        computeDeadwood(Side::Player);
    }
    if (events) {
        events->push_back(redrawEvent());
        events->push_back(Event{.kind = Event::PlaySound, .sound = Sound::CardFlick});
        events->push_back(Event{.kind = Event::CardFlown,
                                .card = thrown,
                                .from = Place::computer(slot),
                                .to = Place::discardPile(),
                                .quarters = kFullStep});
    }
    for (int i = slot; i + 1 < kComputerSlots; ++i) computerHand[i] = computerHand[i + 1];
    computerHand[kComputerDrawSlot] = kNoCard;
    discardPile.push_back(thrown);
    if (ended && events) {
        events->push_back(redrawEvent());
        events->push_back(Event{.kind = Event::Pause, .quarters = kFullStep});
    }
    busy = false;
    return 1;
}

void VelloranGame::updateHints() {
    if (!options_.hints) return;
    int marked = -1, count = 0;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i] && playerHand[i] != kNoCard) {
            marked = i;
            ++count;
        }
    }
    if (count == 1) selected[marked] = false;
    const int saved = playerDeadwood;
    const Strategy hint = levelStrategy(Level::Expert, true);
    // Each hint only for the hand size its analysis takes: the throw with
    // eleven cards, the take with ten.
    const int held = playerCardCount();
    hintDiscardSlot = held == 11 ? chooseDiscard(Side::Player, hint) : -1;
    hintTakeDiscard = held == 10 ? shouldTakeDiscard(Side::Player, hint) : false;
    if (count == 1) selected[marked] = true;
    playerDeadwood = saved;
}

}  // namespace velloran
