#pragma once

#include <cstdint>

namespace cribbage {

// The program's stored option values as they are read back, each repaired by
// its own rule so a damaged or foreign value never reaches the game.
struct StoredOptions {
    int32_t cardBack = 5;        // theme index 0..8
    int32_t displayScore = 1;    // switches: 1 on, anything else off
    int32_t soundsOn = 1;
    int32_t helpMsgs = 1;
    int32_t computerAI = 1;      // 0 Beginning, 1 Standard, 2 Expert
    int32_t redWins = 0;         // 0..5
    int32_t blueWins = 0;
    int32_t tournament = 1;
    int32_t hintType = 0;        // 0 None, 1 Standard Advice, 2 Expert Advice
    int32_t animationSpeed = 4;  // -1 none, 0..9 slow to fast
};

// The theme index is stored as it is used, 0 to 8, as in the other
// programs, so the first theme survives a restart; anything else reads as 5.
int32_t readCardBack(int32_t stored);
int32_t readComputerAI(int32_t stored);
int32_t readHintType(int32_t stored);
int32_t readSetWins(int32_t stored);
int32_t readAnimationSpeed(int32_t stored);
inline bool readSwitch(int32_t stored) {
    return stored == 1;
}

// Every value with its rule applied.
StoredOptions repairStoredOptions(const StoredOptions& stored);

}  // namespace cribbage
