#include "games/cribbage/table/DealSeeds.h"

#include "gamekit/cards/Random.h"

namespace cribbage {

uint32_t nextDealSeed() {
    const uint32_t high = static_cast<uint32_t>(gamekit::nextRandom());
    const uint32_t low = static_cast<uint32_t>(gamekit::nextRandom());
    return high << 15 | low;
}

}  // namespace cribbage
