#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gamekit/cards/PokerShoe.h"
#include "games/pellandine/rules/DeckOrder.h"
#include "games/pellandine/rules/GroupRules.h"
#include "games/pellandine/rules/ScoreLists.h"
#include "games/pellandine/rules/Selection.h"
#include "games/pellandine/rules/TableEvent.h"
#include "games/pellandine/rules/TableGrid.h"
#include "games/pellandine/rules/TablePosition.h"
#include "games/pellandine/rules/Variation.h"

namespace pellandine {

// Where the game stands. The table maps it to its screens: NoGame is the
// table before the first deal, Playing the table during play, Over the table
// after a win.
enum class GamePhase { NoGame, Playing, Over };

// A score offered to the high-score list, with what the player is told.
struct ScoreOffer {
    bool offered = false;
    int gameType = kPairs;
    int score = 0;
    int place = -1;    // 0 = best, -1 when it did not enter
    bool won = false;  // the game that ended was won

    // "You made the high score list", "You won!" or null when nothing is told.
    const char* message() const;
    static const char* caption() { return "Congratulations!"; }
};

// What a tap did.
enum class TapKind {
    None,              // not handled (the game is over, or nothing under the point)
    NewGame,           // the deck was tapped with no game running: a new deal
    DeckTapped,        // the deck was tapped during play: moved up and refilled
    Selected,          // a card joined the selection
    Unselected,        // a selected card left it
    SelectionCleared,  // empty space: the whole selection was emptied
    SelectionFull,     // a seventh card: ignored
};

// The outcome of anything that changes the table, for the table to show: the
// grid as it was (for a deal, the cleared table in the new layout), then each
// step in order (replay them on `before` with TableGrid::apply to animate),
// then what the player should be told.
struct PlayResult {
    PlayResult() = default;
    // Starts from `grid` as it is (copied, not laid out first and overwritten).
    explicit PlayResult(const TableGrid& grid) : before(grid) {}
    // A field added here is also reset by PellandineRules::startResult.

    TableGrid before;
    std::vector<TableEvent> events;
    TapKind tap = TapKind::None;
    bool dealt = false;    // a new deal (New, Restart, or a deck tap starting one)
    bool removed = false;  // a group left the table (the click sound)
    int cardsRemoved = 0;  // by removal, and stranded face cards
    bool gameWon = false;  // this step made the score 52
    ScoreOffer offer;      // at a win, or the unfinished game a New replaced
};

// The rules of Pellandine: the grid, the selection, the one-deck shoe, the
// score, the deck and the high-score lists. It takes seeds from the caller
// (the program passes the tick count), so a game is reproducible from them.
class PellandineRules {
  public:
    // A one-deck shoe given three swap passes; no cards on the table yet.
    explicit PellandineRules(uint32_t startSeed, int gameType = kPairs,
                             int slideMode = kSlideZigZag);
    PellandineRules(const PellandineRules&) = delete;
    PellandineRules& operator=(const PellandineRules&) = delete;

    // The options. A new variation takes effect at the next deal (the table
    // deals at once when the player picks another variation); before the
    // first deal it also lays out the empty table.
    void setGameType(int raw);
    int gameType() const { return gameType_; }
    int dealtGameType() const { return grid_.gameType(); }
    void setSlideMode(int raw) { slideMode_ = normalizeSlideMode(raw); }
    int slideMode() const { return slideMode_; }

    // "New": offers the score of an unfinished game to its list, then deals
    // after shuffling the whole shoe with the seed.
    PlayResult newGame(uint32_t seed);
    // "New" with the shoe arranged: the given cards first, in that order, the
    // rest after them in the order they lay. Used for set-up positions.
    PlayResult newGameWithOrder(const std::vector<CardCode>& topFirst);
    // "Restart": the same cards in the same places; nothing before the first deal.
    PlayResult restartGame();
    bool canRestart() const { return dealtOnce_; }
    // Lays out a position set up by hand, in play, nothing selected
    // (TablePosition.cpp). Refused (false, `error` naming the fault, nothing
    // changed) for a card given twice, a card off the variation's table, a
    // stack Sum 11 never deals or a score that does not count the cards left
    // out.
    bool setUpPosition(const TablePosition& position, std::string& error);

    // The stylus pressed on the table, in the table's terms: the rules know
    // no screen (TableLayout.h turns a point into one of these).
    // The deck during play: cards move up (Pairs, Sum 11), the selection is
    // emptied, the gaps are refilled from the shoe. Ignored otherwise.
    PlayResult tapDeck();
    // The deck tapped on the table: tapDeck during play, else a new deal
    // shuffled with the seed (reported as NewGame).
    PlayResult tapDeckOrDeal(uint32_t seedForNewGame);
    // A card of the grid joins or leaves the selection; a place without a
    // card counts as empty space.
    PlayResult select(int row, int column);
    // Empty space: the selection is emptied.
    PlayResult tapEmptySpace();
    // The stylus lifted: judges the selection, removes a complete group.
    PlayResult evaluateSelection();

    // The groups the player may take off now, in reading order; none outside
    // play.
    std::vector<Group> legalMoves() const;

    // The same steps told into a result (or list) the caller keeps: emptied
    // first, its storage reused, so that a program playing many games (the
    // simulator) allocates nothing per tap.
    void tapDeck(PlayResult& result);
    void select(int row, int column, PlayResult& result);
    void evaluateSelection(PlayResult& result);
    void legalMoves(std::vector<Group>& out) const;

    const TableGrid& grid() const { return grid_; }
    const Selection& selection() const { return selection_; }
    int selectionCount() const { return selection_.count(); }
    int score() const { return score_; }
    int cardsLeft() const { return cardsLeft_; }
    GamePhase phase() const { return phase_; }
    bool gameOver() const { return phase_ == GamePhase::Over; }
    Prompt prompt() const { return prompt_; }
    PromptLines promptLines() const;

    // No card left to deal: the table draws an empty place for the deck.
    bool shoeExhausted() const { return shoe_.exhausted(); }
    int cardsInShoe() const { return shoe_.cardsLeft(); }
    // The deck counts as empty for the prompts when the shoe itself is
    // exhausted; face cards covered on the table are not in the deck.
    bool deckEmpty() const { return shoe_.exhausted(); }

    ScoreLists& scores() { return scores_; }
    const ScoreLists& scores() const { return scores_; }
    const gamekit::PokerShoe& shoe() const { return shoe_; }

  private:
    PlayResult startResult() const;
    // Empties `result` (its event list keeps its storage) for a new step.
    void startResult(PlayResult& result) const;
    void tapEmptySpace(PlayResult& result);
    // Empties the table and lays out the next cards of the shoe.
    void deal(PlayResult& result);
    ScoreOffer offerScore(bool won);
    // Deals into an empty slot; in Sum 11 face cards go under the next card.
    void fillSlot(TableSlot& slot);
    void refill(PlayResult& result);
    void removeSelection(PlayResult& result);
    void setCardsLeft(int n);
    void winIfCleared(PlayResult& result);

    gamekit::PokerShoe shoe_;
    TableGrid grid_;
    Selection selection_;
    ScoreLists scores_;
    int gameType_ = kPairs;
    int slideMode_ = kSlideZigZag;
    int score_ = 0;
    int cardsLeft_ = kDeckCards;
    GamePhase phase_ = GamePhase::NoGame;
    Prompt prompt_ = Prompt::BeforeFirstGame;
    bool dealtOnce_ = false;
};

}  // namespace pellandine
