#pragma once

#include <cstdint>

namespace gamekit {

// The programs' pseudo-random generator, with the C library's interface:
// seedRandom() like srand(), nextRandom() like rand() with 15-bit results
// (0 to 32767). It is the linear congruential generator given as the portable
// example in the C standard, so a seed gives the same sequence on every
// machine, which keeps deals reproducible from a seed.
void seedRandom(uint32_t seed);
int nextRandom();

constexpr int kRandomMax = 32767;

}  // namespace gamekit
