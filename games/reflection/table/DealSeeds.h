#pragma once

#include <cstdint>

namespace reflection {

class ReflectionSession;

// Each deal's shuffle seed is drawn from the program's random generator,
// which the shell seeds with the tick count at start. A deal therefore
// depends only on that start tick and on how many deals came before, and a
// headless run started at a fixed tick deals the same games every time.
uint32_t nextDealSeed();

// The three shuffles the deck gets when the program starts.
void shuffleAtStart(ReflectionSession& session);

}  // namespace reflection
