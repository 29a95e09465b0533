#pragma once

#include <cstdint>

namespace cribbage {

// The seed of the next shuffle, drawn from the program's generator (which
// the shell seeds from the clock at start): two 15-bit draws, 30 bits.
uint32_t nextDealSeed();

}  // namespace cribbage
