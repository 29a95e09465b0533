#include "games/pellandine/rules/PellandineRules.h"

#include "games/pellandine/rules/GroupRules.h"
#include "games/pellandine/rules/Refill.h"

namespace pellandine {

const char* ScoreOffer::message() const {
    if (place >= 0) return "You made the high score list";
    if (won) return "You won!";
    return nullptr;
}

PellandineRules::PellandineRules(uint32_t startSeed, int gameType, int slideMode)
    : shoe_(1), gameType_(normalizeGameType(gameType)), slideMode_(normalizeSlideMode(slideMode)) {
    // Three passes in a row, as at every program start; the same millisecond
    // seeds all three on the device, so the same seed does here.
    for (int pass = 0; pass < 3; ++pass) shoe_.swapShuffleSeeded(startSeed);
    grid_.setLayout(gameType_);
}

void PellandineRules::setGameType(int raw) {
    gameType_ = normalizeGameType(raw);
    if (phase_ == GamePhase::NoGame) grid_.setLayout(gameType_);
}

PromptLines PellandineRules::promptLines() const {
    return pellandine::promptLines(prompt_, grid_.gameType());
}

// The grid is copied into the result as it is made: a default-made grid
// first would be laid out only to be overwritten, on every tap.
PlayResult PellandineRules::startResult() const {
    return PlayResult(grid_);
}

// In place: the grid copied once, the event list emptied but kept, every
// other field as a new result has it.
void PellandineRules::startResult(PlayResult& result) const {
    result.before = grid_;
    result.events.clear();
    result.tap = TapKind::None;
    result.dealt = false;
    result.removed = false;
    result.cardsRemoved = 0;
    result.gameWon = false;
    result.offer = ScoreOffer();
}

PlayResult PellandineRules::newGame(uint32_t seed) {
    PlayResult result = startResult();
    // A won game was offered at its win; only an unfinished one is offered
    // here, so nothing (the screen shown, a change of variation) can enter
    // the same game twice.
    if (phase_ == GamePhase::Playing) result.offer = offerScore(false);
    shoe_.rangeShuffleSeeded(seed, 0, kDeckCards);
    deal(result);
    return result;
}

PlayResult PellandineRules::newGameWithOrder(const std::vector<CardCode>& topFirst) {
    PlayResult result = startResult();
    if (!arrangeShoe(shoe_, topFirst)) return result;
    if (phase_ == GamePhase::Playing) result.offer = offerScore(false);
    deal(result);
    return result;
}

PlayResult PellandineRules::restartGame() {
    PlayResult result = startResult();
    if (!dealtOnce_) return result;
    // A range shuffle over no cards only rewinds: the same cards come out in
    // the same order.
    shoe_.nextCard = 0;
    deal(result);
    return result;
}

void PellandineRules::deal(PlayResult& result) {
    selection_.clear();
    grid_.resetSlots();
    cardsLeft_ = kDeckCards;
    score_ = 0;
    grid_.setLayout(gameType_);
    prompt_ = Prompt::Instructions;
    phase_ = GamePhase::Playing;
    dealtOnce_ = true;
    result.dealt = true;
    // The deal is shown on a cleared table: every card flies in from the deck.
    result.before = grid_;
    refill(result);
}

ScoreOffer PellandineRules::offerScore(bool won) {
    ScoreOffer offer;
    offer.offered = true;
    offer.gameType = grid_.gameType();
    offer.score = score_;
    offer.won = won;
    offer.place = scores_.recordScore(offer.gameType, score_);
    return offer;
}

void PellandineRules::fillSlot(TableSlot& slot) {
    gamekit::PlayingCard* top = shoe_.deal(true);
    int count = 1;
    if (variationInfo(grid_.gameType()).stacksFaceCards) {
        while (top->rank >= gamekit::kJack && !shoe_.exhausted()) {
            top = shoe_.deal(true);
            ++count;
        }
    }
    grid_.place(slot, top, slot.cardCount + count);
}

void PellandineRules::refill(PlayResult& result) {
    for (int i = 0; i < kSlotCount; ++i) {
        TableSlot& slot = grid_.at(i);
        if (!slot.active || !slot.empty) continue;
        if (shoe_.exhausted()) break;
        fillSlot(slot);
        TableEvent fill;
        fill.kind = EventKind::Fill;
        fill.row = slot.row;
        fill.column = slot.column;
        fill.card = slot.card;
        fill.cardCount = slot.cardCount;
        result.events.push_back(fill);
        if (slot.card->rank < gamekit::kJack || !variationInfo(grid_.gameType()).stacksFaceCards) {
            continue;
        }
        // The shoe ran out under face cards: nothing can cover them, and a
        // face card can never be part of a sum of 11, so they count as removed.
        TableEvent stranded = fill;
        stranded.kind = EventKind::Stranded;
        result.events.push_back(stranded);
        const int n = slot.cardCount;
        score_ += n;
        setCardsLeft(cardsLeft_ - n);
        result.cardsRemoved += n;
        grid_.clearSlot(slot);
    }
}

PlayResult PellandineRules::tapDeck() {
    PlayResult result = startResult();
    tapDeck(result);
    return result;
}

void PellandineRules::tapDeck(PlayResult& result) {
    startResult(result);
    if (phase_ != GamePhase::Playing) return;
    result.tap = TapKind::DeckTapped;
    prompt_ = Prompt::Instructions;
    if (variationInfo(grid_.gameType()).movesCardsUp) slideCards(grid_, slideMode_, result.events);
    selection_.clear();
    refill(result);
    winIfCleared(result);
}

PlayResult PellandineRules::tapDeckOrDeal(uint32_t seedForNewGame) {
    PlayResult result = phase_ == GamePhase::Playing ? tapDeck() : newGame(seedForNewGame);
    if (result.dealt) result.tap = TapKind::NewGame;
    return result;
}

PlayResult PellandineRules::tapEmptySpace() {
    PlayResult result = startResult();
    tapEmptySpace(result);
    return result;
}

void PellandineRules::tapEmptySpace(PlayResult& result) {
    startResult(result);
    if (phase_ == GamePhase::Over) return;
    selection_.clear();
    result.tap = TapKind::SelectionCleared;
}

PlayResult PellandineRules::select(int row, int column) {
    PlayResult result = startResult();
    select(row, column, result);
    return result;
}

void PellandineRules::select(int row, int column, PlayResult& result) {
    TableSlot* slot = &grid_.slot(row, column);
    // A place without a card is empty space to the player.
    if (!slot->holdsCard()) return tapEmptySpace(result);
    startResult(result);
    if (phase_ == GamePhase::Over) return;
    if (slot->selected) {
        selection_.remove(*slot);
        result.tap = TapKind::Unselected;
    } else if (selection_.add(*slot)) {
        result.tap = TapKind::Selected;
    } else {
        result.tap = TapKind::SelectionFull;
    }
}

std::vector<Group> PellandineRules::legalMoves() const {
    std::vector<Group> groups;
    legalMoves(groups);
    return groups;
}

void PellandineRules::legalMoves(std::vector<Group>& out) const {
    out.clear();
    if (phase_ == GamePhase::Playing) findGroups(grid_, out);
}

PlayResult PellandineRules::evaluateSelection() {
    PlayResult result = startResult();
    evaluateSelection(result);
    return result;
}

void PellandineRules::evaluateSelection(PlayResult& result) {
    startResult(result);
    if (phase_ == GamePhase::Over) {
        prompt_ = Prompt::GameOver;
        return;
    }
    selection_.compact();
    const int count = selection_.count();
    if (count == 0) return;
    const TableSlot* selected[kSelectionPlaces];
    for (int i = 0; i < count; ++i) selected[i] = selection_.at(i);
    switch (judgeSelection(grid_.gameType(), selected, count)) {
        case Verdict::Keep:
            break;
        case Verdict::DropLast:
            selection_.dropLast();
            break;
        case Verdict::Remove:
            removeSelection(result);
            break;
    }
}

void PellandineRules::removeSelection(PlayResult& result) {
    int n = 0;
    const size_t first = result.events.size();
    for (int i = 0; i < selection_.count(); ++i) {
        TableSlot& slot = *selection_.at(i);
        TableEvent removal;
        removal.kind = EventKind::Remove;
        removal.row = slot.row;
        removal.column = slot.column;
        removal.card = slot.card;
        removal.cardCount = slot.cardCount;
        result.events.push_back(removal);
        n += slot.cardCount;
    }
    for (size_t k = first; k < result.events.size(); ++k) {
        grid_.clearSlot(grid_.slot(result.events[k].row, result.events[k].column));
    }
    selection_.clear();
    score_ += n;
    setCardsLeft(cardsLeft_ - n);
    result.removed = true;
    result.cardsRemoved = n;
    winIfCleared(result);
    if (!result.gameWon) prompt_ = deckEmpty() ? Prompt::AfterRemovalEmpty : Prompt::AfterRemoval;
}

void PellandineRules::setCardsLeft(int n) {
    if (n >= 0 && n <= kDeckCards) cardsLeft_ = n;
}

void PellandineRules::winIfCleared(PlayResult& result) {
    if (phase_ != GamePhase::Playing || score_ < kDeckCards) return;
    phase_ = GamePhase::Over;
    prompt_ = Prompt::None;
    selection_.clear();
    result.gameWon = true;
    result.offer = offerScore(true);
}

}  // namespace pellandine
