#include "games/velloran/rules/VelloranGame.h"

#include <algorithm>
#include <cstdio>

#include "gamekit/cards/PokerShoe.h"
#include "gamekit/cards/Random.h"

namespace velloran {

namespace {

constexpr int kFullStep = 4;  // a flight of the full step count, in quarters
constexpr const char* kTieTitle = "YOU TIED!";
constexpr const char* kTieText =
    "Two cards left in deck.  You tied this hand!! \n\n(tap ok for next hand)";

void emit(Events* events, Event event) {
    if (events) events->push_back(std::move(event));
}

void sound(Events* events, Sound s) {
    if (!events) return;
    events->push_back(Event{.kind = Event::PlaySound, .sound = s});
}

void flight(Events* events, Card card, Place from, Place to, int quarters = kFullStep) {
    if (!events) return;
    events->push_back(Event{
        .kind = Event::CardFlown, .card = card, .from = from, .to = to, .quarters = quarters});
}

void pause(Events* events, int quarters) {
    if (!events) return;
    events->push_back(Event{.kind = Event::Pause, .quarters = quarters});
}

void redraw(Events* events) {
    if (!events) return;
    events->push_back(Event{.kind = Event::Redraw});
}

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

void VelloranGame::gin(Events* events) {
    sound(events, Sound::Click);
    // The thrown card goes face up onto the pile, as any discard does.
    const int slot = lastSelectedSlot();
    const Card card = playerHand[slot];
    playerHand[slot] = kNoCard;
    clearPlayerMarks();
    discardPile.push_back(card);
    flight(events, card, Place::player(slot), Place::discardPile());
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

bool VelloranGame::applyPlay(const Action& action, Events* events) {
    const int n = playerCardCount();
    const int s = selectedCount();
    if (!playerActive) {
        if (action.kind != Action::Acknowledge) return false;
        sound(events, Sound::Click);
        if (computerDeadwood > 0) {
            enterMeld(events);
        } else {
            autoMeld(Side::Computer);
            autoMeld(Side::Player);
            scoreAndShow(events);
        }
        return true;
    }
    switch (action.kind) {
        case Action::Gin:
            if (!canGin()) return false;
            gin(events);
            return true;
        case Action::Knock: {
            if (!canKnock()) return false;
            sound(events, Sound::Click);
            sound(events, Sound::Knock);
            const int slot = lastSelectedSlot();
            const Card card = playerHand[slot];
            playerHand[slot] = kNoCard;
            clearPlayerMarks();
            discardPile.push_back(card);
            flight(events, card, Place::player(slot), Place::discardPile());
            playerActive = true;
            enterMeld(events);
            return true;
        }
        case Action::Pass:
            if (upcardOffer == 2 && computerDeals) {
                sound(events, Sound::Click);
                upcardOffer = 1;
                computerOfferTurn(events);
                recomputeHints();
            } else if (upcardOffer == 1 && !computerDeals) {
                sound(events, Sound::Click);
                upcardOffer = 0;
                setHeadline("", events);
                computerTurn(events);
                setTakePrompts(events);
                recomputeHints();
            } else {
                return false;
            }
            break;
        case Action::TapSlot:
            if (action.slot < 0 || action.slot >= kPlayerSlots) return false;
            if (!selected[action.slot] && s == 0 && playerHand[action.slot] == kNoCard) return false;
            tapSlot(action.slot, events);
            break;
        case Action::Discard:
            if (s != 1 || n != 11) return false;
            discardSelected(events);
            break;
        case Action::TakeStock:
            if (s != 0 || n != 10 || upcardOffer != 0) return false;
            takeCard(true, events);
            break;
        case Action::TakeDiscard:
            if (s != 0 || n != 10 || discardPile.empty()) return false;
            takeCard(false, events);
            break;
        default:
            return false;
    }
    tieCheck(events);
    return true;
}

bool VelloranGame::applyMeld(const Action& action, Events* events) {
    switch (action.kind) {
        case Action::UngroupMeld:
            if (selectedMeld < 0) return false;
            sound(events, Sound::Click);
            return ungroupMeld();
        case Action::CreateMeld:
            if (selectedMeld >= 0 || selectedCount() < 3) return false;
            sound(events, Sound::Click);
            createMeld();
            return true;
        case Action::FinishMelding:
            if (!canFinishMelding()) return false;
            sound(events, Sound::Click);
            autoMeld(Side::Computer);
            if (!playerActive) {
                enterLayOff(events);
            } else {
                layOffComputer();
                scoreAndShow(events);
            }
            return true;
        case Action::ToggleCard:
            if (action.slot < 0 || action.slot >= kPlayerSlots) return false;
            if (selectedMeld >= 0 || playerHand[action.slot] == kNoCard) return false;
            selected[action.slot] = !selected[action.slot];
            return true;
        case Action::SelectMeld: {
            const int shown = std::min<int>(3, static_cast<int>(playerMelds.size()));
            const int i = action.index;
            if (i >= shown) return false;
            if (selectedMeld >= 0) {
                selectedMeld = (i == selectedMeld || i < 0) ? -1 : i;
                return true;
            }
            if (i < 0 || selectedCount() > 0) return false;
            selectedMeld = i;
            return true;
        }
        default:
            return false;
    }
}

bool VelloranGame::applyLayOff(const Action& action, Events* events) {
    switch (action.kind) {
        case Action::FinishLayOff:
            sound(events, Sound::Click);
            // Cards that could not be laid off stay in the hand as deadwood.
            clearPlayerMarks();
            scoreAndShow(events);
            return true;
        case Action::LayOffOnto: {
            const int shown = std::min<int>(3, static_cast<int>(layOffTargets.size()));
            if (action.index >= shown) return false;
            selectedMeld = action.index;
            if (action.index >= 0 && selectedCount() > 0) layOffPlayer(action.index, events);
            return true;
        }
        case Action::ToggleCard:
            if (action.slot < 0 || action.slot >= kPlayerSlots) return false;
            if (playerHand[action.slot] == kNoCard) return false;
            selected[action.slot] = !selected[action.slot];
            return true;
        default:
            return false;
    }
}

bool VelloranGame::isLegal(const Action& action) const {
    if (action.kind == Action::NewGame) return true;
    const int n = playerCardCount();
    const int s = selectedCount();
    const bool slotOk = action.slot >= 0 && action.slot < kPlayerSlots;
    const bool cardInSlot = slotOk && playerHand[action.slot] != kNoCard;
    switch (phase_) {
        case Phase::Idle: return false;
        case Phase::Dealing: return action.kind == Action::BeginPlay;
        case Phase::Play:
            if (!playerActive) return action.kind == Action::Acknowledge;
            switch (action.kind) {
                case Action::Gin: return canGin();
                case Action::Knock: return canKnock();
                case Action::Pass: return playerOffered();
                case Action::TapSlot: return slotOk && (selected[action.slot] || s > 0 || cardInSlot);
                case Action::Discard: return s == 1 && n == 11;
                case Action::TakeStock: return s == 0 && n == 10 && upcardOffer == 0;
                case Action::TakeDiscard: return s == 0 && n == 10 && !discardPile.empty();
                default: return false;
            }
        case Phase::Meld: {
            const int shown = std::min<int>(3, static_cast<int>(playerMelds.size()));
            switch (action.kind) {
                case Action::UngroupMeld: return selectedMeld >= 0;
                case Action::CreateMeld: return selectedMeld < 0 && s >= 3;
                case Action::FinishMelding: return canFinishMelding();
                case Action::ToggleCard: return cardInSlot && selectedMeld < 0;
                case Action::SelectMeld:
                    return action.index >= -1 && action.index < shown &&
                           (selectedMeld >= 0 || (action.index >= 0 && s == 0));
                default: return false;
            }
        }
        case Phase::LayOff: {
            const int shown = std::min<int>(3, static_cast<int>(layOffTargets.size()));
            switch (action.kind) {
                case Action::FinishLayOff: return true;
                case Action::LayOffOnto: return action.index >= -1 && action.index < shown;
                case Action::ToggleCard: return cardInSlot;
                default: return false;
            }
        }
        case Phase::HandResult: return action.kind == Action::RecordHand;
        case Phase::ScoreSheet:
        case Phase::GameOver: return action.kind == Action::NextHand;
        case Phase::TiedHand: return action.kind == Action::ContinueAfterTie;
    }
    return false;
}

std::vector<Action> VelloranGame::legalActions() const {
    std::vector<Action> candidates;
    candidates.push_back(Action::of(Action::NewGame));
    switch (phase_) {
        case Phase::Idle: break;
        case Phase::Dealing: candidates.push_back(Action::of(Action::BeginPlay)); break;
        case Phase::Play:
            for (auto k : {Action::TakeStock, Action::TakeDiscard, Action::Pass, Action::Discard,
                           Action::Knock, Action::Gin, Action::Acknowledge})
                candidates.push_back(Action::of(k));
            for (int i = 0; i < kPlayerSlots; ++i) candidates.push_back(Action::withSlot(Action::TapSlot, i));
            break;
        case Phase::Meld:
            for (auto k : {Action::CreateMeld, Action::UngroupMeld, Action::FinishMelding})
                candidates.push_back(Action::of(k));
            for (int i = 0; i < kPlayerSlots; ++i) candidates.push_back(Action::withSlot(Action::ToggleCard, i));
            for (int i = -1; i < 3; ++i) candidates.push_back(Action::withIndex(Action::SelectMeld, i));
            break;
        case Phase::LayOff:
            candidates.push_back(Action::of(Action::FinishLayOff));
            for (int i = 0; i < kPlayerSlots; ++i) candidates.push_back(Action::withSlot(Action::ToggleCard, i));
            for (int i = -1; i < 3; ++i) candidates.push_back(Action::withIndex(Action::LayOffOnto, i));
            break;
        case Phase::HandResult: candidates.push_back(Action::of(Action::RecordHand)); break;
        case Phase::ScoreSheet:
        case Phase::GameOver: candidates.push_back(Action::of(Action::NextHand)); break;
        case Phase::TiedHand: candidates.push_back(Action::of(Action::ContinueAfterTie)); break;
    }
    std::vector<Action> legal;
    for (const Action& a : candidates) {
        if (a.kind == Action::NewGame || isLegal(a)) legal.push_back(a);
    }
    return legal;
}

bool VelloranGame::apply(const Action& action, Events* events) {
    if (!isLegal(action)) return false;
    if (action.kind == Action::NewGame) {
        resetGame();
        if (action.index == 0 || action.index == 1) playerWonHand = action.index == 0;
        newHand(true, action.seed, events);
        return true;
    }
    switch (phase_) {
        case Phase::Idle: return false;
        case Phase::Dealing:
            if (action.kind != Action::BeginPlay) return false;
            beginPlay(events);
            return true;
        case Phase::Play: return applyPlay(action, events);
        case Phase::Meld: return applyMeld(action, events);
        case Phase::LayOff: return applyLayOff(action, events);
        case Phase::HandResult:
            if (action.kind != Action::RecordHand) return false;
            sound(events, Sound::Click);
            recordHand(events);
            return true;
        case Phase::ScoreSheet:
        case Phase::GameOver:
            if (action.kind != Action::NextHand) return false;
            sound(events, Sound::Click);
            newHand(phase_ == Phase::ScoreSheet, action.seed, events);
            return true;
        case Phase::TiedHand:
            if (action.kind != Action::ContinueAfterTie) return false;
            newHand(true, action.seed, events);
            return true;
    }
    return false;
}

// --- Hand analysis on the table ----------------------------------------------

HandMask VelloranGame::sideMask(Side side) const {
    HandMask m = 0;
    if (side == Side::Computer) return handMask(computerHand, kComputerSlots);
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (playerHand[i] != kNoCard && !selected[i]) m |= maskBit(playerHand[i]);
    }
    return m;
}

void VelloranGame::computeDeadwood(Side side, bool withMelds) {
    if (!withMelds) {
        deadwoodOf(side) = leastDeadwood(sideMask(side));
        return;
    }
    Card cards[kPlayerSlots];
    int n = 0;
    const Card* hand = handOf(side);
    for (int i = 0; i < slotsOf(side); ++i) {
        if (hand[i] == kNoCard) continue;
        if (side == Side::Player && selected[i]) continue;
        cards[n++] = hand[i];
    }
    const MeldAnalysis analysis = analyseHand(cards, n);
    bestMelds = analysis.melds;
    deadwoodOf(side) = analysis.deadwood;
}

void VelloranGame::sumDeadwood(Side side) {
    const Card* hand = handOf(side);
    int sum = 0;
    for (int i = 0; i < slotsOf(side); ++i) {
        if (hand[i] != kNoCard) sum += cardValue(hand[i]);
    }
    deadwoodOf(side) = sum;
}

void VelloranGame::packRight(Card* slots, int count) {
    for (int i = count - 1; i >= 1; --i) {
        if (slots[i] != kNoCard) continue;
        for (int j = i - 1; j >= 0; --j) {
            if (slots[j] != kNoCard) {
                slots[i] = slots[j];
                slots[j] = kNoCard;
                break;
            }
        }
    }
}

void VelloranGame::autoMeld(Side side) {
    std::vector<CardGroup>& melds = side == Side::Player ? playerMelds : computerMelds;
    if (!melds.empty()) return;
    Card* hand = handOf(side);
    for (int i = 0; i < slotsOf(side); ++i) {
        if (hand[i] != kNoCard) faceUp[hand[i]] = true;
    }
    bestMelds.clear();
    computeDeadwood(side, true);
    for (int g = 0; g < bestMelds.count; ++g) {
        const CardGroup& group = bestMelds.groups[g];
        melds.push_back(group);
        for (int i = 0; i < slotsOf(side); ++i) {
            if (hand[i] != kNoCard && group.contains(hand[i])) {
                hand[i] = kNoCard;
                if (side == Side::Player) selected[i] = false;
            }
        }
    }
    packRight(hand, slotsOf(side));
}

bool VelloranGame::createMeld() {
    if (selectedMeld >= 0 || selectedCount() < 3) return false;
    CardGroup group;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i] && playerHand[i] != kNoCard) group.push(playerHand[i]);
    }
    sortBySuitThenRank(group.cards, group.count, 0, group.count - 1, true);
    if (!isRun(group) && !isSet(group)) return false;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i]) {
            playerHand[i] = kNoCard;
            selected[i] = false;
        }
    }
    playerMelds.push_back(group);
    packRight(playerHand, kPlayerSlots);
    sumDeadwood(Side::Player);
    return true;
}

bool VelloranGame::ungroupMeld() {
    if (selectedMeld < 0 || selectedMeld >= static_cast<int>(playerMelds.size())) return false;
    const CardGroup group = playerMelds[selectedMeld];
    int slot = 0;
    for (int k = 0; k < group.count; ++k) {
        while (slot < kPlayerSlots && playerHand[slot] != kNoCard) ++slot;
        if (slot >= kPlayerSlots) break;
        playerHand[slot] = group.cards[k];
        selected[slot] = false;
    }
    packRight(playerHand, kPlayerSlots);
    playerMelds.erase(playerMelds.begin() + selectedMeld);
    selectedMeld = -1;
    sumDeadwood(Side::Player);
    return true;
}

bool VelloranGame::layOffPlayer(int target, Events* events) {
    if (target < 0 || target >= static_cast<int>(layOffTargets.size()) || selectedCount() == 0)
        return false;
    CardGroup chosen;
    CardGroup list;
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i] && playerHand[i] != kNoCard) chosen.push(playerHand[i]);
    }
    const CardGroup& onto = layOffTargets[target];
    if (chosen.count + onto.count > CardGroup::kCapacity) return false;
    list = chosen;
    for (int k = 0; k < onto.count; ++k) list.push(onto.cards[k]);
    sortBySuitThenRank(list.cards, list.count, 0, list.count - 1, true);
    if (!isRun(list) && !isSet(list)) return false;
    layOffTargets[target] = list;
    playerMelds.push_back(chosen);
    for (int i = 0; i < kPlayerSlots; ++i) {
        if (selected[i]) {
            playerHand[i] = kNoCard;
            selected[i] = false;
        }
    }
    packRight(playerHand, kPlayerSlots);
    sumDeadwood(Side::Player);
    sound(events, Sound::CardFlick);
    return true;
}

namespace {

// A lay-off target as the computer sees it: a run (suit and rank range) or a
// set (its rank). Laying a card off widens a run; a set takes its rank.
struct Target {
    bool run = false;
    int suit = 0;
    int low = 0;
    int high = 0;
};

struct LayOffSearch {
    std::vector<Target> targets;
    Card cards[kComputerSlots];
    int cardCount = 0;
    int choice[kComputerSlots];  // the target of each card, -1 kept
    int bestChoice[kComputerSlots];
    int bestDeadwood = 0;
    int candidates[kComputerSlots][8];
    int candidateCount[kComputerSlots] = {};

    // Whether the cards chosen for each target can be laid off, pass by
    // pass as the table does it (a run grows one card at a time).
    int remainingDeadwood() const {
        std::vector<Target> t = targets;
        bool laid[kComputerSlots] = {};
        for (bool progress = true; progress;) {
            progress = false;
            for (int i = 0; i < cardCount; ++i) {
                if (laid[i] || choice[i] < 0) continue;
                Target& g = t[choice[i]];
                const int r = rankOf(cards[i]);
                bool fits;
                if (g.run) {
                    fits = suitOf(cards[i]) == g.suit && (r == g.high + 1 || r == g.low - 1);
                    if (fits) {
                        g.high = std::max(g.high, r);
                        g.low = std::min(g.low, r);
                    }
                } else {
                    fits = r == g.low;
                }
                if (fits) laid[i] = progress = true;
            }
        }
        int deadwood = 0;
        for (int i = 0; i < cardCount; ++i) {
            if (choice[i] >= 0 && !laid[i]) return -1;  // this choice cannot be carried out
            if (!laid[i]) deadwood += cardValue(cards[i]);
        }
        return deadwood;
    }

    void search(int i) {
        if (i == cardCount) {
            const int d = remainingDeadwood();
            if (d >= 0 && d < bestDeadwood) {
                bestDeadwood = d;
                std::copy(choice, choice + cardCount, bestChoice);
            }
            return;
        }
        for (int k = 0; k < candidateCount[i]; ++k) {
            choice[i] = candidates[i][k];
            search(i + 1);
        }
        choice[i] = -1;
        search(i + 1);
    }
};

}  // namespace

// The computer lays its deadwood off onto the person's melds. Every card
// that could join a target is tried on each target it could join, so a card
// that fits a set and a run goes where it leaves the least deadwood (8H and
// 9H onto 8S 8C 8D and 5H 6H 7H both go onto the run).
void VelloranGame::layOffComputer() {
    layOffTargets = playerMelds;
    LayOffSearch s;
    for (const CardGroup& g : layOffTargets) {
        Target t;
        if (isRun(g)) {
            t.run = true;
            t.suit = suitOf(g.cards[0]);
            t.high = rankOf(g.cards[0]);
            t.low = rankOf(g.cards[g.count - 1]);
        } else if (isSet(g)) {
            t.low = t.high = rankOf(g.cards[0]);
        } else {
            t.low = t.high = -10;  // a laid-off group: nothing joins it
        }
        s.targets.push_back(t);
    }
    int slotOf[kComputerSlots];
    for (int i = 0; i < kComputerSlots; ++i) {
        if (computerHand[i] == kNoCard) continue;
        const Card c = computerHand[i];
        const int k = s.cardCount++;
        s.cards[k] = c;
        slotOf[k] = i;
        s.choice[k] = -1;
        s.bestChoice[k] = -1;
        for (int t = 0; t < static_cast<int>(s.targets.size()) && s.candidateCount[k] < 8; ++t) {
            const Target& g = s.targets[t];
            const bool possible = g.run ? suitOf(c) == g.suit : rankOf(c) == g.low;
            if (possible) s.candidates[k][s.candidateCount[k]++] = t;
        }
        s.bestDeadwood += cardValue(c);
    }
    s.search(0);

    for (int t = 0; t < static_cast<int>(layOffTargets.size()); ++t) {
        CardGroup laid;
        for (int k = 0; k < s.cardCount; ++k) {
            if (s.bestChoice[k] == t) {
                laid.push(s.cards[k]);
                computerHand[slotOf[k]] = kNoCard;
            }
        }
        if (laid.count == 0) continue;
        sortByRank(laid.cards, laid.count, 0, laid.count - 1, true);
        CardGroup& target = layOffTargets[t];
        if (s.targets[t].run) {
            CardGroup grown = laid;
            for (int k = 0; k < target.count; ++k) grown.push(target.cards[k]);
            sortByRank(grown.cards, grown.count, 0, grown.count - 1, true);
            target = grown;
        }
        computerMelds.push_back(laid);
    }
    packRight(computerHand, kComputerSlots);
    sumDeadwood(Side::Computer);
}

// --- Scoring -------------------------------------------------------------------

void VelloranGame::resetGame() {
    scores.reset();
    playerWonHand = gamekit::nextRandom() % 31 >= 15;
}

// Only what is left in the hands counts: no card leaves a hand here, so the
// deadwood on the result screen is the deadwood of the cards shown.
void VelloranGame::scoreHand() {
    sumDeadwood(Side::Player);
    sumDeadwood(Side::Computer);
    handBonus = 0;
    playerWonHand = true;
    const bool playerEnded = playerActive;
    if (playerEnded) {
        if (playerDeadwood == 0) {
            handBonus = kGinBonus;
        } else if (playerDeadwood >= computerDeadwood) {
            playerWonHand = false;
            handBonus = kUndercutBonus;
        }
    } else {
        if (computerDeadwood == 0) {
            playerWonHand = false;
            handBonus = kGinBonus;
        } else if (computerDeadwood >= playerDeadwood) {
            handBonus = kUndercutBonus;
        } else {
            playerWonHand = false;
        }
    }
    const int winnerDeadwood = playerWonHand ? playerDeadwood : computerDeadwood;
    const int loserDeadwood = playerWonHand ? computerDeadwood : playerDeadwood;
    handScore = loserDeadwood - winnerDeadwood + handBonus;
    if (playerWonHand) {
        statusLine = playerEnded ? (playerDeadwood == 0 ? "You went 'gin'!" : "You knocked")
                                 : "Computer was 'undercut'!";
    } else {
        statusLine = !playerEnded ? (computerDeadwood == 0 ? "Computer went 'gin'!" : "Computer knocked")
                                  : "You were 'undercut'!";
    }
}

bool VelloranGame::recordHand(Events* events) {
    const bool over =
        scores.record(playerWonHand, handScore, options_.hollywood, options_.pointsToWin);
    if (over) {
        setPhase(Phase::GameOver, events);
        emit(events, Event{.kind = Event::Message,
                           .title = "GAME OVER",
                           .text = scores.gameOverText(options_.hollywood)});
    } else {
        setPhase(Phase::ScoreSheet, events);
    }
    return over;
}

HandResultLines VelloranGame::handResultLines() const {
    HandResultLines out;
    const char* playerLabel = "your deadwood";
    const char* computerLabel = "computer's deadwood";
    const bool playerEnded = playerActive;
    const int winnerDeadwood = playerWonHand ? playerDeadwood : computerDeadwood;
    const int loserDeadwood = playerWonHand ? computerDeadwood : playerDeadwood;
    char number[24];
    int y = 130;
    std::snprintf(number, sizeof number, "%d", loserDeadwood);
    out.lines.push_back({number, playerWonHand ? computerLabel : playerLabel, y});
    y += 15;
    std::snprintf(number, sizeof number, "-%d", winnerDeadwood);
    out.lines.push_back({number, playerWonHand ? playerLabel : computerLabel, y});
    const bool winnerEnded = playerWonHand == playerEnded;
    if (!winnerEnded) {
        y += 15;
        std::snprintf(number, sizeof number, "%d", handBonus);
        out.lines.push_back({number, "bonus for undercutting", y});
    }
    if (winnerEnded && winnerDeadwood == 0) {
        y += 15;
        std::snprintf(number, sizeof number, "%d", handBonus);
        out.lines.push_back({number, "bonus for 'gin'", y});
    }
    out.ruleY = y + 18;
    std::snprintf(number, sizeof number, "%d", handScore);
    out.lines.push_back({number, "total", out.ruleY + 6});
    return out;
}

}  // namespace velloran
