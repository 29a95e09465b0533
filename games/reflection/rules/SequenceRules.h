#pragma once

namespace reflection {

constexpr int kSequenceCount = 4;
constexpr int kStoreTalonCount = 4;
constexpr int kSequenceLength = 13;
constexpr int kStoreTalonCapacity = 20;
constexpr int kKingsTalonCapacity = 4;
constexpr int kDeckSize = 52;
// The ace, two, three and four that open the four sequences stay at the top
// of the deck through every shuffle.
constexpr int kOpeningCards = 4;

constexpr int kOpeningCardPoints = 2;
constexpr int kSequenceCardPoints = 4;
constexpr int kOpeningScore = kOpeningCards * kOpeningCardPoints;
constexpr int kWinningScore = kOpeningScore + (kDeckSize - kOpeningCards) * kSequenceCardPoints;

// Sequence s steps by s + 1: its n-th card (n from 1) has face value
// (s + 1) * n mod 13, where 0 is the king. Returns the rank index (0 ace ..
// 12 king) required at position `position` (0-based), or -1 outside the table.
constexpr int requiredRank(int sequence, int position) {
    if (sequence < 0 || sequence >= kSequenceCount) return -1;
    if (position < 0 || position >= kSequenceLength) return -1;
    int value = (sequence + 1) * (position + 1) % 13;
    return value == 0 ? 12 : value - 1;
}

// The one position of sequence `sequence` that takes rank `rank`, or -1.
// Every step is prime to 13, so each rank appears exactly once per sequence.
constexpr int positionOfRank(int sequence, int rank) {
    for (int p = 0; p < kSequenceLength; ++p) {
        if (requiredRank(sequence, p) == rank) return p;
    }
    return -1;
}

// A card fits a sequence holding `length` cards when the sequence is not
// complete and the card's rank is the one required next.
constexpr bool rankFits(int sequence, int length, int rank) {
    return length >= 0 && length < kSequenceLength && requiredRank(sequence, length) == rank;
}

static_assert(requiredRank(1, 6) == 0 && requiredRank(1, 7) == 2, "2 4 6 8 10 Q then A 3");
static_assert(requiredRank(3, 12) == 12 && requiredRank(2, 12) == 12, "every sequence ends on K");
static_assert(kWinningScore == 200);

}  // namespace reflection
