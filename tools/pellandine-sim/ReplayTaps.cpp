#include "tools/pellandine-sim/ReplayTaps.h"

#include <cstdio>

namespace pellandine_sim {

using pellandine::EventKind;
using pellandine::PlayResult;
using pellandine::TableSlot;

namespace {

std::vector<std::string> splitTaps(const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char c : text + " ") {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ';') {
            if (!word.empty()) out.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return out;
}

bool readTap(const std::string& word, ReplayTap& tap) {
    std::string w;
    for (char c : word) w += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (w == "deck" || w == "space") {
        tap.kind = w == "deck" ? ReplayTap::Kind::Deck : ReplayTap::Kind::Space;
        return true;
    }
    if (w.size() != 3 || w[1] != ',') return false;
    tap.row = w[0] - '1';
    tap.column = w[2] - '1';
    return tap.row >= 0 && tap.row < pellandine::kRows && tap.column >= 0 &&
           tap.column < pellandine::kColumns;
}

std::string slotName(int row, int column) {
    return std::to_string(row + 1) + "," + std::to_string(column + 1);
}

// "7S", with "+2" for two face cards under it and "*" when selected; "--"
// for an empty place of the table; ".." off the variation's table.
std::string cellText(const TableSlot& s) {
    if (!s.active) return "..";
    if (!s.holdsCard()) return "--";
    std::string text = gamekit::cardCodeText(*s.card);
    if (s.cardCount > 1) text += "+" + std::to_string(s.cardCount - 1);
    if (s.selected) text += "*";
    return text;
}

const char* tapOutcome(const PlayResult& press, const PlayResult& lift, bool stillSelected) {
    if (lift.removed) return "group removed";
    // The lift judged the card out of any group with the others.
    if (press.tap == pellandine::TapKind::Selected && !stillSelected) return "selected, then dropped";
    switch (press.tap) {
        case pellandine::TapKind::DeckTapped:
            return "deck tapped";
        case pellandine::TapKind::Selected:
            return "selected";
        case pellandine::TapKind::Unselected:
            return "unselected";
        case pellandine::TapKind::SelectionCleared:
            return "selection cleared";
        case pellandine::TapKind::SelectionFull:
            return "ignored (six selected)";
        default:
            return "ignored";
    }
}

// The places of one kind of step, "1,2 1,3" ("-" for none); slides as
// "2,1>1,1".
std::string eventPlaces(const std::vector<pellandine::TableEvent>& events, EventKind kind) {
    std::string text;
    for (const auto& e : events) {
        if (e.kind != kind) continue;
        if (!text.empty()) text += ' ';
        if (kind == EventKind::Slide) text += slotName(e.fromRow, e.fromColumn) + ">";
        text += slotName(e.row, e.column);
    }
    return text.empty() ? "-" : text;
}

void printTapResult(const pellandine::PellandineRules& rules, const PlayResult& press,
                    const PlayResult& lift) {
    std::vector<pellandine::TableEvent> events = press.events;
    events.insert(events.end(), lift.events.begin(), lift.events.end());
    std::printf("removed: %s\n", eventPlaces(events, EventKind::Remove).c_str());
    if (press.tap == pellandine::TapKind::DeckTapped) {
        std::printf("moved: %s\n", eventPlaces(events, EventKind::Slide).c_str());
        std::printf("filled: %s\n", eventPlaces(events, EventKind::Fill).c_str());
    }
    const std::string stranded = eventPlaces(events, EventKind::Stranded);
    if (stranded != "-") std::printf("stranded: %s\n", stranded.c_str());
    std::string selection;
    for (int i = 0; i < rules.selection().count(); ++i) {
        const TableSlot* s = rules.selection().at(i);
        selection += (i > 0 ? " " : "") + slotName(s->row, s->column);
    }
    std::printf("selection: %s\n", selection.empty() ? "-" : selection.c_str());
}

}  // namespace

bool parseReplayTaps(const std::string& text, std::vector<ReplayTap>& out, std::string& error) {
    out.clear();
    const std::vector<std::string> words = splitTaps(text);
    for (size_t i = 0; i < words.size(); ++i) {
        ReplayTap tap;
        tap.text = words[i];
        if (!readTap(words[i], tap)) {
            error = "bad tap " + std::to_string(i + 1) + " \"" + words[i] +
                    "\": a tap is R,C (row 1 to 4, column 1 to 5), deck or space";
            return false;
        }
        out.push_back(tap);
    }
    return true;
}

void printTable(const pellandine::PellandineRules& rules) {
    for (int r = 0; r < pellandine::kRows; ++r) {
        std::string line = "row " + std::to_string(r + 1) + ":";
        for (int c = 0; c < pellandine::kColumns; ++c) {
            std::string cell = cellText(rules.grid().slot(r, c));
            cell.resize(6, ' ');
            line += " " + cell;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::printf("%s\n", line.c_str());
    }
    std::printf("shoe: %d cards\n", rules.cardsInShoe());
    std::printf("score: %d\n", rules.score());
    std::printf("cards left: %d\n", rules.cardsLeft());
    if (rules.gameOver()) std::printf("game over: won\n");
}

void playAndPrint(pellandine::PellandineRules& rules, const std::vector<ReplayTap>& taps) {
    std::printf("start\n");
    printTable(rules);
    for (size_t i = 0; i < taps.size(); ++i) {
        const ReplayTap& tap = taps[i];
        PlayResult press, lift;
        switch (tap.kind) {
            case ReplayTap::Kind::Deck:
                press = rules.tapDeck();
                break;
            case ReplayTap::Kind::Space:
                press = rules.tapEmptySpace();
                lift = rules.evaluateSelection();
                break;
            case ReplayTap::Kind::Slot:
                press = rules.select(tap.row, tap.column);
                lift = rules.evaluateSelection();
                break;
        }
        const bool stillSelected = tap.kind == ReplayTap::Kind::Slot &&
                                   rules.grid().slot(tap.row, tap.column).selected;
        std::printf("\ntap %zu %s: %s\n", i + 1, tap.text.c_str(),
                    tapOutcome(press, lift, stillSelected));
        printTapResult(rules, press, lift);
        printTable(rules);
    }
}

}  // namespace pellandine_sim
