#pragma once

// Small builders the rules use to append what happened to an event list. A
// null list is a state played without a table (a sim, a search, a hint), so
// every builder does nothing then.

#include <utility>

#include "games/velloran/rules/Events.h"

namespace velloran::detail {

constexpr int kFullStep = 4;  // a flight of the full step count, in quarters

inline void emit(Events* events, Event event) {
    if (events) events->push_back(std::move(event));
}

inline void sound(Events* events, Sound s) {
    if (!events) return;
    events->push_back(Event{.kind = Event::PlaySound, .sound = s});
}

inline void flight(Events* events, Card card, Place from, Place to, int quarters = kFullStep) {
    if (!events) return;
    events->push_back(Event{
        .kind = Event::CardFlown, .card = card, .from = from, .to = to, .quarters = quarters});
}

inline void pause(Events* events, int quarters) {
    if (!events) return;
    events->push_back(Event{.kind = Event::Pause, .quarters = quarters});
}

inline void redraw(Events* events) {
    if (!events) return;
    events->push_back(Event{.kind = Event::Redraw});
}

}  // namespace velloran::detail
