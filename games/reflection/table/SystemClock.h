#pragma once

#include "games/reflection/rules/GameClock.h"

namespace reflection {

// The device's clock (UTC) as the rules count time.
ClockTime systemNow();

}  // namespace reflection
