// reflection ("Vuzurovoro Dazozivad"): the whole deck built onto four
// sequences, each stepping through the ranks by its own interval.

#include "gamekit/shell/ProgramSettings.h"
#include "gamekit/shell/Shell.h"
#include "games/reflection/table/ReflectionSettings.h"
#include "games/reflection/table/ReflectionTable.h"

namespace {

const gamekit::ProgramInfo kReflection = {
    L"Vuzurovoro Dazozivad",                              // window class (the single-instance key)
    "Vuzurovoro Dazozivad",                               // window title and farewell heading
    "Thank you for playing",                              // farewell text
    30,                                                   // frame period, ms
    {reflection::kStateSplash, reflection::kStateAbout},  // Up does not start anew here
    2,
    true,  // Left undoes, Right redoes
    true,  // drags reach the pen-move handler (which ignores them)
};

gamekit::GameApp* createReflection() {
    gamekit::SettingsRecord* record = gamekit::loadProgramSettings(reflection::reflectionSettings);
    if (record == nullptr) return nullptr;
    return new reflection::ReflectionTable(*record);
}

}  // namespace

int main() {
    return gamekit::runProgram(kReflection, &createReflection);
}
