#include "games/velloran/rules/VelloranGame.h"

#include <algorithm>

#include "gamekit/cards/PokerShoe.h"
#include "games/velloran/rules/EventBuilders.h"

namespace velloran {

using namespace detail;

namespace {

constexpr const char* kTieTitle = "YOU TIED!";
constexpr const char* kTieText =
    "Two cards left in deck.  You tied this hand!! \n\n(tap ok for next hand)";

}  // namespace

const char* levelName(Level level) {
    switch (level) {
        case Level::Beginning: return "beginning";
        case Level::Standard: return "standard";
        case Level::Expert: return "expert";
    }
    return "?";
}

bool parseLevel(const std::string& text, Level& out) {
    for (Level l : {Level::Beginning, Level::Standard, Level::Expert}) {
        if (text == levelName(l)) {
            out = l;
            return true;
        }
    }
    return false;
}

VelloranGame::VelloranGame() {
    std::fill(playerHand, playerHand + kPlayerSlots, kNoCard);
    std::fill(selected, selected + kPlayerSlots, false);
    std::fill(computerHand, computerHand + kComputerSlots, kNoCard);
    for (int i = 0; i < kDeckSize; ++i) {
        stock[i] = static_cast<Card>(i);
        faceUp[i] = true;
    }
    resetGame();
}

// The shoe keeps its order from hand to hand and is riffled once per hand,
// so the rules carry the order and lend it to a shoe to shuffle.
void VelloranGame::shuffleStock(uint32_t seed) {
    gamekit::PokerShoe shoe(1);
    gamekit::GVector<gamekit::PlayingCard*> byCode(kDeckSize);
    for (int i = 0; i < kDeckSize; ++i) {
        gamekit::PlayingCard* card = shoe.cards[i];
        byCode[card->suit * 13 + card->rank] = card;
    }
    for (int i = 0; i < kDeckSize; ++i) shoe.cards[i] = byCode[stock[i]];
    shoe.riffleShuffleSeeded(seed);
    for (int i = 0; i < kDeckSize; ++i) {
        stock[i] = makeCard(shoe.cards[i]->rank, shoe.cards[i]->suit);
    }
    nextCard = 0;
}

void VelloranGame::shuffleAtStart(uint32_t seed) {
    for (int i = 0; i < 3; ++i) shuffleStock(seed + static_cast<uint32_t>(i));
}

bool VelloranGame::arrangeStock(const std::vector<Card>& top) {
    bool used[kDeckSize] = {};
    for (Card c : top) {
        if (c < 0 || c >= kDeckSize || used[c]) return false;
        used[c] = true;
    }
    int k = 0;
    for (Card c : top) stock[k++] = c;
    for (int i = 0; i < kDeckSize; ++i) {
        if (!used[i]) stock[k++] = static_cast<Card>(i);
    }
    nextCard = 0;
    keepArrangedStock_ = true;
    return true;
}

Card VelloranGame::stockCard(int index) const {
    if (index < 0 || index >= kDeckSize) return stock[kDeckSize - 1];
    return stock[index];
}

Card VelloranGame::dealCard(bool up) {
    // Past the end the last card would be dealt again; the tie rule stops
    // play with two cards left, so it never comes to that.
    const Card c = nextCard < kDeckSize ? stock[nextCard++] : stock[kDeckSize - 1];
    faceUp[c] = up;
    return c;
}

int VelloranGame::playerCardCount() const {
    return static_cast<int>(std::count_if(playerHand, playerHand + kPlayerSlots,
                                          [](Card c) { return c != kNoCard; }));
}

int VelloranGame::computerCardCount() const {
    return static_cast<int>(std::count_if(computerHand, computerHand + kComputerSlots,
                                          [](Card c) { return c != kNoCard; }));
}

int VelloranGame::selectedCount() const {
    int s = 0;
    for (int i = 0; i < kPlayerSlots; ++i) s += (selected[i] && playerHand[i] != kNoCard) ? 1 : 0;
    return s;
}

int VelloranGame::lastSelectedSlot() const {
    for (int i = kPlayerSlots - 1; i >= 0; --i) {
        if (selected[i] && playerHand[i] != kNoCard) return i;
    }
    return -1;
}

bool VelloranGame::playerOffered() const {
    return (upcardOffer == 2 && computerDeals) || (upcardOffer == 1 && !computerDeals);
}

bool VelloranGame::canKnock() const {
    return phase_ == Phase::Play && playerActive && selectedCount() == 1 &&
           playerCardCount() == 11 && playerDeadwood >= 1 && playerDeadwood <= 10;
}

bool VelloranGame::canGin() const {
    return phase_ == Phase::Play && playerActive && selectedCount() == 1 &&
           playerCardCount() == 11 && playerDeadwood == 0;
}

bool VelloranGame::canFinishMelding() const {
    if (phase_ != Phase::Meld || selectedMeld >= 0 || selectedCount() > 0) return false;
    return !playerActive || playerDeadwood <= 10;
}

// --- Texts -----------------------------------------------------------------

void VelloranGame::setStatus(const std::string& text, Events* events) {
    statusLine = text;
    emit(events, Event{.kind = Event::Status, .text = text});
}

void VelloranGame::setPrompt(const std::string& text, Events* events) {
    promptLine = text;
    emit(events, Event{.kind = Event::Prompt, .text = text});
}

void VelloranGame::setHeadline(const std::string& text, Events* events) {
    headline = text;
    emit(events, Event{.kind = Event::Headline, .text = text});
}

void VelloranGame::setPhase(Phase phase, Events* events) {
    phase_ = phase;
    emit(events, Event{.kind = Event::Screen,
                       .screen = phase == Phase::TiedHand ? static_cast<int>(Phase::Play)
                                                          : static_cast<int>(phase)});
}

void VelloranGame::setTakePrompts(Events* events) {
    if (!playerActive) return;
    setStatus("Your turn", events);
    setPrompt("(Take card: tap deck/discard pile)", events);
}

void VelloranGame::setDiscardPrompts(Events* events) {
    if (!playerActive) return;
    setStatus("Your turn", events);
    if (playerCardCount() != 11) return;
    const int s = selectedCount();
    if (s >= 1 && playerDeadwood >= 1 && playerDeadwood <= 10)
        setPrompt("(Knock or Discard: choose one)", events);
    else if (s >= 1 && playerDeadwood == 0)
        setPrompt("(Gin or Discard: choose one)", events);
    else
        setPrompt("(Discard: tap card & discard pile)", events);
}

void VelloranGame::recomputeHints() {
    if (options_.hints) updateHints();
}

// --- Starting hands --------------------------------------------------------

void VelloranGame::startHand() {
    if (scores.gameOver(options_.hollywood, options_.pointsToWin)) resetGame();
    std::fill(playerHand, playerHand + kPlayerSlots, kNoCard);
    std::fill(selected, selected + kPlayerSlots, false);
    std::fill(computerHand, computerHand + kComputerSlots, kNoCard);
    discardPile.clear();
    takenByPlayer.clear();
    takenByComputer.clear();
    selectedMeld = -1;
    handScore = 0;
    handBonus = 0;
    playerActive = true;
    statusLine.clear();
    promptLine.clear();
    headline.clear();
    playerMelds.clear();
    computerMelds.clear();
    layOffTargets.clear();
    bestMelds.clear();
    upcardOffer = 0;
    hintDiscardSlot = -1;
    hintTakeDiscard = false;
    turns_ = 0;
    phase_ = Phase::Idle;
    busy = false;
}

void VelloranGame::newHand(bool continueGame, uint32_t seed, Events* events) {
    if (!continueGame) resetGame();
    startHand();
    // The winner of a hand deals the next one.
    computerDeals = !playerWonHand;
    if (keepArrangedStock_) {
        keepArrangedStock_ = false;
        nextCard = 0;
    } else {
        shuffleStock(seed);
    }
    for (int i = 0; i < kDeckSize; ++i) faceUp[i] = true;
    dealHand(events);
    sound(events, Sound::Click);
}

void VelloranGame::dealHand(Events* events) {
    upcardOffer = 0;
    for (int i = 0; i < 10; ++i) {
        computerHand[i] = dealCard(false);
        emit(events, Event{.kind = Event::CardDealt,
                           .card = computerHand[i],
                           .to = Place::computer(i),
                           .faceUp = false});
        playerHand[i + 3] = dealCard(true);
        emit(events, Event{.kind = Event::CardDealt,
                           .card = playerHand[i + 3],
                           .to = Place::player(i + 3),
                           .faceUp = true});
    }
    dealtDeadwood_[0] = leastDeadwood(handMask(playerHand, kPlayerSlots));
    dealtDeadwood_[1] = leastDeadwood(handMask(computerHand, kComputerSlots));
    sortByRank(playerHand, kPlayerSlots, 3, 13, true);
    if (options_.deal10Cards) {
        const Card up = dealCard(true);
        discardPile.push_back(up);
        emit(events, Event{.kind = Event::CardDealt, .card = up, .to = Place::discardPile()});
        upcardOffer = 2;
    } else if (computerDeals) {
        playerHand[13] = dealCard(true);
        emit(events,
             Event{.kind = Event::CardDealt, .card = playerHand[13], .to = Place::player(13)});
        sortByRank(playerHand, kPlayerSlots, 3, 14, true);
    } else {
        computerHand[10] = dealCard(false);
        emit(events, Event{.kind = Event::CardDealt,
                           .card = computerHand[10],
                           .to = Place::computer(10),
                           .faceUp = false});
    }
    setStatus(computerDeals ? "Computer deals first" : "You deal first", events);
    setPrompt("", events);
    computeDeadwood(Side::Player);
    computeDeadwood(Side::Computer);
    setPhase(Phase::Dealing, events);
    recomputeHints();
}

void VelloranGame::computerPasses(Events* events) {
    setHeadline("Computer passes", events);
    setStatus("", events);
    setPrompt("", events);
    redraw(events);
    pause(events, 3 * kFullStep);
}

void VelloranGame::beginPlay(Events* events) {
    setPhase(Phase::Play, events);
    if (upcardOffer == 2) {
        if (computerDeals) {
            setStatus("Do you want the upcard?", events);
            setPrompt("(tap discard pile or pass button)", events);
        } else if (computerTurn(events)) {
            upcardOffer = 0;
            setTakePrompts(events);
        } else {
            computerPasses(events);
            setStatus("Do you want the upcard?", events);
            setPrompt("(tap discard pile or pass button)", events);
            upcardOffer = 1;
        }
    } else if (!computerDeals) {
        computerTurn(events);
        setTakePrompts(events);
    } else {
        computeDeadwood(Side::Player);
        setDiscardPrompts(events);
    }
    recomputeHints();
    tieCheck(events);
}

// --- Play --------------------------------------------------------------------

void VelloranGame::clearPlayerMarks() {
    std::fill(selected, selected + kPlayerSlots, false);
}

void VelloranGame::moveCardInHand(int from, int to, Events* events) {
    busy = true;
    const Card card = playerHand[from];
    flight(events, card, Place::player(from), Place::aboveHand((from + to) / 2), 1);
    playerHand[from] = kNoCard;
    const int step = to > from ? 1 : -1;
    for (int i = from; i != to; i += step) {
        // Each card between the two slots moves one slot towards the gap.
        const Card moving = playerHand[i + step];
        if (moving != kNoCard) flight(events, moving, Place::player(i + step), Place::player(i), 1);
        playerHand[i] = moving;
    }
    playerHand[to] = card;
    flight(events, card, Place::aboveHand((from + to) / 2), Place::player(to), 1);
    busy = false;
}

void VelloranGame::tapSlot(int slot, Events* events) {
    const int s = selectedCount();
    bool moved = false;
    if (selected[slot]) {
        selected[slot] = false;
    } else if (s == 0) {
        selected[slot] = true;
    } else {
        int target = slot;
        if (playerCardCount() == 10 && target == kPlayerSlots - 1) target = kPlayerSlots - 2;
        const int from = lastSelectedSlot();
        sound(events, Sound::Click);
        clearPlayerMarks();
        if (target != from) {
            moveCardInHand(from, target, events);
            moved = true;
        }
    }
    computeDeadwood(Side::Player);
    if (moved) recomputeHints();
    setDiscardPrompts(events);
}

void VelloranGame::takeCard(bool fromStock, Events* events) {
    Card card;
    Place from;
    if (fromStock) {
        card = dealCard(true);
        from = Place::stock();
    } else {
        card = discardPile.back();
        discardPile.pop_back();
        takenByPlayer.push_back(card);
        from = Place::discardPile();
        faceUp[card] = true;
    }
    upcardOffer = 0;
    setHeadline("", events);
    // After the last occupied slot, moving left past every lower card.
    int j = 0;
    for (int i = kPlayerSlots - 1; i >= 0; --i) {
        if (playerHand[i] != kNoCard) {
            j = i + 1;
            break;
        }
    }
    if (j >= kPlayerSlots) j = kPlayerSlots - 1;  // a ten-card row never reaches the last slot
    while (j > 0 && playerHand[j - 1] != kNoCard && rankOf(playerHand[j - 1]) < rankOf(card)) {
        playerHand[j] = playerHand[j - 1];
        --j;
    }
    playerHand[j] = card;
    sound(events, Sound::CardFlick);
    busy = true;
    flight(events, card, from, Place::player(j));
    busy = false;
    computeDeadwood(Side::Player);
    setDiscardPrompts(events);
    recomputeHints();
}

void VelloranGame::discardSelected(Events* events) {
    const int slot = lastSelectedSlot();
    if (slot < 0) return;
    const Card card = playerHand[slot];
    selected[slot] = false;
    playerHand[slot] = kNoCard;
    for (int i = slot; i + 1 < kPlayerSlots; ++i) {
        playerHand[i] = playerHand[i + 1];
        selected[i] = selected[i + 1];
    }
    playerHand[kPlayerSlots - 1] = kNoCard;
    selected[kPlayerSlots - 1] = false;
    discardPile.push_back(card);
    faceUp[card] = true;
    sound(events, Sound::CardFlick);
    flight(events, card, Place::player(slot), Place::discardPile());
    ++turns_;
    computeDeadwood(Side::Player);
    computerTurn(events);
    setTakePrompts(events);
    recomputeHints();
}

// The card that ends the hand (a knock or gin) goes face up onto the pile,
// as any discard does, and the other marks are cleared.
void VelloranGame::throwLastSelected(Events* events) {
    const int slot = lastSelectedSlot();
    const Card card = playerHand[slot];
    playerHand[slot] = kNoCard;
    clearPlayerMarks();
    discardPile.push_back(card);
    flight(events, card, Place::player(slot), Place::discardPile());
}

void VelloranGame::gin(Events* events) {
    sound(events, Sound::Click);
    throwLastSelected(events);
    autoMeld(Side::Computer);
    autoMeld(Side::Player);
    playerActive = true;
    scoreAndShow(events);
}

void VelloranGame::enterMeld(Events* events) {
    computeDeadwood(Side::Computer);
    sortBySuitThenRank(computerHand, kComputerSlots, 0, kComputerSlots - 1, true);
    clearPlayerMarks();
    packRight(playerHand, kPlayerSlots);
    sumDeadwood(Side::Player);
    setStatus("Meld your cards", events);
    setPrompt("", events);
    setPhase(Phase::Meld, events);
}

void VelloranGame::enterLayOff(Events* events) {
    autoMeld(Side::Computer);
    setStatus("Play your deadwood", events);
    setPrompt("", events);
    layOffTargets = computerMelds;
    selectedMeld = -1;
    setPhase(Phase::LayOff, events);
}

void VelloranGame::scoreAndShow(Events* events) {
    scoreHand();
    setStatus(statusLine, events);
    setPrompt("", events);
    setPhase(Phase::HandResult, events);
}

void VelloranGame::tieCheck(Events* events) {
    if (phase_ != Phase::Play || cardsLeft() >= 3) return;
    endHandAsTie(events);
}

void VelloranGame::endHandAsTie(Events* events) {
    redraw(events);
    emit(events, Event{.kind = Event::Message, .title = kTieTitle, .text = kTieText});
    phase_ = Phase::TiedHand;
}

void VelloranGame::computerOfferTurn(Events* events) {
    if (!computerTurn(events)) computerPasses(events);
    // Taken or passed, the offer is over and the person draws next.
    upcardOffer = 0;
    setTakePrompts(events);
}

}  // namespace velloran
