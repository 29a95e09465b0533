#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gamekit/cards/CardText.h"
#include "games/pellandine/rules/GroupRules.h"
#include "games/pellandine/rules/PellandineRules.h"

namespace pellandine_test {

using namespace pellandine;

inline std::vector<CardCode> codes(const std::string& text) {
    std::vector<CardCode> out;
    std::string error;
    EXPECT_TRUE(gamekit::parseCardList(text, out, error)) << error;
    return out;
}

// A game of the variation dealt from a stacked shoe: the listed cards first
// (row by row over the active slots), the rest after them.
inline std::unique_ptr<PellandineRules> stacked(int gameType, const std::string& topFirst,
                                                int slideMode = kSlideZigZag) {
    auto rules = std::make_unique<PellandineRules>(7, gameType, slideMode);
    PlayResult dealt = rules->newGameWithOrder(codes(topFirst));
    EXPECT_TRUE(dealt.dealt);
    return rules;
}

// A full stylus tap on a card: press (select) and lift (judge).
inline PlayResult tap(PellandineRules& rules, int row, int column) {
    rules.select(row, column);
    return rules.evaluateSelection();
}

inline std::string at(const TableGrid& grid, int row, int column) {
    const TableSlot& s = grid.slot(row, column);
    if (s.empty || s.card == nullptr) return "--";
    return gamekit::cardCodeText(*s.card);
}

inline std::string at(const PellandineRules& rules, int row, int column) {
    return at(rules.grid(), row, column);
}

inline bool isSelected(const PellandineRules& rules, int row, int column) {
    return rules.grid().slot(row, column).selected;
}

}  // namespace pellandine_test
