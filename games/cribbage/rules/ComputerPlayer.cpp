#include "games/cribbage/rules/ComputerPlayer.h"

namespace cribbage {

namespace {

int gap(Card a, Card b) {
    const int d = a.rank - b.rank;
    return d < 0 ? -d : d;
}

}  // namespace

int cribValue(Card a, Card b) {
    int value = 0;
    if (a.rank == b.rank) value += 2;
    const int sum = cardCountValue(a) + cardCountValue(b);
    if (sum == 15 || sum == 5 || a.rank == 4 || b.rank == 4) value += 2;
    if (a.rank == 6 || a.rank == 7 || b.rank == 6 || b.rank == 7) value += 1;
    if (gap(a, b) == 1) value += 2;
    if (gap(a, b) == 2) value += 1;
    return value;
}

int starterCandidates(const CribbageGame& game, Side rated, Card out[46]) {
    const int base = (game.dealCounter() - 1) * kCardsPerDeal;
    // The deal order: Blue's six, Red's six, then the starter.
    const int otherSix = base + (rated == Side::Blue ? 6 : 0);
    int n = 0;
    for (int i = 0; i < 6; ++i) out[n++] = game.shoeCard(otherSix + i);
    for (int p = base + 12; p < kDeckCards; ++p) out[n++] = game.shoeCard(p);
    return n;
}

DiscardChoice chooseDiscards(const CribbageGame& game, Side side, int strength, bool asComputer) {
    const Card* six = game.hand(side);
    const bool ownCrib = game.dealer() == side;
    Card candidates[46];
    const int candidateCount = strength == kExpert ? starterCandidates(game, side, candidates) : 0;

    DiscardChoice choice;
    int bestValue = -2;
    int bestHandValue = -2;
    for (int i = 0; i < 5; ++i) {
        for (int j = i + 1; j < 6; ++j) {
            Card kept[4];
            int k = 0;
            for (int s = 0; s < 6; ++s) {
                if (s != i && s != j) kept[k++] = six[s];
            }
            int handValue;
            if (strength == kExpert) {
                int sum = 0;
                for (int c = 0; c < candidateCount; ++c)
                    sum += countHand(kept, candidates[c], false).total;
                handValue = sum / candidateCount;
            } else {
                handValue = countHand(kept, kNoCard, false).total;
            }
            const int crib = cribValue(six[i], six[j]);
            const int value = ownCrib ? handValue + crib : handValue - crib;
            if (value > bestValue || (value == bestValue && handValue > bestHandValue)) {
                bestValue = value;
                bestHandValue = handValue;
                choice = DiscardChoice{i, j};
            }
        }
        if (asComputer && strength == kBeginning && bestHandValue > 0) break;
    }
    return choice;
}

int choosePlay(const CribbageGame& game, Side side, int strength) {
    const Card* hand = game.hand(side);
    const Card* inCount = game.countCards();
    const int n = game.cardsInCount();
    const bool hasLast = n > 0;
    const Card last = hasLast ? inCount[n - 1] : kNoCard;

    int choice = -1;
    int best = -8;
    for (int slot = 0; slot < 4; ++slot) {
        if (!game.fits(side, slot)) continue;
        const Card c = hand[slot];
        const int total = game.runningCount() + cardCountValue(c);
        int points = 0;
        if (total == 15) points += 2;
        if (total == kMaxCount) points += 2;
        if (hasLast && last.rank == c.rank) {
            points += 2;
            if (n >= 2 && inCount[n - 2].rank == c.rank) points += 6;
        }
        points += playRunLength(inCount, n, c);

        int rating;
        if (points > 0) {
            rating = points;
        } else if (strength == kBeginning) {
            rating = 0;
        } else {
            rating = total == 5 || total == 21 ? -3 : 0;
            if (hasLast && gap(last, c) == 1) rating -= 2;
            if (strength == kExpert) {
                for (int s = 0; s < 4; ++s) {
                    if (s != slot && !game.played(side, s) && hand[s].rank == c.rank) {
                        rating += 1;
                        break;
                    }
                }
                if (total >= 6 && total <= 14) rating -= 1;
                if (hasLast && gap(last, c) == 2) rating -= 1;
            }
        }
        if (choice < 0) choice = slot;  // the first candidate is the default
        if (rating > best) {
            best = rating;
            choice = slot;
        }
    }
    return choice;
}

}  // namespace cribbage
