#include "games/reflection/table/DealSeeds.h"

#include "gamekit/cards/Random.h"
#include "games/reflection/rules/ReflectionSession.h"

namespace reflection {

uint32_t nextDealSeed() {
    // Two 15-bit draws make a 30-bit seed.
    const uint32_t high = static_cast<uint32_t>(gamekit::nextRandom());
    const uint32_t low = static_cast<uint32_t>(gamekit::nextRandom());
    return high << 15 | low;
}

void shuffleAtStart(ReflectionSession& session) {
    for (int i = 0; i < 3; ++i) session.game().shuffleDeck(nextDealSeed());
}

}  // namespace reflection
