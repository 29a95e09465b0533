#include <string>

#include "games/pellandine/rules/PellandineRules.h"

namespace pellandine {

namespace {

std::string placeName(int index) {
    return "slot " + std::to_string(index / kColumns + 1) + "," +
           std::to_string(index % kColumns + 1);
}

// Why the stack cannot lie in place `index`, or "" when it can.
std::string stackFault(const TablePosition& p, int index) {
    const std::vector<CardCode>& stack = p.stacks[index];
    if (stack.empty()) return "";
    if (!isActivePosition(p.gameType, index / kColumns, index % kColumns)) {
        return placeName(index) + " is not on this variation's table";
    }
    if (!variationInfo(p.gameType).stacksFaceCards) {
        return stack.size() == 1 ? "" : placeName(index) + ": only Sum 11 covers cards";
    }
    // Sum 11 deals face cards under the next card; one left on top only
    // when the deck ran out, and then it counts as removed.
    for (size_t k = 0; k < stack.size(); ++k) {
        const bool face = stack[k].rank >= gamekit::kJack;
        if (face != (k + 1 < stack.size())) {
            return placeName(index) + ": face cards lie under a card that is no face card";
        }
    }
    return "";
}

}  // namespace

bool PellandineRules::setUpPosition(const TablePosition& given, std::string& error) {
    TablePosition p = given;
    p.gameType = normalizeGameType(p.gameType);
    p.slideMode = normalizeSlideMode(p.slideMode);
    int seen[kDeckCards] = {};
    int onTable = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        error = stackFault(p, i);
        if (!error.empty()) return false;
        for (const CardCode& c : p.stacks[i]) ++seen[c.index()];
        onTable += static_cast<int>(p.stacks[i].size());
    }
    for (const CardCode& c : p.shoe) ++seen[c.index()];
    std::vector<CardCode> order;  // removed cards, the stacks, the shoe
    for (int k = 0; k < kDeckCards; ++k) {
        if (seen[k] > 1) {
            error = "the card " + gamekit::cardCodeText(CardCode::fromIndex(k)) +
                    " is given twice";
            return false;
        }
        if (seen[k] == 0) order.push_back(CardCode::fromIndex(k));
    }
    const int removed = static_cast<int>(order.size());
    if (p.score >= 0 && p.score != removed) {
        error = "the score " + std::to_string(p.score) + " is not the " + std::to_string(removed) +
                " cards the position leaves out";
        return false;
    }
    if (onTable == 0) {
        error = "no card lies on the table";
        return false;
    }
    for (const auto& stack : p.stacks) order.insert(order.end(), stack.begin(), stack.end());
    order.insert(order.end(), p.shoe.begin(), p.shoe.end());
    if (!arrangeShoe(shoe_, order)) {
        error = "the shoe lacks a card of the position";
        return false;
    }
    gameType_ = p.gameType;
    slideMode_ = p.slideMode;
    selection_.clear();
    grid_.resetSlots();
    grid_.setLayout(gameType_);
    int next = removed;
    for (int i = 0; i < kSlotCount; ++i) {
        const int n = static_cast<int>(p.stacks[i].size());
        if (n == 0) continue;
        next += n;
        gamekit::PlayingCard* top = shoe_.cards[next - 1];
        top->faceUp = true;
        grid_.place(grid_.at(i), top, n);
    }
    shoe_.nextCard = next;
    score_ = removed;
    cardsLeft_ = kDeckCards - removed;
    phase_ = GamePhase::Playing;
    prompt_ = Prompt::Instructions;
    dealtOnce_ = true;
    error.clear();
    return true;
}

}  // namespace pellandine
