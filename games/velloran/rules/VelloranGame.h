#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "games/velloran/rules/Cards.h"
#include "games/velloran/rules/Events.h"
#include "games/velloran/rules/HandAnalysis.h"
#include "games/velloran/rules/Scoring.h"

namespace velloran {

enum class Side { Player, Computer };
enum class Level { Beginning = 0, Standard = 1, Expert = 2 };

// The game's screens by their numbers; TiedHand is the tied-hand message
// over the play screen (3), waiting for its tap.
enum class Phase {
    Idle = 0,
    Dealing = 2,
    Play = 3,
    Meld = 4,
    LayOff = 5,
    HandResult = 12,
    ScoreSheet = 13,
    GameOver = 14,
    TiedHand = 103,
};

struct Options {
    bool deal10Cards = true;  // "Deal 10 cards each": an upcard is offered
    bool hollywood = false;    // "Hollywood scoring"
    int pointsToWin = 100;     // 100 or 300
    Level level = Level::Standard;
    bool hints = false;  // "Display Hints"
};

// How a side takes and throws: its level, whether it follows the expert
// rules (Expert, or any level while hints are on) and whether it tosses a
// coin for the discard (the computer at Beginning).
struct Strategy {
    Level level = Level::Standard;
    bool expertRules = false;
    bool coinFlip = false;
};

constexpr int kPlayerSlots = 17;
constexpr int kComputerSlots = 11;
constexpr int kComputerDrawSlot = 10;
constexpr int kPlayerTrialSlot = 16;

// One line of the hand result: a number right-aligned at x 43 and its label
// from x 53, at `y`.
struct ResultLine {
    std::string number;
    std::string label;
    int y = 0;
};
struct HandResultLines {
    std::vector<ResultLine> lines;  // deadwoods and bonuses, the total last
    int ruleY = 0;                  // the rule above the total
};

// The whole state of a game of Velloran: both hands, the piles, the offer,
// the texts, the melds and the score. It copies with a plain assignment, so
// a program can try a line of play on a copy. apply() is the only way the
// table changes it; it refuses what the rules forbid (false, nothing
// changed) and otherwise appends what the table must animate to `events`.
class VelloranGame {
  public:
    VelloranGame();

    // The program's start: three riffle shuffles of the new deck.
    void shuffleAtStart(uint32_t seed);

    Phase phase() const { return phase_; }
    Options& options() { return options_; }
    const Options& options() const { return options_; }

    bool isLegal(const Action& action) const;
    // The actions of the phase that the rules accept now, slots and meld
    // indices spelled out (NewGame is always among them).
    std::vector<Action> legalActions() const;
    bool apply(const Action& action, Events* events = nullptr);

    // --- Reading the table ----------------------------------------------
    Card playerSlot(int slot) const { return playerHand[slot]; }
    Card computerSlot(int slot) const { return computerHand[slot]; }
    int playerCardCount() const;
    int computerCardCount() const;
    int selectedCount() const;
    int lastSelectedSlot() const;
    int cardsLeft() const { return kDeckSize - nextCard; }
    Card discardTop() const { return discardPile.empty() ? kNoCard : discardPile.back(); }
    Card stockCard(int index) const;
    // Whether the person is asked about the upcard now.
    bool playerOffered() const;
    // Knock and Gin buttons: one card selected, eleven held, and the
    // deadwood without it.
    bool canKnock() const;
    bool canGin() const;
    // The "Meld" button of the meld screen.
    bool canFinishMelding() const;
    HandResultLines handResultLines() const;

    // --- Hand analysis --------------------------------------------------
    // The least deadwood of a side's hand (the player's without his marked
    // cards) into its deadwood field. withMelds also leaves the split in
    // bestMelds (the full search); without, the fast count is used.
    void computeDeadwood(Side side, bool withMelds = false);
    void autoMeld(Side side);
    void sumDeadwood(Side side);
    static void packRight(Card* slots, int count);
    bool createMeld();
    bool ungroupMeld();
    bool layOffPlayer(int target, Events* events = nullptr);
    void layOffComputer();
    // The mask of a side's hand as the analysis sees it.
    HandMask sideMask(Side side) const;

    // --- Computer player and hints ----------------------------------------
    Strategy computerStrategy() const;
    static Strategy levelStrategy(Level level, bool hints);
    bool shouldTakeDiscard(Side side, const Strategy& strategy);
    int chooseDiscard(Side side, const Strategy& strategy);
    // Whether a side with ten cards left of deadwood `deadwood` knocks at
    // `level` (deadwood 0 is always gin).
    bool wantsToKnock(Side side, Level level, int deadwood) const;
    int computerTurn(Events* events);
    void updateHints();
    HandMask unseenCards(Side side) const;

    // --- Scoring -----------------------------------------------------------
    void scoreHand();
    bool recordHand(Events* events);
    void resetGame();

    // For simulations only: ends a hand that two programs would play for ever
    // as a tie (the person can always draw, so the program needs no cap).
    void endHandAsTie(Events* events);
    // Counts the turns of the hand, for the simulator's cap.
    int turnsThisHand() const { return turns_; }
    int decisions() const { return decisions_; }
    // The least deadwood of each side's first ten cards of this deal.
    int dealtDeadwood(Side side) const { return dealtDeadwood_[side == Side::Player ? 0 : 1]; }
    // Arranges the stock for the next deal (tests and replays): the given
    // cards come first, in order, then the rest in deck order, and the next
    // hand deals them without shuffling. false for a repeated card.
    bool arrangeStock(const std::vector<Card>& top);

    // --- State (read by the table; changed only through apply) -------------
    Card playerHand[kPlayerSlots];
    bool selected[kPlayerSlots];
    Card computerHand[kComputerSlots];
    int playerDeadwood = 0;
    int computerDeadwood = 0;
    MeldList bestMelds;
    std::vector<CardGroup> playerMelds;
    std::vector<CardGroup> computerMelds;
    std::vector<CardGroup> layOffTargets;
    int selectedMeld = -1;

    Card stock[kDeckSize];
    int nextCard = 0;
    std::vector<Card> discardPile;
    std::vector<Card> takenByPlayer;
    std::vector<Card> takenByComputer;
    bool faceUp[kDeckSize];

    bool computerDeals = false;
    int upcardOffer = 0;
    bool playerActive = true;
    bool busy = false;
    std::string statusLine;
    std::string promptLine;
    std::string headline;
    int hintDiscardSlot = -1;
    bool hintTakeDiscard = false;

    int handBonus = 0;
    int handScore = 0;
    bool playerWonHand = false;
    ScoreBook scores;

  private:
    void newHand(bool continueGame, uint32_t seed, Events* events);
    void startHand();
    void shuffleStock(uint32_t seed);
    Card dealCard(bool up);
    void dealHand(Events* events);
    void beginPlay(Events* events);
    void setTakePrompts(Events* events);
    void setDiscardPrompts(Events* events);
    void setStatus(const std::string& text, Events* events);
    void setPrompt(const std::string& text, Events* events);
    void setHeadline(const std::string& text, Events* events);
    void recomputeHints();
    void computerPasses(Events* events);
    void computerOfferTurn(Events* events);

    bool applyPlay(const Action& action, Events* events);
    bool applyMeld(const Action& action, Events* events);
    bool applyLayOff(const Action& action, Events* events);
    void tapSlot(int slot, Events* events);
    void moveCardInHand(int from, int to, Events* events);
    void takeCard(bool fromStock, Events* events);
    void discardSelected(Events* events);
    void throwLastSelected(Events* events);
    void gin(Events* events);
    void enterMeld(Events* events);
    void enterLayOff(Events* events);
    void clearPlayerMarks();
    void tieCheck(Events* events);
    void scoreAndShow(Events* events);
    void setPhase(Phase phase, Events* events);

    int chooseDiscardPlain(Side side, const Strategy& strategy, const int* slots, int slotCount);
    int chooseDiscardExpert(Side side, const int* slots, int slotCount);
    int keepGinSlot(Side side, const int* slots, int slotCount);
    Card* handOf(Side side) { return side == Side::Player ? playerHand : computerHand; }
    const Card* handOf(Side side) const { return side == Side::Player ? playerHand : computerHand; }
    int slotsOf(Side side) const { return side == Side::Player ? kPlayerSlots : kComputerSlots; }
    int& deadwoodOf(Side side) { return side == Side::Player ? playerDeadwood : computerDeadwood; }

    Phase phase_ = Phase::Idle;
    Options options_;
    int turns_ = 0;
    int decisions_ = 0;
    int dealtDeadwood_[2] = {0, 0};
    bool keepArrangedStock_ = false;  // the next hand deals the arranged stock unshuffled
};

const char* levelName(Level level);
bool parseLevel(const std::string& text, Level& out);

}  // namespace velloran
