#pragma once

#include <cstdint>
#include <vector>

#include "games/cribbage/rules/Card.h"
#include "games/cribbage/rules/HandCount.h"
#include "games/cribbage/rules/PlayScoring.h"

namespace cribbage {

constexpr int kDeckCards = 52;
constexpr int kCardsPerDeal = 13;  // six each and the starter
constexpr int kDealsPerShuffle = 4;
constexpr int kWinningScore = 121;
constexpr int kLurchScore = 61;  // a loser below this is "lurched"
constexpr int kSetWins = 5;
constexpr int kMessageLines = 8;

// The state of the program as a whole; the screens share the numbering.
enum class GameState : int {
    Table = 0,
    Splash = 1,
    Dealing = 2,
    Discarding = 3,
    CuttingStarter = 4,
    Playing = 5,
    CountingPone = 7,
    CountingDealer = 9,
    CountingCrib = 11,
    ConfigureAppearance = 12,
    ConfigureGame = 13,
    About = 14,
    Rules = 15,
    Help = 16,
    GameOver = 17,
};

// Red is the person, Blue the computer.
enum class Side : int8_t { Red = 0, Blue = 1 };
constexpr Side other(Side side) {
    return side == Side::Red ? Side::Blue : Side::Red;
}
constexpr const char* sideName(Side side) {
    return side == Side::Red ? "red" : "blue";
}

// The options the rules read. Strengths: 0 Beginning, 1 Standard, 2 Expert;
// hint types: 0 None, 1 Standard Advice, 2 Expert Advice.
struct GameOptions {
    int computerAI = 1;
    int hintType = 0;
    bool learningMessages = true;
    bool multipleGames = true;
};

// What a player (or the program on a player's behalf) can do.
enum class ActionKind : int8_t {
    Continue,       // Splash: on to the table
    NewGame,        // keepSet: a tap on the deck or after a game; false for "New" and Up
    Deal,           // Dealing: deal the six cards each
    Discard,        // Discarding: `side` lays slots first and second of six away
    RevealStarter,  // CuttingStarter: the starter is shown and the play begins
    Lay,            // Playing: `side` lays the card of slot `first` (of four)
    Go,             // Playing: `side` cannot lay: says go, or pegs the go pending
    CountNext,      // after the eighth card and in each count: the next count or deal
};

struct Action {
    ActionKind kind = ActionKind::Continue;
    Side side = Side::Red;
    int first = -1;
    int second = -1;
    bool keepSet = false;
    uint32_t seed = 1;  // NewGame: seeds the shuffles of the game

    bool operator==(const Action&) const = default;

    static Action newGame(uint32_t seed, bool keepSet) {
        Action a{ActionKind::NewGame};
        a.seed = seed;
        a.keepSet = keepSet;
        return a;
    }
    static Action simple(ActionKind kind) { return Action{kind}; }
    static Action discard(Side side, int first, int second) {
        return Action{ActionKind::Discard, side, first, second};
    }
    static Action lay(Side side, int slot) { return Action{ActionKind::Lay, side, slot}; }
    static Action go(Side side) { return Action{ActionKind::Go, side}; }
};

// Why points were pegged.
enum class PegReason : int8_t { HisHeels, Play, Go, Hand, Crib };

enum class EventKind : int8_t {
    Shuffled,         // the shoe was shuffled
    CardDealt,        // `card` to `side`'s hand slot `slot`, face up or down
    HandSorted,       // `side`'s hand was put in order (descending rank)
    CardToCrib,       // `card` from `side`'s hand slot `slot` to crib slot `to`
    StarterCut,       // `card` is the starter, face up
    CardLaid,         // `side` laid `card` from slot `slot`; `count` the running count
    GoSaid,           // `side` cannot lay and says go
    CountReset,       // the running count returns to 0
    CardsGathered,    // the cards of the play go back to their hands
    HandCounted,      // `side`'s hand (or crib when `crib`) counted: `handCount`
    PegMoved,         // `side` pegs `points` (`reason`): front peg `from` -> `count`;
                      // `text` and `text2` the messages queued with it
    MessagesCleared,  // `side`'s message list emptied
    Message,          // `text` appended to `side`'s message list
    StatusLine,       // the status line reads `text`
    MessageBox,       // a message box titled `title` says `text`
    StateChanged,     // the game state became `state`
    GameWon,          // `side` won the game (and the set when `setWon`)
};

struct GameEvent {
    EventKind kind = EventKind::StateChanged;
    Side side = Side::Red;
    Card card;
    int8_t slot = -1;
    int8_t to = -1;
    bool faceUp = false;
    bool crib = false;
    bool setWon = false;
    PegReason reason = PegReason::Play;
    int points = 0;
    int from = 0;
    int count = 0;
    GameState state = GameState::Table;
    const char* text = nullptr;
    const char* text2 = nullptr;  // PegMoved: a second message (a fifteen and a pair)
    const char* title = nullptr;
    HandCount handCount;
};

// What apply did: refused (nothing changed) or the events in order.
struct ApplyResult {
    bool accepted = false;
    std::vector<GameEvent> events;
};

struct ActionList {
    static constexpr int kCapacity = 16;
    Action actions[kCapacity];
    int count = 0;
    void add(const Action& action);
    const Action* begin() const { return actions; }
    const Action* end() const { return actions + count; }
};

// A deal set up by hand (the tools and the tests): the four cards each keeps,
// the crib (slots 0 and 1 Red's discards, 2 and 3 Blue's), the starter and
// the scores. The shoe is arranged so the normal deal produces it.
struct DealSetup {
    bool computerDeals = false;
    int redScore = 0;
    int blueScore = 0;
    Card red[4];
    Card blue[4];
    Card crib[4];
    Card starter;
};

struct PlayerStats {
    int decisions = 0;  // discard and play decisions made by the computer
};

// One game of cribbage between Red (the person) and Blue (the computer),
// and the set it belongs to. A plain value: it can be copied for a search or
// a trial. Every rule lives in apply; the table turns taps into actions and
// animates the events it returns.
class CribbageGame {
  public:
    // The shoe is shuffled twice, as when the program starts.
    explicit CribbageGame(uint32_t seed = 1);

    // --- Actions and their rules ----------------------------------------
    void legalActions(ActionList& out) const;
    bool isLegal(const Action& action) const;
    ApplyResult apply(const Action& action);

    // Blue's choices are the computer's (the program) or, when false, come
    // as actions like Red's (the tools replaying a given deal).
    void setComputerPlaysBlue(bool computer) { computerPlaysBlue_ = computer; }
    bool computerPlaysBlue() const { return computerPlaysBlue_; }

    // The options; leaving Configure Game with "Single Game" clears the set.
    // The hints are worked out again for the state the game is in.
    void setOptions(const GameOptions& options);
    const GameOptions& options() const { return options_; }

    // The option, rules, help and About screens: opening one keeps the game
    // state to return to; closing it returns there and takes the options
    // over (hints worked out again, the set cleared for "Single Game").
    // Nothing of the game can be done while a screen is open.
    bool openScreen(GameState screen);
    void closeScreen(const GameOptions& options);
    GameState stateBeforeScreen() const { return savedState_; }

    // A new game whose first dealer is given instead of drawn (a simulator's
    // alternating seats). The draw is replaced only where one would be made.
    ApplyResult newGameWithDealer(uint32_t seed, bool keepSet, bool computerDeals);
    // Arranges the shoe so that the next deal is `setup` and puts the game in
    // Dealing with the given scores and dealer. False (nothing changed) when
    // the cards are not 13 distinct cards.
    bool arrangeDeal(const DealSetup& setup);
    // Puts the shoe in the given order (52 distinct card indices, first
    // dealt first) and restarts the deal count: the next deal takes 0..12.
    bool arrangeShoe(const int order[kDeckCards]);

    // --- Reading the state ---------------------------------------------
    GameState state() const { return state_; }
    bool gameOver() const { return state_ == GameState::GameOver; }
    // The winner once the game is over.
    Side winner() const { return winner_; }
    int score(Side side) const { return score_[idx(side)]; }
    int backPeg(Side side) const { return backPeg_[idx(side)]; }
    int wins(Side side) const { return wins_[idx(side)]; }
    void setWins(int red, int blue);
    bool computerDeals() const { return computerDeals_; }
    Side dealer() const { return computerDeals_ ? Side::Blue : Side::Red; }
    Side pone() const { return other(dealer()); }
    bool nextSetDealer() const { return nextSetDealer_; }
    int dealCounter() const { return dealCounter_; }

    // The hand of a side: six cards until the discards, then four.
    const Card* hand(Side side) const { return hands_[idx(side)]; }
    int handSize(Side side) const { return handSize_[idx(side)]; }
    bool played(Side side, int slot) const { return played_[idx(side)][slot]; }
    int unplayedCount(Side side) const;
    const Card* crib() const { return crib_; }
    int cribCount() const { return cribCount_; }
    Card starter() const { return starter_; }

    // The play.
    int runningCount() const { return runningCount_; }
    int cardsLaid() const { return cardsLaid_; }
    int cardsInCount() const { return cardsInCount_; }
    // The cards of the current count, oldest first.
    const Card* countCards() const { return laid_ + (cardsLaid_ - cardsInCount_); }
    Card laidCard(int order) const { return laid_[order]; }
    Side laidBy(int order) const { return laidBy_[order]; }
    bool goPending() const { return goPending_; }
    bool redToPlay() const { return redToPlay_; }
    Side toPlay() const { return redToPlay_ ? Side::Red : Side::Blue; }
    bool playOver() const { return cardsLaid_ == 8; }
    bool canLay(Side side) const;
    bool fits(Side side, int slot) const;

    // Shown to the person.
    int messageCount(Side side) const { return messageCount_[idx(side)]; }
    const char* message(Side side, int line) const { return messages_[idx(side)][line]; }
    // Whether `side`'s list is shown: set by each line added to it, cleared
    // when it is emptied and, on the person's move, for both lists (what the
    // computer said before is no longer news). The computer's move keeps the
    // person's list shown.
    bool messagesShown(Side side) const { return messagesShown_[idx(side)]; }
    const char* statusLine() const { return status_; }
    int hintCard() const { return hintCard_; }
    int hintCard2() const { return hintCard2_; }
    // The last hand counted and whose it was (for the count display).
    const HandCount& lastCount() const { return lastCount_; }
    Side lastCountSide() const { return lastCountSide_; }

    // The shoe: the cards in deal order and the next one to deal.
    Card shoeCard(int position) const { return Card::fromIndex(shoe_[position]); }
    int shoeNext() const { return shoeNext_; }

    const PlayerStats& stats() const { return stats_; }

  private:
    static int idx(Side side) { return side == Side::Red ? 0 : 1; }
    struct Emitter;

    void shuffleShoe(Emitter& out);
    void startGame(Emitter& out, uint32_t seed, bool keepSet, int forcedDealer);
    void resetDeal();
    void dealHands(Emitter& out);
    void discard(Emitter& out, Side side, int first, int second);
    void cutStarter(Emitter& out);
    void revealStarter(Emitter& out);
    void move(Emitter& out, Side side, int slot);
    void runComputer(Emitter& out);
    void afterMove(Emitter& out);
    void countNext(Emitter& out);
    void countFor(Emitter& out, Side side, bool crib);
    void nextDeal(Emitter& out);
    void openDeal(Emitter& out);
    void peg(Emitter& out, Side side, int points, PegReason reason, const char* message,
             const char* message2 = nullptr);
    void endGame(Emitter& out, Side winner);
    void clearMessages(Emitter& out, Side side);
    void addMessage(Emitter& out, Side side, const char* text);
    void setStatus(Emitter& out, const char* text);
    void setState(Emitter& out, GameState state);
    void setTurnStatus(Emitter& out);
    void workOutDiscardHint();
    void workOutPlayHint();
    bool canAct(Side side) const;

    uint8_t shoe_[kDeckCards];
    int shoeNext_ = 0;
    uint32_t seed_ = 1;
    int dealCounter_ = 1;

    GameState state_ = GameState::Splash;
    GameState savedState_ = GameState::Splash;
    GameOptions options_;
    bool computerPlaysBlue_ = true;

    Card hands_[2][6];
    int handSize_[2] = {0, 0};
    bool discarded_[2] = {false, false};
    bool played_[2][4] = {};
    Card crib_[4];
    int cribCount_ = 0;
    Card starter_;

    Card laid_[8];
    Side laidBy_[8] = {};
    int cardsLaid_ = 0;
    int cardsInCount_ = 0;
    int runningCount_ = 0;
    bool goPending_ = false;
    bool redToPlay_ = true;
    bool computerDeals_ = false;
    bool nextSetDealer_ = false;

    int score_[2] = {0, 0};
    int backPeg_[2] = {-1, -1};
    int wins_[2] = {0, 0};
    Side winner_ = Side::Red;

    const char* messages_[2][kMessageLines] = {};
    int messageCount_[2] = {0, 0};
    bool messagesShown_[2] = {false, false};
    const char* status_ = "";
    int hintCard_ = -1;
    int hintCard2_ = -1;
    HandCount lastCount_;
    Side lastCountSide_ = Side::Red;
    PlayerStats stats_;
};

}  // namespace cribbage
