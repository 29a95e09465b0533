// What the person may do in each phase and what doing it changes: the only
// way a table moves the rules on.

#include <algorithm>

#include "games/velloran/rules/EventBuilders.h"
#include "games/velloran/rules/VelloranGame.h"

namespace velloran {

using namespace detail;

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
            throwLastSelected(events);
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

}  // namespace velloran
