#pragma once

#include <cstdint>
#include <vector>

namespace installer {

// The four sound effects, synthesised at 22050 Hz mono. Each is deterministic
// (its noise comes from a fixed seed), normalised to a peak just under full
// scale, and faded in and out so that it starts and ends at zero without a
// click.
std::vector<int16_t> synthShuffle();      // a riffle of many short bursts, about 1 s
std::vector<int16_t> synthButtonClick();  // a very short tick
std::vector<int16_t> synthCardFlick();    // a short filtered-noise flick
std::vector<int16_t> synthKnock();        // two low wooden knocks

// Peak level the effects are normalised to.
constexpr double kPeakLevel = 0.92;

}  // namespace installer
