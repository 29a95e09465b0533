#include "games/pellandine/rules/Variation.h"

namespace pellandine {

namespace {

const VariationInfo kVariations[4] = {
    {kPairs, "Pairs", "PAIRS", "PairsScores", 20, 4, true, true, false},
    {kSum10, "Sum 10", "SUM 10", "Sum10Scores", 13, 3, false, false, false},
    {kSum11, "Sum 11", "SUM 11", "Sum11Scores", 20, 4, true, true, true},
    {kSum14, "Sum 14", "SUM 14", "Sum14Scores", 10, 2, false, false, false},
};

// Per variation: instructions, after a removal with cards in the deck, after a
// removal with the deck empty.
const PromptLines kInstructions[4] = {
    {"Select 2 adjacent cards (pairs can be", "horizontal, vertical or diagonal)."},
    {"Select 2 cards that sum to 10", "or 10-J-Q-K of same suit."},
    {"Select 2 adjacent cards (horizontal,", "vertical or diagonal) that sum to 11."},
    {"Select cards that sum to 14 where", "J=11, Q=12, K=13 and A=1."},
};

const PromptLines kAfterRemoval[4] = {
    {"Tap deck to deal more cards, or", "select another pair."},
    {"Tap deck to deal more cards, or", "select another pair / 10-J-Q-K"},
    {"Tap deck to deal more cards, or", "select another pair for sum 11."},
    {"Tap deck to deal more cards, or", "select a new set (J=11, Q=12, K=13)."},
};

const PromptLines kAfterRemovalEmpty[4] = {
    {"Tap deck to move cards up, or", "select another pair."},
    {"Tap cards to select another pair or", "10-J-Q-K"},
    {"Tap deck to move cards up, or", "select another pair for sum 11."},
    {"Tap cards to select a new set", "(J=11, Q=12, K=13)."},
};

int indexOf(int gameType) {
    return normalizeGameType(gameType) - 1;
}

}  // namespace

int normalizeGameType(int raw) {
    if (raw == 0) return kPairs;
    if (raw < kPairs || raw > kSum14) return kSum14;
    return raw;
}

int normalizeSlideMode(int raw) {
    return raw == kSlideStraightUp ? kSlideStraightUp : kSlideZigZag;
}

const VariationInfo& variationInfo(int gameType) {
    return kVariations[indexOf(gameType)];
}

bool isActivePosition(int gameType, int row, int column) {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return false;
    switch (normalizeGameType(gameType)) {
        case kSum10:
            if (row == 1) return column >= 1 && column <= 3;
            return row < 3;
        case kSum14:
            return row < 2;
        default:
            return true;
    }
}

PromptLines promptLines(Prompt prompt, int gameType) {
    const int i = indexOf(gameType);
    switch (prompt) {
        case Prompt::BeforeFirstGame:
            return {"Tap deck to deal, or use menu to", "change game variation."};
        case Prompt::Instructions:
            return kInstructions[i];
        case Prompt::AfterRemoval:
            return kAfterRemoval[i];
        case Prompt::AfterRemovalEmpty:
            return kAfterRemovalEmpty[i];
        case Prompt::GameOver:
            return {"Tap deck to start a new game, or", "use menu to change game variation."};
        case Prompt::None:
            break;
    }
    return {"", ""};
}

}  // namespace pellandine
