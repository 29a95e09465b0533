#include "games/velloran/rules/HandAnalysis.h"

#include <algorithm>
#include <bit>

#include "gamekit/containers/FatalError.h"

namespace velloran {

void CardGroup::push(Card c) {
    if (count >= kCapacity) gamekit::fatalError("in CardGroup push: \nMore cards than a suit holds");
    cards[count++] = c;
}

bool CardGroup::contains(Card c) const {
    return std::find(cards, cards + count, c) != cards + count;
}

bool CardGroup::operator==(const CardGroup& other) const {
    return count == other.count && std::equal(cards, cards + count, other.cards);
}

void MeldList::push(const CardGroup& group) {
    if (count >= kCapacity) gamekit::fatalError("in MeldList push: \nMore melds than a hand holds");
    groups[count++] = group;
}

namespace {

// Clamps from..to to the list; false when fewer than three entries remain.
bool clampRange(int count, int& from, int& to) {
    if (from < 0) from = 0;
    if (to > count - 1) to = count - 1;
    return to - from + 1 >= 3;
}

}  // namespace

bool isSet(const Card* list, int count, int from, int to) {
    if (!clampRange(count, from, to)) return false;
    if (list[from] == kNoCard) return false;
    const int rank = rankOf(list[from]);
    for (int i = from + 1; i <= to; ++i) {
        if (list[i] == kNoCard || rankOf(list[i]) != rank) return false;
    }
    return true;
}

bool isRun(const Card* list, int count, int from, int to) {
    if (!clampRange(count, from, to)) return false;
    if (list[from] == kNoCard) return false;
    const int rank = rankOf(list[from]);
    const int suit = suitOf(list[from]);
    for (int i = from + 1; i <= to; ++i) {
        if (list[i] == kNoCard || suitOf(list[i]) != suit || rankOf(list[i]) != rank - (i - from))
            return false;
    }
    return true;
}

namespace {

// The end of the sortable stretch: up to `to`, stopping before the first
// empty slot. Returns -1 below `from` when nothing is to sort.
int sortEnd(const Card* slots, int count, int from, int to) {
    if (to > count - 1) to = count - 1;
    int end = from - 1;
    for (int i = from; i <= to && slots[i] != kNoCard; ++i) end = i;
    return end;
}

}  // namespace

void sortByRank(Card* slots, int count, int from, int to, bool descending) {
    if (from < 0) from = 0;
    const int end = sortEnd(slots, count, from, to);
    for (int i = from; i < end; ++i) {
        for (int j = i + 1; j <= end; ++j) {
            const int ri = rankOf(slots[i]), rj = rankOf(slots[j]);
            if (descending ? ri < rj : ri > rj) std::swap(slots[i], slots[j]);
        }
    }
}

void sortBySuitThenRank(Card* slots, int count, int from, int to, bool rankDescending) {
    if (from < 0) from = 0;
    const int end = sortEnd(slots, count, from, to);
    for (int i = from; i < end; ++i) {
        for (int j = i + 1; j <= end; ++j) {
            const int si = suitOf(slots[i]), sj = suitOf(slots[j]);
            const int ri = rankOf(slots[i]), rj = rankOf(slots[j]);
            if (si > sj || (si == sj && (rankDescending ? ri < rj : ri > rj)))
                std::swap(slots[i], slots[j]);
        }
    }
}

// --- The full search ------------------------------------------------------

namespace {

constexpr int kMaxCandidates = 8;  // 3 sets and 3 maximal runs of 11 cards at most

class MeldSearch {
  public:
    MeldSearch(const Card* cards, int count) {
        for (int i = 0; i < count; ++i) {
            if (cards[i] == kNoCard) continue;
            if (n_ >= MeldAnalysis::kMaxCards)
                gamekit::fatalError("in analyseHand: \nMore than 11 cards to analyse");
            hand_[n_++] = cards[i];
        }
        sortBySuitThenRank(hand_, n_, 0, n_ - 1, true);
        for (int i = 0; i < n_; ++i) total_ += cardValue(hand_[i]);
        result_.deadwood = total_;
        findCandidates();
    }

    MeldAnalysis run() {
        place(0);
        return result_;
    }

  private:
    void addCandidate(const int* members, int size) {
        const int c = candidateCount_++;
        candidateSize_[c] = size;
        for (int k = 0; k < size; ++k) {
            candidateCards_[c][k] = members[k];
            const int card = members[k];
            cardCandidates_[card][cardCandidateCount_[card]++] = c;
        }
    }

    void findCandidates() {
        int members[MeldAnalysis::kMaxCards];
        for (int rank = 12; rank >= 0; --rank) {
            int size = 0;
            for (int i = 0; i < n_; ++i) {
                if (rankOf(hand_[i]) == rank) members[size++] = i;
            }
            if (size >= 3) addCandidate(members, size);
        }
        // Maximal chains of one suit stepping down by one rank; the list is
        // ordered by suit, then rank descending, so a chain is contiguous.
        int start = 0;
        for (int i = 1; i <= n_; ++i) {
            const bool continues = i < n_ && suitOf(hand_[i]) == suitOf(hand_[i - 1]) &&
                                   rankOf(hand_[i]) == rankOf(hand_[i - 1]) - 1;
            if (continues) continue;
            if (i - start >= 3) {
                for (int k = start; k < i; ++k) members[k - start] = k;
                addCandidate(members, i - start);
            }
            start = i;
        }
    }

    // Gives card i and every later card with a candidate to each of its
    // candidates in turn, in creation order (its set before its run).
    void place(int i) {
        while (i < n_ && cardCandidateCount_[i] == 0) ++i;
        if (i == n_) {
            evaluate();
            return;
        }
        for (int k = 0; k < cardCandidateCount_[i]; ++k) {
            placement_[i] = cardCandidates_[i][k];
            place(i + 1);
        }
    }

    void appendMeld(const Card* cards, int size, int& melded) {
        CardGroup group;
        for (int k = 0; k < size && k < MeldAnalysis::kMaxCards; ++k) {
            group.push(cards[k]);
            melded += cardValue(cards[k]);
        }
        trial_.push(group);
    }

    void evaluate() {
        int melded = 0;
        trial_.clear();
        for (int c = 0; c < candidateCount_; ++c) {
            Card cards[MeldAnalysis::kMaxCards];
            int size = 0;
            for (int k = 0; k < candidateSize_[c]; ++k) {
                const int card = candidateCards_[c][k];
                if (placement_[card] == c) cards[size++] = hand_[card];
            }
            if (isSet(cards, size, 0, size - 1) || isRun(cards, size, 0, size - 1)) {
                appendMeld(cards, size, melded);
                continue;
            }
            // What is left of a set, or too little of a run, forms nothing.
            if (size < 4 || rankOf(cards[0]) == rankOf(cards[1])) continue;
            // What is left of a run once set cards were taken out: its
            // stretches of three or more consecutive ranks are melds.
            int open = -1;  // start of the open stretch
            int j = 0;
            while (j < size) {
                if (open < 0) {
                    if (j + 2 < size && rankOf(cards[j + 1]) == rankOf(cards[j]) - 1 &&
                        rankOf(cards[j + 2]) == rankOf(cards[j]) - 2)
                        open = j;
                    ++j;
                } else if (rankOf(cards[j]) == rankOf(cards[j - 1]) - 1) {
                    ++j;
                } else {
                    appendMeld(cards + open, j - open, melded);
                    open = -1;  // the card that broke it may start the next one
                }
            }
            if (open >= 0) appendMeld(cards + open, size - open, melded);
        }
        const int deadwood = total_ - melded;
        if (deadwood < result_.deadwood) {
            result_.deadwood = deadwood;
            result_.melds = trial_;
        }
    }

    Card hand_[MeldAnalysis::kMaxCards] = {};
    int n_ = 0;
    int total_ = 0;
    int candidateCount_ = 0;
    int candidateSize_[kMaxCandidates] = {};
    int candidateCards_[kMaxCandidates][MeldAnalysis::kMaxCards] = {};
    int cardCandidates_[MeldAnalysis::kMaxCards][2] = {};
    int cardCandidateCount_[MeldAnalysis::kMaxCards] = {};
    int placement_[MeldAnalysis::kMaxCards] = {};
    MeldList trial_;
    MeldAnalysis result_;
};

}  // namespace

MeldAnalysis analyseHand(const Card* cards, int count) {
    MeldSearch search(cards, count);
    return search.run();
}

// --- The fast least deadwood ----------------------------------------------

namespace {

constexpr HandMask kNibbleLow = 0x1111111111111ull;  // bit 0 of each of the 13 ranks
constexpr HandMask kAllCards = (HandMask{1} << 52) - 1;

// Masks of the cards whose value has bit k set, so a sum of values is four
// population counts.
constexpr HandMask valueBitMask(int k) {
    HandMask m = 0;
    for (int rank = 0; rank < 13; ++rank) {
        const int value = rank >= 9 ? 10 : rank + 1;
        if (value & (1 << k)) m |= HandMask{0xF} << (rank * 4);
    }
    return m;
}
constexpr HandMask kValueBit0 = valueBitMask(0), kValueBit1 = valueBitMask(1),
                   kValueBit2 = valueBitMask(2), kValueBit3 = valueBitMask(3);

// The cards that lie in some set or run of the hand: three of a rank, or
// three consecutive ranks of a suit. The others are deadwood whatever the
// split.
HandMask meldableCards(HandMask m) {
    const HandMask runStarts = m & (m >> 4) & (m >> 8);
    const HandMask inRun = runStarts | (runStarts << 4) | (runStarts << 8);
    const HandMask perRank =
        (m & kNibbleLow) + ((m >> 1) & kNibbleLow) + ((m >> 2) & kNibbleLow) + ((m >> 3) & kNibbleLow);
    const HandMask threeOrMore = ((perRank + kNibbleLow) >> 2) & kNibbleLow;
    return (inRun | threeOrMore * 0xF) & m;
}

// Without a population-count instruction in the target's baseline the
// library call costs more than the whole analysis; the bit-slicing count is
// a dozen inline operations.
inline int countCards(HandMask m) {
#if defined(__POPCNT__)
    return std::popcount(m);
#else
    m = m - ((m >> 1) & 0x5555555555555555ull);
    m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
    m = (m + (m >> 4)) & 0x0f0f0f0f0f0f0f0full;
    return static_cast<int>((m * 0x0101010101010101ull) >> 56);
#endif
}

int solve(HandMask m);

// Least deadwood of any hand: the cards outside every meld count as they
// are, only the rest is searched.
int deadwoodOf(HandMask m) {
    const HandMask meldable = meldableCards(m);
    return maskValue(m & ~meldable) + (meldable ? solve(meldable) : 0);
}

// Every card of m can be melded. The lowest card is the lowest card of any
// run it joins, so it is deadwood, the bottom of a run of 3 or more from it,
// or in a set of three or four of its rank; each choice is searched.
int solve(HandMask m) {
    const int bitIndex = std::countr_zero(m);
    const HandMask bit = HandMask{1} << bitIndex;
    const int rank = bitIndex >> 2;
    const int value = rank >= 9 ? 10 : rank + 1;
    int best = value + deadwoodOf(m & ~bit);

    if (best > 0 && (m & (bit << 4)) && (m & (bit << 8))) {
        HandMask run = bit | (bit << 4) | (bit << 8);
        HandMask next = bit << 12;
        for (;;) {
            best = std::min(best, deadwoodOf(m & ~run));
            if (best == 0 || !(m & next)) break;
            run |= next;
            next <<= 4;
        }
    }
    const HandMask sameRank = (m >> (rank * 4)) & 0xF & ~(bit >> (rank * 4));
    const int others = countCards(sameRank);
    if (others >= 2 && best > 0) {
        const HandMask rankBase = HandMask{1} << (rank * 4);
        if (others == 3) best = std::min(best, deadwoodOf(m & ~(bit | (sameRank << (rank * 4)))));
        // Each pair of the others with the lowest card: a set of three.
        for (int a = 0; a < 4; ++a) {
            if (!(sameRank & (1u << a))) continue;
            for (int b = a + 1; b < 4; ++b) {
                if (!(sameRank & (1u << b))) continue;
                const HandMask set = bit | (rankBase << a) | (rankBase << b);
                best = std::min(best, deadwoodOf(m & ~set));
            }
        }
    }
    return best;
}

}  // namespace

int maskValue(HandMask m) {
    return countCards(m & kValueBit0) + 2 * countCards(m & kValueBit1) +
           4 * countCards(m & kValueBit2) + 8 * countCards(m & kValueBit3);
}

HandMask handMask(const Card* cards, int count) {
    HandMask m = 0;
    for (int i = 0; i < count; ++i) {
        if (cards[i] != kNoCard) m |= maskBit(cards[i]);
    }
    return m;
}

int leastDeadwood(HandMask hand) {
    return deadwoodOf(hand & kAllCards);
}

}  // namespace velloran
