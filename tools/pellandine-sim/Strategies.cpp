#include "tools/pellandine-sim/Strategies.h"

#include <unordered_map>

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
// most cards that removals alone can then clear, searched exhaustively over
// the sets of cards still lying. Ties go to the group that leaves the most
// choices open, then to the earlier one.
class LookaheadStrategy : public Strategy {
public:
    size_t choose(const TableGrid& grid, const std::vector<Group>& groups) override {
        memo_.clear();
        TableGrid work = grid;
        const uint32_t mask = occupiedMask(work);
        size_t best = 0;
        int bestValue = -1;
        int bestChoices = -1;
        std::vector<Group> after;
        for (size_t k = 0; k < groups.size(); ++k) {
            const Group& g = groups[k];
            TableSlot saved[pellandine::kSelectionPlaces];
            take(work, g, saved);
            const int value = pellandine::groupCardCount(grid, g) + bestAfter(work, mask & ~maskOf(g));
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

    static uint32_t occupiedMask(const TableGrid& grid) {
        uint32_t mask = 0;
        for (int i = 0; i < pellandine::kSlotCount; ++i) {
            if (grid.at(i).holdsCard()) mask |= 1u << i;
        }
        return mask;
    }

    static uint32_t maskOf(const Group& g) {
        uint32_t mask = 0;
        for (int k = 0; k < g.size; ++k) mask |= 1u << g.index[k];
        return mask;
    }

    static void take(TableGrid& grid, const Group& g, TableSlot* saved) {
        for (int k = 0; k < g.size; ++k) {
            saved[k] = grid.at(g.index[k]);
            grid.clearSlot(grid.at(g.index[k]));
        }
    }

    static void restore(TableGrid& grid, const Group& g, const TableSlot* saved) {
        for (int k = 0; k < g.size; ++k) grid.at(g.index[k]) = saved[k];
    }

    // The most cards removals alone can clear from the table in `work`,
    // whose lying cards are `mask`.
    int bestAfter(TableGrid& work, uint32_t mask) {
        auto found = memo_.find(mask);
        if (found != memo_.end()) return found->second;
        if (memo_.size() >= kStateBudget) return 0;
        std::vector<Group> groups;
        pellandine::findGroups(work, groups);
        int best = 0;
        for (const Group& g : groups) {
            const int here = pellandine::groupCardCount(work, g);
            TableSlot saved[pellandine::kSelectionPlaces];
            take(work, g, saved);
            const int value = here + bestAfter(work, mask & ~maskOf(g));
            restore(work, g, saved);
            if (value > best) best = value;
        }
        memo_[mask] = best;
        return best;
    }

    std::unordered_map<uint32_t, int> memo_;
};

}  // namespace

std::unique_ptr<Strategy> makeStrategy(const std::string& name) {
    if (name == "random") return std::make_unique<RandomStrategy>();
    if (name == "first") return std::make_unique<FirstStrategy>();
    if (name == "lookahead") return std::make_unique<LookaheadStrategy>();
    return nullptr;
}

GameOutcome playDealtGame(pellandine::PellandineRules& rules, Strategy& strategy) {
    GameOutcome outcome;
    std::vector<Group> groups;
    // A game removes at most 26 groups and taps the deck at most once per
    // refill; the cap only guards against a rules fault looping for ever.
    for (int step = 0; step < 1000 && rules.phase() == pellandine::GamePhase::Playing; ++step) {
        pellandine::findGroups(rules.grid(), groups);
        if (groups.empty()) {
            pellandine::PlayResult r = rules.tapDeck();
            ++outcome.deckTaps;
            if (r.events.empty()) break;
            continue;
        }
        const Group& g = groups[strategy.choose(rules.grid(), groups)];
        for (int k = 0; k < g.size; ++k) {
            rules.tapSlot(g.index[k] / pellandine::kColumns, g.index[k] % pellandine::kColumns);
            rules.evaluateSelection();
        }
        ++outcome.groupsRemoved;
    }
    outcome.removed = rules.score();
    outcome.won = rules.phase() == pellandine::GamePhase::Over;
    return outcome;
}

}  // namespace pellandine_sim
