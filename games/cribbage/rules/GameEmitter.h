#pragma once

// What the two halves of the rules share and nobody else sees: the event
// emitter and the status texts.

#include <vector>

#include "games/cribbage/rules/CribbageGame.h"

namespace cribbage {

struct CribbageGame::Emitter {
    std::vector<GameEvent>& events;
    GameEvent& add(EventKind kind, Side side = Side::Red) {
        events.emplace_back();
        GameEvent& e = events.back();
        e.kind = kind;
        e.side = side;
        return e;
    }
};

namespace detail {

constexpr const char* kWaitingForRed = "Waiting for Red...";
constexpr const char* kWaitingForBlue = "Waiting for blue...";
constexpr const char* kTapToPegGo = "Tap to peg \"go\"";
constexpr const char* kTapToSayGo = "Tap to say \"go\"";
constexpr const char* kTapToContinue = "Tap screen to cont.";

inline bool isGameState(GameState s) {
    return s == GameState::Table || s == GameState::Dealing || s == GameState::Discarding ||
           s == GameState::CuttingStarter || s == GameState::Playing ||
           s == GameState::CountingPone || s == GameState::CountingDealer ||
           s == GameState::CountingCrib || s == GameState::GameOver;
}

}  // namespace detail

}  // namespace cribbage
