#include "games/cribbage/rules/StoredOptions.h"

namespace cribbage {

int32_t readCardBack(int32_t stored) {
    return stored >= 0 && stored <= 8 ? stored : 5;
}
int32_t readComputerAI(int32_t stored) {
    return stored >= 0 && stored <= 2 ? stored : 1;
}
int32_t readHintType(int32_t stored) {
    return stored >= 0 && stored <= 2 ? stored : 0;
}
int32_t readSetWins(int32_t stored) {
    return stored >= 0 && stored <= 5 ? stored : 0;
}
int32_t readAnimationSpeed(int32_t stored) {
    return stored >= -1 && stored <= 9 ? stored : 5;
}

StoredOptions repairStoredOptions(const StoredOptions& s) {
    StoredOptions o;
    o.cardBack = readCardBack(s.cardBack);
    o.displayScore = readSwitch(s.displayScore) ? 1 : 0;
    o.soundsOn = readSwitch(s.soundsOn) ? 1 : 0;
    o.helpMsgs = readSwitch(s.helpMsgs) ? 1 : 0;
    o.computerAI = readComputerAI(s.computerAI);
    o.redWins = readSetWins(s.redWins);
    o.blueWins = readSetWins(s.blueWins);
    o.tournament = readSwitch(s.tournament) ? 1 : 0;
    o.hintType = readHintType(s.hintType);
    o.animationSpeed = readAnimationSpeed(s.animationSpeed);
    return o;
}

}  // namespace cribbage
