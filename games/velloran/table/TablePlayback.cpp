// Playing back what the rules did: the deal, the card flights, the
// computer's pauses and the message panels, each drawn over the table as it
// stood at that moment. The rules have finished the change when the events
// arrive; a copy of the state before it is brought forward event by event,
// so the cards leave and reach their places in the order the table shows.
#include <algorithm>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/shell/MessagePanel.h"
#include "gamekit/shell/Shell.h"
#include "gamekit/sound/CardFlight.h"
#include "gamekit/sound/Sound.h"
#include "games/velloran/table/GameTable.h"
#include "platform/Windows.h"

namespace velloran {

namespace {

constexpr int kPauseFrameMs = 16;
constexpr int kQuartersOfFullStep = 4;

ScreenPoint placeOf(const Place& p) {
    switch (p.kind) {
        case Place::Stock: return kStockPlace;
        case Place::DiscardPile: return kDiscardPlace;
        case Place::PlayerSlot: return playerSlotPlace(p.slot);
        case Place::ComputerSlot: return computerSlotPlace(p.slot);
        case Place::AboveHand: return abovePlayerSlot(p.slot);
    }
    return kStockPlace;
}

// The shown state as a card leaves its place.
void takeFrom(VelloranGame& view, const Place& from, Card card) {
    switch (from.kind) {
        case Place::Stock: ++view.nextCard; break;
        case Place::DiscardPile:
            if (!view.discardPile.empty() && view.discardPile.back() == card) view.discardPile.pop_back();
            break;
        case Place::PlayerSlot:
            for (int i = 0; i < kPlayerSlots; ++i) {
                if (view.playerHand[i] == card) {
                    view.playerHand[i] = kNoCard;
                    view.selected[i] = false;
                }
            }
            break;
        case Place::ComputerSlot:
            for (int i = 0; i < kComputerSlots; ++i) {
                if (view.computerHand[i] == card) view.computerHand[i] = kNoCard;
            }
            break;
        case Place::AboveHand: break;
    }
}

// Closes the gap a card left in a row: the cards right of it move one slot
// left, as the rules do once a discard has landed.
void closeGap(Card* row, bool* marks, int count) {
    int to = 0;
    for (int i = 0; i < count; ++i) {
        if (row[i] == kNoCard) continue;
        row[to] = row[i];
        if (marks) marks[to] = marks[i];
        ++to;
    }
    for (int i = to; i < count; ++i) {
        row[i] = kNoCard;
        if (marks) marks[i] = false;
    }
}

// A card taken into the player's row lands in a stretch that moves right to
// make room for it.
void makeRoom(VelloranGame& view, int slot) {
    if (slot < 0 || slot >= kPlayerSlots || view.playerHand[slot] == kNoCard) return;
    int gap = slot;
    while (gap < kPlayerSlots && view.playerHand[gap] != kNoCard) ++gap;
    if (gap >= kPlayerSlots) return;
    for (int i = gap; i > slot; --i) view.playerHand[i] = view.playerHand[i - 1];
    view.playerHand[slot] = kNoCard;
}

void putAt(VelloranGame& view, const Place& to, Card card) {
    switch (to.kind) {
        case Place::Stock: break;
        case Place::DiscardPile: view.discardPile.push_back(card); break;
        case Place::PlayerSlot:
            if (to.slot >= 0 && to.slot < kPlayerSlots) view.playerHand[to.slot] = card;
            break;
        case Place::ComputerSlot:
            if (to.slot >= 0 && to.slot < kComputerSlots) view.computerHand[to.slot] = card;
            break;
        case Place::AboveHand: break;
    }
}

// How a card shows in flight: the computer's cards from the stock travel
// face down, everything else face up.
bool flightFaceUp(const Place& from, const Place& to) {
    return !(from.kind == Place::Stock && to.kind == Place::ComputerSlot);
}

int quarterSteps(int steps, int quarters) {
    if (steps <= 0) return 0;
    const int s = steps * quarters / kQuartersOfFullStep;
    return s < 1 ? 1 : s;
}

void holdFrames(int frames) {
    for (int i = 0; i < frames; ++i) {
        const uint32_t start = GetTickCount();
        gamekit::pumpMessages(true);
        while (static_cast<int32_t>(GetTickCount() - start) < kPauseFrameMs) {
            gamekit::waitForMessages(kPauseFrameMs - (GetTickCount() - start));
        }
    }
}

// A tap made while the computer played or cards flew was meant for the
// table as it was then: it is dropped rather than applied to the table that
// followed, where it could throw a card the person never chose.
void dropTapsMadeMeanwhile() {
    while (gamekit::takeTap()) {
    }
}

}  // namespace

void GameTable::act(const Action& action) {
    const VelloranGame before = game_;
    Events events;
    if (!game_.apply(action, &events)) return;
    size_t end = events.size();
    if (game_.phase() == Phase::Dealing) {
        // The deal flies on the next frame (screen 2); what came before it
        // plays now, and the click that ends the new hand with it. Only the
        // latest deal is shown: one made while another waited replaces it.
        const auto first = std::find_if(events.begin(), events.end(),
                                        [](const Event& e) { return e.kind == Event::CardDealt; });
        end = static_cast<size_t>(first - events.begin());
        Events deal(first, events.end());
        for (const Event& e : deal) {
            if (e.kind == Event::PlaySound) gamekit::playSound(static_cast<int>(e.sound), options_.soundOn);
        }
        frame_.cancelFlights();
        frame_.planFlight([this, deal = std::move(deal)](gamekit::Surface& surface) {
            dealAnimation(surface, deal);
        });
    }
    playBack(before, events, 0, end);
    // The tied hand's message has been tapped away: the next hand is dealt.
    if (game_.phase() == Phase::TiedHand) act(Action::withSeed(Action::ContinueAfterTie, dealSeed()));
}

void GameTable::playBack(const VelloranGame& before, const Events& events, size_t from, size_t to) {
    if (from >= to) return;
    gamekit::Surface surface(gamekit::backBuffer(), kScreenWidth, kScreenHeight);
    VelloranGame view = before;
    Phase phase = before.phase();
    const int steps = gamekit::animationSteps(options_.animationSpeed);
    const gamekit::CardTheme* theme = &frame_.theme();
    // Something moved, paused or waited for its tap: taps made meanwhile
    // are dropped at the end.
    bool animated = false;
    Card floating = kNoCard;
    ScreenPoint floatingAt{0, 0};
    auto show = [&] { drawTableState(surface, view, phase, true, floating, floatingAt); };
    for (size_t i = from; i < to; ++i) {
        const Event& e = events[i];
        switch (e.kind) {
            case Event::PlaySound: gamekit::playSound(static_cast<int>(e.sound), options_.soundOn); break;
            case Event::Status: view.statusLine = e.text; break;
            case Event::Prompt: view.promptLine = e.text; break;
            case Event::Headline: view.headline = e.text; break;
            case Event::Screen:
                phase = static_cast<Phase>(e.screen);
                // Away from the play screen no card moves any more: the
                // screens that follow show the state as the rules left it.
                if (phase != Phase::Play && phase != Phase::Dealing) view = game_;
                break;
            case Event::CardTurned: view.faceUp[e.card] = e.faceUp; break;
            case Event::CardDealt:
            case Event::CardFlown: {
                animated = true;
                const Place source = e.kind == Event::CardDealt ? Place::stock() : e.from;
                const bool up = e.kind == Event::CardDealt ? e.faceUp : flightFaceUp(source, e.to);
                if (source.kind == Place::AboveHand) floating = kNoCard;
                takeFrom(view, source, e.card);
                if (e.to.kind == Place::PlayerSlot && source.kind != Place::PlayerSlot) makeRoom(view, e.to.slot);
                view.faceUp[e.card] = up;
                show();
                const ScreenPoint a = placeOf(source), b = placeOf(e.to);
                const gamekit::PlayingCard card(rankOf(e.card), suitOf(e.card), up);
                const int quarters = e.kind == Event::CardDealt ? kQuartersOfFullStep : e.quarters;
                gamekit::animateCardMove(surface, &card, theme, a.x, a.y, b.x, b.y,
                                         quarterSteps(steps, quarters));
                putAt(view, e.to, e.card);
                if (e.to.kind == Place::AboveHand) {
                    floating = e.card;
                    floatingAt = b;
                }
                if (e.to.kind == Place::DiscardPile) {
                    if (source.kind == Place::ComputerSlot) closeGap(view.computerHand, nullptr, kComputerSlots);
                    if (source.kind == Place::PlayerSlot && phase == Phase::Play && view.playerActive) {
                        closeGap(view.playerHand, view.selected, kPlayerSlots);
                    }
                }
                break;
            }
            case Event::Pause:
                if (steps <= 0) break;
                animated = true;
                show();
                holdFrames(steps * e.quarters / kQuartersOfFullStep);
                break;
            case Event::Redraw:
                show();
                gamekit::pumpMessages(true);
                break;
            case Event::Message:
                animated = true;
                show();
                gamekit::messagePanel(surface, e.text.c_str(), e.title.c_str());
                break;
        }
    }
    if (animated) dropTapsMadeMeanwhile();
}

// Ten passes from the stock, the dealer's opponent served first; the
// eleventh card and the upcard are in place when play begins.
void GameTable::dealAnimation(gamekit::Surface& surface, const Events& deal) {
    VelloranGame view = game_;
    std::fill(view.playerHand, view.playerHand + kPlayerSlots, kNoCard);
    std::fill(view.selected, view.selected + kPlayerSlots, false);
    std::fill(view.computerHand, view.computerHand + kComputerSlots, kNoCard);
    view.discardPile.clear();
    view.nextCard = 0;
    const int steps = gamekit::animationSteps(options_.animationSpeed);
    std::vector<const Event*> computerCards, playerCards;
    for (const Event& e : deal) {
        if (e.kind != Event::CardDealt) continue;
        if (e.to.kind == Place::ComputerSlot && e.to.slot < 10) computerCards.push_back(&e);
        if (e.to.kind == Place::PlayerSlot && e.to.slot >= 3 && e.to.slot < 13) playerCards.push_back(&e);
    }
    const gamekit::CardTheme* theme = &frame_.theme();
    const int passes = static_cast<int>(std::min(computerCards.size(), playerCards.size()));
    if (steps > 0) {
        for (int pass = 0; pass < passes; ++pass) {
            gamekit::playSound(gamekit::kSoundCardFlick, options_.soundOn);
            const Event* order[2] = {computerCards[pass], playerCards[pass]};
            if (game_.computerDeals) std::swap(order[0], order[1]);
            for (const Event* e : order) {
                drawTableState(surface, view, Phase::Dealing, true);
                const ScreenPoint b = placeOf(e->to);
                const gamekit::PlayingCard card(rankOf(e->card), suitOf(e->card), e->faceUp);
                gamekit::animateCardMove(surface, &card, theme, kStockPlace.x, kStockPlace.y, b.x, b.y,
                                         quarterSteps(steps, 1));
                view.faceUp[e->card] = e->faceUp;
                putAt(view, e->to, e->card);
                ++view.nextCard;
            }
        }
        dropTapsMadeMeanwhile();
    }
    const VelloranGame before = game_;
    Events events;
    game_.computeDeadwood(Side::Player);
    if (!game_.apply(Action::of(Action::BeginPlay), &events)) return;
    playBack(before, events, 0, events.size());
    if (game_.phase() == Phase::TiedHand) act(Action::withSeed(Action::ContinueAfterTie, dealSeed()));
}

}  // namespace velloran
