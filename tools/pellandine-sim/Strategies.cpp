#include "tools/pellandine-sim/Strategies.h"

#include <string>
#include <unordered_map>

#include "games/pellandine/rules/Refill.h"

namespace pellandine_sim {

using pellandine::Group;
using pellandine::TableGrid;
using pellandine::TableSlot;

namespace {

class RandomStrategy : public Strategy {
  public:
    void startDeal(uint32_t seed) override { engine_.seed(seed * 2654435761u + 17u); }
    size_t choose(const TableGrid&, const std::vector<Group>& groups) override {
        std::uniform_int_distribution<size_t> pick(0, groups.size() - 1);
        return pick(engine_);
    }

  private:
    std::mt19937 engine_;
};

class FirstStrategy : public Strategy {
  public:
    size_t choose(const TableGrid&, const std::vector<Group>&) override { return 0; }
};

// Looks at the table only (never at the hidden deck): for each group, the
// most cards that removals can then clear, searched exhaustively over the
// cards still lying. In Pairs and Sum 11 the search also goes on past up to
// four deck taps, sliding the known cards as a tap would (exact once the deck
// is empty; before that a lower bound, since dealt cards only fill gaps). Ties go
// to the group that leaves the most choices open, then to the earlier one.
class LookaheadStrategy : public Strategy {
  public:
    explicit LookaheadStrategy(int slideMode) : slideMode_(slideMode) {}

    size_t choose(const TableGrid& grid, const std::vector<Group>& groups) override {
        memo_.clear();
        TableGrid work = grid;
        slides_ = pellandine::variationInfo(grid.gameType()).movesCardsUp;
        size_t best = 0;
        int bestValue = -1;
        int bestChoices = -1;
        std::vector<Group> after;
        for (size_t k = 0; k < groups.size(); ++k) {
            const Group& g = groups[k];
            TableSlot saved[pellandine::kSelectionPlaces];
            take(work, g, saved);
            const int value = pellandine::groupCardCount(grid, g) + bestAfter(work, 0);
            pellandine::findGroups(work, after);
            const int choices = static_cast<int>(after.size());
            restore(work, g, saved);
            if (value > bestValue || (value == bestValue && choices > bestChoices)) {
                best = k;
                bestValue = value;
                bestChoices = choices;
            }
        }
        return best;
    }

  private:
    static constexpr size_t kStateBudget = 200000;
    static constexpr int kSlideDepth = 4;

    static void take(TableGrid& grid, const Group& g, TableSlot* saved) {
        for (int k = 0; k < g.size; ++k) {
            saved[k] = grid.at(g.index[k]);
            grid.clearSlot(grid.at(g.index[k]));
        }
    }

    static void restore(TableGrid& grid, const Group& g, const TableSlot* saved) {
        for (int k = 0; k < g.size; ++k) grid.at(g.index[k]) = saved[k];
    }

    // The cards by place, and how many slides deep the search is.
    static std::string keyOf(const TableGrid& grid, int slideLevel) {
        std::string key(pellandine::kSlotCount + 1, '\0');
        key[0] = static_cast<char>(slideLevel);
        for (int i = 0; i < pellandine::kSlotCount; ++i) {
            const TableSlot& s = grid.at(i);
            if (s.holdsCard()) key[i + 1] = static_cast<char>(1 + s.card->suit * 13 + s.card->rank);
        }
        return key;
    }

    int bestAfter(TableGrid& work, int slideLevel) {
        const std::string key = keyOf(work, slideLevel);
        auto found = memo_.find(key);
        if (found != memo_.end()) return found->second;
        if (memo_.size() >= kStateBudget) return 0;
        std::vector<Group> groups;
        pellandine::findGroups(work, groups);
        int best = 0;
        for (const Group& g : groups) {
            const int here = pellandine::groupCardCount(work, g);
            TableSlot saved[pellandine::kSelectionPlaces];
            take(work, g, saved);
            const int value = here + bestAfter(work, slideLevel);
            restore(work, g, saved);
            if (value > best) best = value;
        }
        if (groups.empty() && slides_ && slideLevel < kSlideDepth) {
            TableGrid slid = work;
            std::vector<pellandine::TableEvent> moves;
            pellandine::slideCards(slid, slideMode_, moves);
            if (!moves.empty()) best = bestAfter(slid, slideLevel + 1);
        }
        memo_[key] = best;
        return best;
    }

    int slideMode_;
    bool slides_ = false;
    std::unordered_map<std::string, int> memo_;
};

}  // namespace

std::unique_ptr<Strategy> makeStrategy(const std::string& name, int slideMode) {
    if (name == "random") return std::make_unique<RandomStrategy>();
    if (name == "first") return std::make_unique<FirstStrategy>();
    if (name == "lookahead") return std::make_unique<LookaheadStrategy>(slideMode);
    if (name == "pairsfirst") return makePairsFirstStrategy();
    return nullptr;
}

GameOutcome playDealtGame(pellandine::PellandineRules& rules, Strategy& strategy) {
    GameOutcome outcome;
    // One list of groups and one result for the whole game: their storage is
    // reused from tap to tap, so a move allocates nothing.
    std::vector<Group> groups;
    pellandine::PlayResult result;
    // A game removes at most 26 groups and taps the deck at most once per
    // refill; the cap only guards against a rules fault looping for ever.
    for (int step = 0; step < 1000 && rules.phase() == pellandine::GamePhase::Playing; ++step) {
        rules.legalMoves(groups);
        if (groups.empty()) {
            rules.tapDeck(result);
            ++outcome.deckTaps;
            if (result.events.empty()) break;
            continue;
        }
        const Group& g = groups[strategy.choose(rules.grid(), groups)];
        for (int k = 0; k < g.size; ++k) {
            rules.select(g.index[k] / pellandine::kColumns, g.index[k] % pellandine::kColumns,
                         result);
            rules.evaluateSelection(result);
        }
        ++outcome.groupsRemoved;
    }
    outcome.removed = rules.score();
    outcome.won = rules.phase() == pellandine::GamePhase::Over;
    return outcome;
}

}  // namespace pellandine_sim
