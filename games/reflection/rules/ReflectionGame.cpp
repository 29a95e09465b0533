#include "games/reflection/rules/ReflectionGame.h"

#include "gamekit/containers/FatalError.h"

namespace reflection {

ReflectionGame::ReflectionGame() : deck_(1), kingsTalon_(kKingsTalonCapacity) {
    for (int s = 0; s < kSequenceCount; ++s) sequences_[s] = CardList(kSequenceLength);
    for (int t = 0; t < kStoreTalonCount; ++t) storeTalons_[t] = CardList(kStoreTalonCapacity);
}

int ReflectionGame::checkedSequence(int s) {
    if (s < 0 || s >= kSequenceCount) {
        gamekit::fatalErrorf("in ReflectionGame sequence: \nIndexed with %d. \nMust be 0 to 3", s);
    }
    return s;
}

int ReflectionGame::checkedTalon(int t) {
    if (t < 0 || t >= kStoreTalonCount) {
        gamekit::fatalErrorf("in ReflectionGame storeTalon: \nIndexed with %d. \nMust be 0 to 3",
                             t);
    }
    return t;
}

void ReflectionGame::shuffleDeck(uint32_t seed) {
    deck_.rangeShuffleSeeded(seed, kOpeningCards, kDeckSize);
}

void ReflectionGame::newGame(uint32_t seed) {
    shuffleDeck(seed);
    restartGame();
}

void ReflectionGame::restartGame() {
    deck_.nextCard = 0;
    clearTable();
}

void ReflectionGame::clearTable() {
    for (auto& list : sequences_) list.iSize = 0;
    for (auto& list : storeTalons_) list.iSize = 0;
    kingsTalon_.iSize = 0;
    dealtCard_ = nullptr;
    score_ = 0;
    openingCardsDealt_ = 0;
    playing_ = false;
}

int ReflectionGame::dealOpeningCard() {
    if (openingCardsDealt_ >= kOpeningCards) return -1;
    const int s = openingCardsDealt_;
    PlayingCard* card = deck_.deal(true);
    sequences_[s][sequences_[s].iSize] = card;
    score_ += kOpeningCardPoints;
    ++openingCardsDealt_;
    if (openingCardsDealt_ == kOpeningCards) playing_ = true;
    return s;
}

void ReflectionGame::dealOpeningCards() {
    while (dealOpeningCard() >= 0) {
    }
}

bool ReflectionGame::arrangeDeck(const int codes[kDeckSize]) {
    bool seen[kDeckSize] = {};
    for (int i = 0; i < kDeckSize; ++i) {
        const int code = codes[i];
        if (code < 0 || code >= kDeckSize || seen[code]) return false;
        seen[code] = true;
    }
    for (int i = 0; i < kOpeningCards; ++i) {
        if (codes[i] % 13 != requiredRank(i, 0)) return false;
    }
    gamekit::PokerDeck& source = deck_.decks[0];
    for (int i = 0; i < kDeckSize; ++i) deck_.cards[i] = source.cardAt(codes[i]);
    restartGame();
    return true;
}

int ReflectionGame::cardsOnSequences() const {
    int n = 0;
    for (const auto& list : sequences_) n += list.iSize;
    return n;
}

PlayingCard* ReflectionGame::storeTalonTop(int t) const {
    const CardList& talon = storeTalon(t);
    return talon.iSize > 0 ? talon[talon.iSize - 1] : nullptr;
}

PlayingCard* ReflectionGame::kingsTalonTop() const {
    return kingsTalon_.iSize > 0 ? kingsTalon_[kingsTalon_.iSize - 1] : nullptr;
}

bool ReflectionGame::fitsSequence(int s, int rank) const {
    if (s < 0 || s >= kSequenceCount) return false;
    return rankFits(s, sequences_[s].iSize, rank);
}

bool ReflectionGame::canDealCard() const {
    return playing_ && dealtCard_ == nullptr && !deck_.exhausted();
}

bool ReflectionGame::canDealtToTalon(int talon) const {
    if (!playing_ || dealtCard_ == nullptr) return false;
    if (talon < 0 || talon >= kStoreTalonCount) return false;
    if (storeTalons_[talon].iSize >= kStoreTalonCapacity) return false;
    return !(kingsTalonInUse_ && dealtCard_->rank == gamekit::kKing);
}

bool ReflectionGame::canDealtToKings() const {
    return playing_ && kingsTalonInUse_ && dealtCard_ != nullptr &&
           dealtCard_->rank == gamekit::kKing && kingsTalon_.iSize < kKingsTalonCapacity;
}

bool ReflectionGame::canDealtToSequence(int s) const {
    return playing_ && dealtCard_ != nullptr && fitsSequence(s, dealtCard_->rank);
}

bool ReflectionGame::canTalonToSequence(int talon, int s) const {
    if (!playing_ || talon < 0 || talon >= kStoreTalonCount) return false;
    const PlayingCard* top = storeTalonTop(talon);
    return top != nullptr && fitsSequence(s, top->rank);
}

bool ReflectionGame::canKingsToSequence(int s) const {
    if (!playing_ || !kingsTalonInUse_ || kingsTalon_.iSize == 0) return false;
    return s >= 0 && s < kSequenceCount && sequences_[s].iSize == kSequenceLength - 1;
}

bool ReflectionGame::isLegal(const Move& move) const {
    switch (move.kind) {
        case MoveKind::DealCard:
            return canDealCard();
        case MoveKind::DealtToTalon:
            return canDealtToTalon(move.to);
        case MoveKind::DealtToKings:
            return canDealtToKings();
        case MoveKind::DealtToSequence:
            return canDealtToSequence(move.to);
        case MoveKind::TalonToSequence:
            return canTalonToSequence(move.from, move.to);
        case MoveKind::KingsToSequence:
            return canKingsToSequence(move.to);
    }
    return false;
}

void ReflectionGame::legalMoves(MoveList& out) const {
    if (!playing_) return;
    if (canDealCard()) out.add(Move::dealCard());
    if (dealtCard_ != nullptr) {
        for (int t = 0; t < kStoreTalonCount; ++t) {
            if (canDealtToTalon(t)) out.add(Move::dealtToTalon(t));
        }
        if (canDealtToKings()) out.add(Move::dealtToKings());
        for (int s = 0; s < kSequenceCount; ++s) {
            if (canDealtToSequence(s)) out.add(Move::dealtToSequence(s));
        }
    }
    for (int t = 0; t < kStoreTalonCount; ++t) {
        for (int s = 0; s < kSequenceCount; ++s) {
            if (canTalonToSequence(t, s)) out.add(Move::talonToSequence(t, s));
        }
    }
    for (int s = 0; s < kSequenceCount; ++s) {
        if (canKingsToSequence(s)) out.add(Move::kingsToSequence(s));
    }
}

void ReflectionGame::placeOnSequence(int s, PlayingCard* card) {
    sequences_[s][sequences_[s].iSize] = card;
    score_ += kSequenceCardPoints;
}

PlayingCard* ReflectionGame::takeFromSequence(int s) {
    score_ -= kSequenceCardPoints;
    return sequences_[s].popBack();
}

bool ReflectionGame::tryMove(const Move& move) {
    if (!isLegal(move)) return false;
    switch (move.kind) {
        case MoveKind::DealCard:
            dealtCard_ = deck_.deal(true);
            break;
        case MoveKind::DealtToTalon: {
            CardList& talon = storeTalons_[move.to];
            talon[talon.iSize] = dealtCard_;
            dealtCard_ = nullptr;
            break;
        }
        case MoveKind::DealtToKings:
            kingsTalon_[kingsTalon_.iSize] = dealtCard_;
            dealtCard_ = nullptr;
            break;
        case MoveKind::DealtToSequence:
            placeOnSequence(move.to, dealtCard_);
            dealtCard_ = nullptr;
            break;
        case MoveKind::TalonToSequence:
            placeOnSequence(move.to, storeTalons_[move.from].popBack());
            break;
        case MoveKind::KingsToSequence:
            placeOnSequence(move.to, kingsTalon_.popBack());
            break;
    }
    return true;
}

void ReflectionGame::undoMove(const Move& move) {
    // Each branch takes the card from where the move put it; a move that was
    // not the last one made finds the wrong pile empty and ends in fatalError
    // rather than corrupting the table.
    switch (move.kind) {
        case MoveKind::DealCard:
            if (dealtCard_ == nullptr || deck_.nextCard <= 0) {
                gamekit::fatalError("in ReflectionGame undoMove: \nNo dealt card to return");
            }
            --deck_.nextCard;
            dealtCard_ = nullptr;
            break;
        case MoveKind::DealtToTalon:
            dealtCard_ = storeTalons_[checkedTalon(move.to)].popBack();
            break;
        case MoveKind::DealtToKings:
            dealtCard_ = kingsTalon_.popBack();
            break;
        case MoveKind::DealtToSequence:
            dealtCard_ = takeFromSequence(checkedSequence(move.to));
            break;
        case MoveKind::TalonToSequence: {
            CardList& talon = storeTalons_[checkedTalon(move.from)];
            talon[talon.iSize] = takeFromSequence(checkedSequence(move.to));
            break;
        }
        case MoveKind::KingsToSequence:
            kingsTalon_[kingsTalon_.iSize] = takeFromSequence(checkedSequence(move.to));
            break;
    }
}

}  // namespace reflection
