#include "games/cribbage/rules/CribbageGame.h"

#include "gamekit/cards/PokerShoe.h"
#include "gamekit/containers/FatalError.h"
#include "games/cribbage/rules/GameEmitter.h"

namespace cribbage {

using namespace detail;

void ActionList::add(const Action& action) {
    if (count >= kCapacity) gamekit::fatalError("in ActionList add: \nMore actions than a state has");
    actions[count++] = action;
}

namespace {

uint32_t nextSeed(uint32_t seed) {
    return seed * 1664525u + 1013904223u;
}

}  // namespace

CribbageGame::CribbageGame(uint32_t seed) : seed_(seed) {
    for (int i = 0; i < kDeckCards; ++i) shoe_[i] = static_cast<uint8_t>(i);
    std::vector<GameEvent> ignored;
    Emitter out{ignored};
    shuffleShoe(out);
    shuffleShoe(out);
}

// The shoe's own riffle shuffle (seven riffles and cuts) applied to the
// order the rules hold, so deals follow the card model's deal order.
void CribbageGame::shuffleShoe(Emitter& out) {
    gamekit::PokerShoe shoe(1);
    gamekit::PlayingCard* byIndex[kDeckCards];
    for (int i = 0; i < kDeckCards; ++i) byIndex[i] = shoe.cards[i];
    for (int i = 0; i < kDeckCards; ++i) shoe.cards[i] = byIndex[shoe_[i]];
    shoe.riffleShuffleSeeded(seed_);
    for (int i = 0; i < kDeckCards; ++i) {
        const gamekit::PlayingCard* c = shoe.cards[i];
        shoe_[i] = static_cast<uint8_t>(c->suit * 13 + c->rank);
    }
    seed_ = nextSeed(seed_);
    shoeNext_ = 0;
    out.add(EventKind::Shuffled);
}

bool CribbageGame::arrangeShoe(const int order[kDeckCards]) {
    bool seen[kDeckCards] = {};
    for (int i = 0; i < kDeckCards; ++i) {
        if (order[i] < 0 || order[i] >= kDeckCards || seen[order[i]]) return false;
        seen[order[i]] = true;
    }
    for (int i = 0; i < kDeckCards; ++i) shoe_[i] = static_cast<uint8_t>(order[i]);
    shoeNext_ = 0;
    dealCounter_ = 1;
    return true;
}

bool CribbageGame::arrangeDeal(const DealSetup& setup) {
    const Card dealt[kCardsPerDeal] = {
        setup.blue[0], setup.blue[1], setup.blue[2], setup.blue[3], setup.crib[2],
        setup.crib[3], setup.red[0],  setup.red[1],  setup.red[2],  setup.red[3],
        setup.crib[0], setup.crib[1], setup.starter};
    int order[kDeckCards];
    bool used[kDeckCards] = {};
    int n = 0;
    for (const Card& c : dealt) {
        if (!c.isCard() || c.rank > 12 || c.suit < 0 || c.suit > 3 || used[c.index()]) return false;
        used[c.index()] = true;
        order[n++] = c.index();
    }
    for (int i = 0; i < kDeckCards; ++i) {
        if (!used[i]) order[n++] = i;
    }
    arrangeShoe(order);
    resetDeal();
    score_[0] = setup.redScore;
    score_[1] = setup.blueScore;
    computerDeals_ = setup.computerDeals;
    redToPlay_ = computerDeals_;
    status_ = kWaitingForRed;
    state_ = GameState::Dealing;
    return true;
}

void CribbageGame::resetDeal() {
    for (int s = 0; s < 2; ++s) {
        handSize_[s] = 0;
        discarded_[s] = false;
        messageCount_[s] = 0;
        score_[s] = 0;
        backPeg_[s] = -1;
        for (int i = 0; i < 4; ++i) played_[s][i] = false;
        for (int i = 0; i < 6; ++i) hands_[s][i] = kNoCard;
    }
    for (Card& c : crib_) c = kNoCard;
    cribCount_ = 0;
    starter_ = kNoCard;
    for (Card& c : laid_) c = kNoCard;
    cardsLaid_ = cardsInCount_ = runningCount_ = 0;
    goPending_ = false;
    dealCounter_ = 1;
    hintCard_ = hintCard2_ = -1;
    lastCount_ = HandCount{};
}

void CribbageGame::setWins(int red, int blue) {
    wins_[0] = red >= 0 && red <= kSetWins ? red : 0;
    wins_[1] = blue >= 0 && blue <= kSetWins ? blue : 0;
}

void CribbageGame::setOptions(const GameOptions& options) {
    options_ = options;
    if (options_.computerAI < 0 || options_.computerAI > 2) options_.computerAI = 1;
    if (options_.hintType < 0 || options_.hintType > 2) options_.hintType = 0;
    if (!options_.multipleGames) wins_[0] = wins_[1] = 0;
    if (options_.hintType > 0) {
        if (state_ == GameState::Discarding) workOutDiscardHint();
        if (state_ == GameState::Playing) workOutPlayHint();
    } else {
        hintCard_ = hintCard2_ = -1;
    }
}

// --- Reading ------------------------------------------------------------

int CribbageGame::unplayedCount(Side side) const {
    if (handSize(side) != 4) return 0;
    int n = 0;
    for (int i = 0; i < 4; ++i) n += !played_[idx(side)][i];
    return n;
}

bool CribbageGame::fits(Side side, int slot) const {
    if (slot < 0 || slot >= 4 || handSize(side) != 4 || played_[idx(side)][slot]) return false;
    return runningCount_ + cardCountValue(hands_[idx(side)][slot]) <= kMaxCount;
}

bool CribbageGame::canLay(Side side) const {
    for (int i = 0; i < 4; ++i) {
        if (fits(side, i)) return true;
    }
    return false;
}

// Whether `side` chooses by actions; the computer's Blue chooses inside apply.
bool CribbageGame::canAct(Side side) const {
    return side == Side::Red || !computerPlaysBlue_;
}

// --- Actions ------------------------------------------------------------

void CribbageGame::legalActions(ActionList& out) const {
    out.count = 0;
    switch (state_) {
        case GameState::Splash:
            out.add(Action::simple(ActionKind::Continue));
            break;
        case GameState::Table:
        case GameState::GameOver:
            out.add(Action::newGame(seed_, true));
            break;
        case GameState::Dealing:
            out.add(Action::simple(ActionKind::Deal));
            break;
        case GameState::Discarding:
            for (Side side : {Side::Red, Side::Blue}) {
                if (!canAct(side) || discarded_[idx(side)]) continue;
                for (int i = 0; i < 5; ++i) {
                    for (int j = i + 1; j < 6; ++j) out.add(Action::discard(side, i, j));
                }
                break;  // Red first; Blue's turn comes after
            }
            break;
        case GameState::CuttingStarter:
            out.add(Action::simple(ActionKind::RevealStarter));
            break;
        case GameState::Playing:
            if (playOver()) {
                out.add(Action::simple(ActionKind::CountNext));
            } else if (canAct(toPlay())) {
                if (!canLay(toPlay())) {
                    out.add(Action::go(toPlay()));
                } else {
                    for (int slot = 0; slot < 4; ++slot) {
                        if (fits(toPlay(), slot)) out.add(Action::lay(toPlay(), slot));
                    }
                }
            }
            break;
        case GameState::CountingPone:
        case GameState::CountingDealer:
        case GameState::CountingCrib:
            out.add(Action::simple(ActionKind::CountNext));
            break;
        default:
            break;
    }
}

bool CribbageGame::isLegal(const Action& a) const {
    switch (a.kind) {
        case ActionKind::Continue:
            return state_ == GameState::Splash;
        case ActionKind::NewGame:
            // "New" and the up key work in every game state.
            return isGameState(state_);
        case ActionKind::Deal:
            return state_ == GameState::Dealing;
        case ActionKind::Discard:
            return state_ == GameState::Discarding && canAct(a.side) &&
                   !discarded_[idx(a.side)] && a.first >= 0 && a.first < a.second && a.second < 6;
        case ActionKind::RevealStarter:
            return state_ == GameState::CuttingStarter;
        case ActionKind::Lay:
            return state_ == GameState::Playing && !playOver() && a.side == toPlay() &&
                   canAct(a.side) && fits(a.side, a.first);
        case ActionKind::Go:
            return state_ == GameState::Playing && !playOver() && a.side == toPlay() &&
                   canAct(a.side) && !canLay(a.side);
        case ActionKind::CountNext:
            return (state_ == GameState::Playing && playOver()) ||
                   state_ == GameState::CountingPone || state_ == GameState::CountingDealer ||
                   state_ == GameState::CountingCrib;
    }
    return false;
}

ApplyResult CribbageGame::apply(const Action& a) {
    ApplyResult result;
    if (!isLegal(a)) return result;
    result.accepted = true;
    result.events.reserve(24);
    Emitter out{result.events};
    switch (a.kind) {
        case ActionKind::Continue:
            setState(out, GameState::Table);
            break;
        case ActionKind::NewGame:
            startGame(out, a.seed, a.keepSet, -1);
            break;
        case ActionKind::Deal:
            dealHands(out);
            break;
        case ActionKind::Discard:
            discard(out, a.side, a.first, a.second);
            break;
        case ActionKind::RevealStarter:
            revealStarter(out);
            break;
        case ActionKind::Lay:
            move(out, a.side, a.first);
            afterMove(out);
            break;
        case ActionKind::Go:
            move(out, a.side, -1);
            afterMove(out);
            break;
        case ActionKind::CountNext:
            countNext(out);
            break;
    }
    return result;
}

ApplyResult CribbageGame::newGameWithDealer(uint32_t seed, bool keepSet, bool computerDeals) {
    ApplyResult result;
    if (!isGameState(state_)) return result;
    result.accepted = true;
    Emitter out{result.events};
    startGame(out, seed, keepSet, computerDeals ? 1 : 0);
    return result;
}

bool CribbageGame::openScreen(GameState screen) {
    const int n = static_cast<int>(screen);
    if (n < static_cast<int>(GameState::ConfigureAppearance) ||
        n > static_cast<int>(GameState::Help) || !isGameState(state_)) {
        return false;
    }
    savedState_ = state_;
    state_ = screen;
    return true;
}

void CribbageGame::closeScreen(const GameOptions& options) {
    if (isGameState(state_) || state_ == GameState::Splash) return;
    state_ = savedState_;
    setOptions(options);
}

}  // namespace cribbage
