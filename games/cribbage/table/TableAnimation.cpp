// How the table shows what the rules did: the scene of every frame, the
// cards flying from deck to hand, hand to crib, hand to the play and back,
// the crib into the dealer's places, and the pegs walking hole by hole.
#include <algorithm>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/CardFlight.h"
#include "gamekit/sound/Sound.h"
#include "games/cribbage/table/CribbageTable.h"
#include "games/cribbage/table/TableLayout.h"
#include "platform/Windows.h"

namespace cribbage {

namespace {

constexpr uint32_t kPegTickMs = 16;     // one tick of the animation clock
constexpr int kDealStepDivisor = 4;     // dealing flies in a quarter of the steps
constexpr int kStarterTurnOffset = 40;  // the starter slides onto the deck from here
constexpr int kTurnLift = 8;            // a card turned up comes down from this far above

gamekit::Surface screen() {
    return gamekit::Surface(gamekit::backBuffer(), gamekit::kScreenWidth, gamekit::kScreenHeight);
}

int sideIndex(Side side) {
    return side == Side::Red ? 0 : 1;
}

// The slot of `card` in a hand, or 0.
int slotOf(const Card* hand, int size, Card card) {
    for (int i = 0; i < size; ++i) {
        if (hand[i] == card) return i;
    }
    return 0;
}

}  // namespace

TableScene CribbageTable::scene() const {
    TableScene s;
    s.game = &game_;
    s.gameOver = game_.gameOver();
    s.state = s.gameOver ? shownState_ : game_.state();
    s.theme = &frame_.theme();
    s.sheet = frame_.sheet();
    s.sheetStride = frame_.sheetStride();
    for (int i = 0; i < 6; ++i) s.selected[i] = selected_[i];
    s.displayScore = options_.displayScore;
    s.setScore = options_.multipleGames;
    s.pegs[0] = pegs_[0];
    s.pegs[1] = pegs_[1];
    s.deal = deal_;
    s.redMessages = const_cast<gamekit::MessageLog*>(&redMessages_);
    s.blueMessages = const_cast<gamekit::MessageLog*>(&blueMessages_);
    s.statusLine = const_cast<gamekit::MessageLog*>(&statusLine_);
    return s;
}

// The logs are refilled only when the game's lines have changed.
void CribbageTable::syncLogs() {
    gamekit::MessageLog* logs[2] = {&redMessages_, &blueMessages_};
    for (Side side : {Side::Red, Side::Blue}) {
        const int s = sideIndex(side);
        const int n = game_.messageCount(side);
        bool same = n == shownMessageCount_[s];
        for (int i = 0; same && i < n; ++i) same = shownMessages_[s][i] == game_.message(side, i);
        if (same) continue;
        logs[s]->clear();
        const int first = n > kPlayerMessageLines ? n - kPlayerMessageLines : 0;
        for (int i = first; i < n; ++i) logs[s]->addLine(game_.message(side, i));
        for (int i = 0; i < n; ++i) shownMessages_[s][i] = game_.message(side, i);
        shownMessageCount_[s] = n;
    }
    if (shownStatus_ != game_.statusLine()) {
        statusLine_.clear();
        statusLine_.addLine(game_.statusLine());
        shownStatus_ = game_.statusLine();
    }
}

void CribbageTable::drawTableScreen(gamekit::Surface& surface) {
    syncLogs();
    view_.draw(surface, scene());
    frame_.drawMenuBar(surface);
}

void CribbageTable::present(gamekit::Surface& surface) {
    drawTableScreen(surface);
    gamekit::pumpMessages(true);
}

int CribbageTable::flightSteps() const {
    return gamekit::animationSteps(options_.animationSpeed);
}

void CribbageTable::flyCard(gamekit::Surface& surface, Card card, bool faceUp, ScreenPoint from,
                            ScreenPoint to, int steps) {
    if (steps <= 0) return;
    const gamekit::PlayingCard shown(card.rank, card.suit, faceUp);
    gamekit::animateCardMove(surface, &shown, &frame_.theme(), from.x, from.y, to.x, to.y,
                             steps);
}

// The moving peg is the back one: it leaves its hole and steps from the
// front peg's hole to the new score, one presented frame a hole, so that a
// move lasts about the same whatever its length.
void CribbageTable::walkPeg(const GameEvent& peg) {
    const int s = sideIndex(peg.side);
    const int to = std::min(peg.count, kWinningScore);
    const int holes = to - peg.from;
    const int ticks = flightSteps();
    gamekit::Surface surface = screen();
    if (ticks > 0 && holes > 0) {
        const uint32_t wait = kPegTickMs * static_cast<uint32_t>(ticks / holes);
        for (int hole = peg.from + 1; hole <= to; ++hole) {
            pegs_[s] = PegView{peg.from, hole};
            present(surface);
            if (wait > 0) pause(wait);
        }
    }
    pegs_[s] = PegView{peg.count, peg.from};
}

void CribbageTable::animate(const CribbageGame& before, const std::vector<GameEvent>& events) {
    gamekit::Surface surface = screen();
    const int steps = flightSteps();
    const bool computerDeals = game_.computerDeals();
    bool based = false;  // the scene under the flights is drawn
    auto base = [&] {
        if (!based) drawTableScreen(surface);
        based = true;
    };
    for (const GameEvent& e : events) {
        switch (e.kind) {
            case EventKind::Shuffled:
                gamekit::playSound(gamekit::kSoundShuffle, options_.soundOn);
                break;
            case EventKind::CardToCrib:
                deal_.cribCards = std::min(deal_.cribCards, static_cast<int>(e.to));
                base();
                flyCard(surface, e.card, false, handCardPlace(e.side == Side::Red, e.slot, false),
                        cribCardPlace(computerDeals, e.to), steps);
                break;
            case EventKind::StarterCut: {
                deal_.starter = false;
                deal_.cribCards = 4;
                based = false;
                base();
                const ScreenPoint deck = deckPlace(computerDeals);
                flyCard(surface, e.card, true, {deck.x + kStarterTurnOffset, deck.y}, deck, steps);
                deal_.starter = true;
                break;
            }
            case EventKind::CardLaid: {
                const int order = game_.cardsLaid() - 1;
                deal_.laidCards = order;
                based = false;
                base();
                bool redLaid[8] = {};
                for (int i = 0; i < game_.cardsLaid(); ++i) redLaid[i] = game_.laidBy(i) == Side::Red;
                ScreenPoint places[8];
                laidCardPlaces(redLaid, game_.cardsLaid(), game_.cardsInCount(), places);
                const bool red = e.side == Side::Red;
                if (!red) gamekit::playSound(gamekit::kSoundCardFlick, options_.soundOn);
                flyCard(surface, e.card, true, handCardPlace(red, e.slot, red), places[order],
                        steps);
                deal_.laidCards = 8;
                break;
            }
            case EventKind::CardsGathered: {
                deal_.handCards[0] = deal_.handCards[1] = 0;
                based = false;
                base();
                bool redLaid[8] = {};
                for (int i = 0; i < before.cardsLaid(); ++i) {
                    redLaid[i] = before.laidBy(i) == Side::Red;
                }
                ScreenPoint places[8];
                laidCardPlaces(redLaid, before.cardsLaid(), before.cardsInCount(), places);
                for (int i = 0; i < before.cardsLaid(); ++i) {
                    const Side side = before.laidBy(i);
                    const int slot = slotOf(game_.hand(side), game_.handSize(side), before.laidCard(i));
                    flyCard(surface, before.laidCard(i), handFaceUp(game_, GameState::CountingPone, side),
                            places[i], handCardPlace(side == Side::Red, slot, false), steps);
                }
                deal_ = DealView{};
                break;
            }
            case EventKind::HandCounted:
                if (!e.crib && e.side == game_.dealer()) {
                    based = true;
                    turnDealersHand(surface);
                }
                if (e.crib) {
                    deal_.handCards[sideIndex(e.side)] = 0;
                    based = false;
                    base();
                    for (int i = 0; i < game_.cribCount(); ++i) {
                        flyCard(surface, game_.crib()[i], true, cribCardPlace(computerDeals, i),
                                handCardPlace(e.side == Side::Red, i, false), steps);
                    }
                    deal_ = DealView{};
                }
                break;
            case EventKind::PegMoved:
                deal_ = DealView{};
                walkPeg(e);
                break;
            case EventKind::MessageBox:
                // The final board first, then the box over it.
                deal_ = DealView{};
                present(surface);
                frame_.messageBox(e.text, e.title);
                break;
            default:
                break;
        }
    }
    deal_ = DealView{};
    for (Side side : {Side::Red, Side::Blue}) {
        pegs_[sideIndex(side)] = PegView{game_.score(side), game_.backPeg(side)};
    }
}

// The states whose redraw carries the game on plan what it plays.
void CribbageTable::planStateFlight() {
    if (game_.state() == GameState::Dealing) {
        frame_.planFlight([this](gamekit::Surface& surface) { dealAnimated(surface); });
    } else if (game_.state() == GameState::CuttingStarter) {
        frame_.planFlight([this](gamekit::Surface&) { revealStarterAnimated(); });
    }
}

// The dealer's count begins with his hand turned up, one card after the
// other, each laid down face up from a little above its place.
void CribbageTable::turnDealersHand(gamekit::Surface& surface) {
    const Side dealer = game_.dealer();
    const bool red = dealer == Side::Red;
    deal_.dealerCardsUp = 0;
    drawTableScreen(surface);
    const int steps = flightSteps();
    for (int i = 0; i < game_.handSize(dealer); ++i) {
        const ScreenPoint place = handCardPlace(red, i, false);
        flyCard(surface, game_.hand(dealer)[i], true, {place.x, place.y - kTurnLift}, place, steps);
        deal_.dealerCardsUp = i + 1;
    }
    deal_ = DealView{};
}

// The redraw of Dealing: the six cards each fly out from the deck, the
// computer's first, a quarter of the usual steps a card.
void CribbageTable::dealAnimated(gamekit::Surface& surface) {
    const int steps = flightSteps() / kDealStepDivisor;
    deal_.handCards[0] = deal_.handCards[1] = 0;
    ApplyResult result = game_.apply(Action::simple(ActionKind::Deal));
    if (!result.accepted) {
        deal_ = DealView{};
        return;
    }
    drawTableScreen(surface);
    const ScreenPoint deck = deckPlace(game_.computerDeals());
    for (const DealtCard& c : dealFlights(game_, result.events)) {
        const bool red = c.side == Side::Red;
        if (steps > 0) {
            flyCard(surface, c.card, c.faceUp, deck, handCardPlace(red, c.slot, false), steps);
        }
        ++deal_.handCards[sideIndex(c.side)];
    }
    deal_ = DealView{};
    shownState_ = game_.state();
    screens_.show(state());
    gamekit::takeTap();
}

// The redraw of CuttingStarter: the play begins, and when the person
// deals, the computer leads at once.
void CribbageTable::revealStarterAnimated() {
    step(Action::simple(ActionKind::RevealStarter));
    computerMoves();
    gamekit::takeTap();
}

}  // namespace cribbage
