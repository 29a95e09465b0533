#pragma once

#include <cstdint>

#include "gamekit/cards/PlayingCard.h"
#include "gamekit/cards/PokerShoe.h"
#include "gamekit/containers/GVector.h"
#include "games/reflection/rules/Move.h"
#include "games/reflection/rules/SequenceRules.h"

namespace reflection {

using gamekit::PlayingCard;
using CardList = gamekit::GVector<PlayingCard*>;

// A card's place in the construction order of the deck (suit * 13 + rank),
// which names it uniquely in a one-deck game.
inline int cardCode(const PlayingCard* card) {
    return card->suit * 13 + card->rank;
}

// The whole table of one game: the deck, the four sequences, the four store
// talons, the kings talon, the dealt card and the score. Every rule of a move
// lives here as a `can...` test; the change itself is made by tryMove and
// reversed by undoMove, which the command objects wrap. The table reads the
// piles through the const accessors and changes them only through commands.
class ReflectionGame {
  public:
    ReflectionGame();
    ReflectionGame(const ReflectionGame&) = delete;
    ReflectionGame& operator=(const ReflectionGame&) = delete;
    virtual ~ReflectionGame() = default;

    // --- Dealing --------------------------------------------------------
    // Exchanges each deck position 4..51 with one drawn from 4..51, seeded by
    // the caller (the program passes the tick count); the first four cards
    // stay. Rewinds the deck. Used three times at start and by newGame.
    void shuffleDeck(uint32_t seed);
    // Shuffles, then clears the table for a fresh deal (see restartGame).
    void newGame(uint32_t seed);
    // Clears the table and rewinds the deck without shuffling, so the deal
    // repeats: empty piles, no dealt card, score 0, not playing. The four
    // opening cards are then dealt by dealOpeningCard or dealOpeningCards.
    void restartGame();
    // Deals the next opening card (ace, two, three, four) face up onto its
    // sequence for 2 points and returns that sequence, or -1 when all four
    // lie out already. The fourth one starts play (isPlaying becomes true).
    int dealOpeningCard();
    void dealOpeningCards();
    int openingCardsDealt() const { return openingCardsDealt_; }

    // Puts the deck in the given order (card codes, top first) and clears the
    // table as restartGame does, ready for the opening cards. Refused (false,
    // nothing changed) unless the 52 codes are distinct and the first four
    // are an ace, two, three and four in that order.
    bool arrangeDeck(const int codes[kDeckSize]);

    // --- Mode and state -------------------------------------------------
    bool kingsTalonInUse() const { return kingsTalonInUse_; }
    bool expertMode() const { return !kingsTalonInUse_; }
    // Changing the mode mid-game is the session's business (it records the
    // game and deals a new one); this only sets the flag.
    void setExpertMode(bool expert) { kingsTalonInUse_ = !expert; }
    // Stands for the table's Playing state: no move is allowed outside it.
    bool isPlaying() const { return playing_; }
    void setPlaying(bool playing) { playing_ = playing; }

    int score() const { return score_; }
    bool isWon() const { return score_ == kWinningScore; }
    int cardsOnSequences() const;

    // --- Reading the table ----------------------------------------------
    const CardList& sequence(int s) const { return sequences_[checkedSequence(s)]; }
    const CardList& storeTalon(int t) const { return storeTalons_[checkedTalon(t)]; }
    const CardList& kingsTalon() const { return kingsTalon_; }
    PlayingCard* dealtCard() const { return dealtCard_; }
    // The top card of a pile, or null when it is empty.
    PlayingCard* storeTalonTop(int t) const;
    PlayingCard* kingsTalonTop() const;
    const gamekit::PokerShoe& deck() const { return deck_; }
    bool deckExhausted() const { return deck_.exhausted(); }
    int cardsLeftInDeck() const { return deck_.cardsLeft(); }
    // Whether `rank` fits sequence s now.
    bool fitsSequence(int s, int rank) const;

    // --- Rules of the moves ---------------------------------------------
    bool canDealCard() const;
    bool canDealtToTalon(int talon) const;
    bool canDealtToKings() const;
    bool canDealtToSequence(int s) const;
    bool canTalonToSequence(int talon, int s) const;
    bool canKingsToSequence(int s) const;
    bool isLegal(const Move& move) const;
    // Appends every legal move of the position (none outside Playing).
    void legalMoves(MoveList& out) const;

    // Makes the move if it is legal (false and nothing changed otherwise);
    // a card put on a sequence scores 4.
    bool tryMove(const Move& move);
    // Exactly reverses `move`, which must be the last move made.
    void undoMove(const Move& move);

  private:
    static int checkedSequence(int s);
    static int checkedTalon(int t);
    void clearTable();
    void placeOnSequence(int s, PlayingCard* card);
    PlayingCard* takeFromSequence(int s);

    gamekit::PokerShoe deck_;
    CardList sequences_[kSequenceCount];
    CardList storeTalons_[kStoreTalonCount];
    CardList kingsTalon_;
    PlayingCard* dealtCard_ = nullptr;
    bool kingsTalonInUse_ = true;
    bool playing_ = false;
    int score_ = 0;
    int openingCardsDealt_ = 0;
};

}  // namespace reflection
