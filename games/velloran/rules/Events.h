#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "games/velloran/rules/Cards.h"

namespace velloran {

// The sound numbers of the program.
enum class Sound { Shuffle = 0, Click = 1, CardFlick = 2, Knock = 3 };

// Where a card lies, for the table to find its pixels.
struct Place {
    enum Kind { Stock, DiscardPile, PlayerSlot, ComputerSlot, AboveHand } kind = Stock;
    int slot = 0;  // for the two hand kinds and AboveHand (the slot it hovers over)
    bool operator==(const Place&) const = default;

    static Place stock() { return {Stock, 0}; }
    static Place discardPile() { return {DiscardPile, 0}; }
    static Place player(int slot) { return {PlayerSlot, slot}; }
    static Place computer(int slot) { return {ComputerSlot, slot}; }
    static Place aboveHand(int slot) { return {AboveHand, slot}; }
};

// What the table shows of one change, in order. The rules have already made
// the change when the list is handed out; the table replays the list to
// animate it, then draws the state.
struct Event {
    enum Kind {
        CardDealt,  // `card` from the stock to `to`, face up or down (`faceUp`)
        CardFlown,  // `card` from `from` to `to`, over `quarters` quarter step counts
        CardTurned, // `card` turned (`faceUp`)
        PlaySound,  // `sound`
        Status,     // the status line becomes `text`
        Prompt,     // the prompt line becomes `text`
        Headline,   // the line above the panel becomes `text`
        Pause,      // wait `quarters` quarter step counts of 16 ms frames
        Redraw,     // draw and show the table now (before a pause)
        Message,    // the message panel with `title` and `text`, waiting for a tap
        Screen,     // the screen number becomes `screen`
    } kind = Status;
    Card card = kNoCard;
    Place from{};
    Place to{};
    bool faceUp = true;
    int quarters = 0;
    Sound sound = Sound::Click;
    int screen = 0;
    std::string title{};
    std::string text{};
};

using Events = std::vector<Event>;

// Everything a person (or a program playing the person's side) can do. The
// stylus handling of the table turns taps into these; `slot` and `index`
// carry the slot, meld or target picked, `seed` the shuffle seed (the
// program passes the tick count).
struct Action {
    enum Kind {
        NewGame,          // "New", the up key, a tap on the idle table; `index` 0 or 1
                          // makes the player or the computer the first dealer
                          // (tests and the simulator), -1 draws it
        BeginPlay,        // the deal animation has finished
        TakeStock,        // tap on the stock
        TakeDiscard,      // tap on the discard pile with ten cards
        Pass,             // the "Pass" button during an upcard offer
        TapSlot,          // tap in the hand row: select, deselect or move to `slot`
        Discard,          // tap on the discard pile with the selected card
        Knock,            // the "Knock" button
        Gin,              // the "Gin" button
        Acknowledge,      // the "OK" button after the computer knocked or went gin
        ToggleCard,       // meld and lay-off screens: mark or unmark the card in `slot`
        SelectMeld,       // meld screen: one of the first three melds, -1 beyond them
        CreateMeld,       // "Create set or run"
        UngroupMeld,      // "Ungroup set"
        FinishMelding,    // "Meld"
        LayOffOnto,       // lay-off screen: the knocker's group `index` (or -1)
        FinishLayOff,     // "Finish"
        RecordHand,       // "OK" on the hand result
        NextHand,         // "OK" on a score sheet: next hand, or a new game after the last
        ContinueAfterTie, // the tied-hand message was tapped away
    } kind = NewGame;
    int slot = -1;
    int index = -1;
    uint32_t seed = 0;

    static Action of(Kind kind) { return Action{kind, -1, -1, 0}; }
    static Action withSlot(Kind kind, int slot) { return Action{kind, slot, -1, 0}; }
    static Action withIndex(Kind kind, int index) { return Action{kind, -1, index, 0}; }
    static Action withSeed(Kind kind, uint32_t seed) { return Action{kind, -1, -1, seed}; }
};

}  // namespace velloran
