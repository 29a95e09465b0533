#pragma once

#include <cstdint>
#include <initializer_list>

namespace gamekit {

// How the Down key says goodbye: the message panel drawn over the screen
// (a tap ends the program), or the system's message box.
enum class FarewellStyle { Panel, SystemBox };

// What differs between the programs in the shell, as one row of data.
struct ProgramInfo {
    const wchar_t* className;  // the window class, which is the single-instance key
    const char* title;         // the window's title and the farewell heading
    const char* farewellText;  // what the Down key shows before the program ends
    uint32_t framePeriodMs;    // the main loop's beat
    // Screen states in which the Up key does not start a new game.
    int upIgnoredStates[4];
    int upIgnoredCount;
    bool hasLeftRight;  // the Left and Right keys run the program's commands
    bool hasPenMove;    // drags reach the game's pen-move handler
    FarewellStyle farewell = FarewellStyle::Panel;

    bool ignoresUpIn(int state) const {
        for (int i = 0; i < upIgnoredCount; ++i) {
            if (upIgnoredStates[i] == state) return true;
        }
        return false;
    }
};

}  // namespace gamekit
