#include "gamekit/cards/Random.h"

namespace gamekit {

namespace {
uint32_t state = 1;
}

void seedRandom(uint32_t seed) {
    state = seed;
}

int nextRandom() {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state / 65536u) % 32768u);
}

}  // namespace gamekit
