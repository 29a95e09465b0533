#include "tools/pellandine-sim/Strategies.h"

namespace pellandine_sim {

namespace {

// Sum 14: the 52 values add up to 364 = 26 x 14, so clearing the deck takes
// 26 groups of 52 cards, every one of them a pair; a single group of three
// or more cards makes the deal unwinnable. Takes the first pair in reading
// order, and a larger group only when no pair is allowed (the table would
// otherwise stay as it is for good).
class PairsFirstStrategy : public Strategy {
  public:
    size_t choose(const pellandine::TableGrid&,
                  const std::vector<pellandine::Group>& groups) override {
        for (size_t k = 0; k < groups.size(); ++k) {
            if (groups[k].size == 2) return k;
        }
        return 0;
    }
};

}  // namespace

std::unique_ptr<Strategy> makePairsFirstStrategy() {
    return std::make_unique<PairsFirstStrategy>();
}

}  // namespace pellandine_sim
