// Pellandine Solitaire: clear the table of matching groups, in four
// variations.
#include "gamekit/shell/ProgramSettings.h"
#include "gamekit/shell/Shell.h"
#include "games/pellandine/PellandineGame.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/pellandine/ScreenIds.h"

namespace {

const gamekit::ProgramInfo kPellandine = {
    L"PellandineSolitaire",    // window class (the single-instance key)
    "Pellandine Solitaire",    // window title and farewell heading
    "Thank you for playing!",  // farewell text
    25,                        // frame period, ms
    {pellandine::kScreenStartup, pellandine::kScreenAbout},  // Up does not deal here
    2,
    true,   // Left restarts, Right shows the high scores
    false,  // only press and release reach the game
    gamekit::FarewellStyle::SystemBox,  // the Down key says goodbye in a system box
};

gamekit::GameApp* createPellandine() {
    gamekit::SettingsRecord* record = gamekit::loadProgramSettings(pellandine::pellandineSettings);
    if (record == nullptr) return nullptr;
    return new pellandine::PellandineGame(*record);
}

}  // namespace

int main() {
    return gamekit::runProgram(kPellandine, &createPellandine);
}
