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
};

gamekit::GameApp* createPellandine() {
    gamekit::SettingsRecord* record = gamekit::loadProgramSettings(pellandine::pellandineSettings);
    if (record == nullptr) return nullptr;
    return new pellandine::PellandineGame(*record);
}

}  // namespace

int main() {
    // The Down key says goodbye with a system message box rather than the
    // message panel.
    gamekit::setFarewellPanel(&gamekit::showMessageBox);
    return gamekit::runProgram(kPellandine, &createPellandine);
}
