// cribbage: the person (Red) against the computer (Blue), single games to
// 121 points or sets of games to five wins.

#include "gamekit/shell/ProgramSettings.h"
#include "gamekit/shell/Shell.h"
#include "games/cribbage/CribbageSettings.h"
#include "games/cribbage/rules/CribbageGame.h"
#include "games/cribbage/table/CribbageTable.h"

namespace {

const gamekit::ProgramInfo kCribbage = {
    L"Cribbage",              // window class (the single-instance key)
    "Cribbage",               // window title and farewell heading
    "Thank you for playing",  // farewell text
    30,                       // frame period, ms
    {static_cast<int>(cribbage::GameState::Splash), static_cast<int>(cribbage::GameState::About)},
    2,
    false,  // no Left and Right commands
    false,  // drags are not used
};

gamekit::GameApp* createCribbage() {
    gamekit::SettingsRecord* record = gamekit::loadProgramSettings(cribbage::cribbageSettings);
    if (record == nullptr) return nullptr;
    return new cribbage::CribbageTable(*record);
}

}  // namespace

int main() {
    return gamekit::runProgram(kCribbage, &createCribbage);
}
