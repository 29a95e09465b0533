// Velloran: rummy for two, the person against the computer, to 100 or 300
// points, plainly or in three Hollywood columns.

#include "gamekit/shell/ProgramSettings.h"
#include "gamekit/shell/Shell.h"
#include "games/velloran/VelloranSettings.h"
#include "games/velloran/table/GameTable.h"

namespace {

const gamekit::ProgramInfo kVelloran = {
    L"Velloran",                                           // window class (the single-instance key)
    "Velloran",                                            // window title and farewell heading
    "Thank you for playing",                               // farewell text
    30,                                                    // frame period, ms
    {velloran::kScreenSplash, velloran::kScreenAbout},     // Up does not start anew here
    2,
    false,  // no Left and Right commands
    true,   // drags reach the pen-move handler (which ignores them)
};

gamekit::GameApp* createVelloran() {
    gamekit::SettingsRecord* record = gamekit::loadProgramSettings(velloran::velloranSettings);
    if (record == nullptr) return nullptr;
    return new velloran::GameTable(*record);
}

}  // namespace

int main() {
    return gamekit::runProgram(kVelloran, &createVelloran);
}
