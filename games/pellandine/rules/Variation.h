#pragma once

namespace pellandine {

// The four variations, as the GameType setting stores them.
enum GameType : int { kPairs = 1, kSum10 = 2, kSum11 = 3, kSum14 = 4 };

// The refill modes, as the SlideChallenge setting stores them.
enum SlideMode : int { kSlideZigZag = 0, kSlideStraightUp = 1 };

// Any stored GameType as a variation: 0 (never written by the program, but
// found in old or hand-edited settings) is Pairs, and any other value outside
// 1 to 4 is Sum 14, so no lookup is ever made with a bad index.
int normalizeGameType(int raw);

// 1 is the challenge mode; anything else is the default zig-zag.
int normalizeSlideMode(int raw);

constexpr int kRows = 4;
constexpr int kColumns = 5;
constexpr int kSlotCount = kRows * kColumns;
constexpr int kDeckCards = 52;
constexpr int kSelectionPlaces = 6;

// Two lines of the instruction box. Either may be empty ("").
struct PromptLines {
    const char* first;
    const char* second;
};

// What the instruction box shows, decided by the rules; the table shows the
// lines when the DisplayPrompts option is on.
enum class Prompt {
    None,               // cleared (at a win)
    BeforeFirstGame,    // the table before any game
    Instructions,       // at a deal and after every deck tap
    AfterRemoval,       // a group was removed and the deck still has cards
    AfterRemovalEmpty,  // a group was removed and the deck is empty
    GameOver,           // after a win
};

struct VariationInfo {
    int gameType;
    const char* bannerName;    // "Pairs", "Sum 10", ...
    const char* listName;      // the high-score screen's column text
    const char* registryName;  // the registry value of its high-score list
    int tableSize;             // active slots
    int rowsUsed;          // rows from the top that hold active slots
    bool needsAdjacency;   // groups must be neighbours
    bool movesCardsUp;     // a deck tap slides the cards before refilling
    bool stacksFaceCards;  // face cards go under the next card dealt
};

// The data of a variation; the argument is normalised first.
const VariationInfo& variationInfo(int gameType);

// Whether row (0 = top) and column belong to the variation's layout.
bool isActivePosition(int gameType, int row, int column);

PromptLines promptLines(Prompt prompt, int gameType);

}  // namespace pellandine
