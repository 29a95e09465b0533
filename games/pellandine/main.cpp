// Pellandine Solitaire: clear the table of matching groups, in four
// variations.
#include "gamekit/shell/ProgramSettings.h"
#include "gamekit/shell/Shell.h"
#include "games/pellandine/PellandineGame.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/pellandine/ScreenIds.h"
#include "platform/Windows.h"

namespace {

const gamekit::ProgramInfo kPellandine = {
    L"PellandineSolitaire",                                  // window class (the single-instance key)
    "Pellandine Solitaire",                                  // window title and farewell heading
    "Thank you for playing!",                                // farewell text
    25,                                                      // frame period, ms
    {pellandine::kScreenStartup, pellandine::kScreenAbout},  // Up does not deal here
    2,
    true,   // Left restarts, Right shows the high scores
    false,  // only press and release reach the game
};

// The Down key says goodbye with a system message box rather than the
// message panel.
void farewellBox(const char* text, const char* heading) {
    wchar_t wideText[64] = {};
    wchar_t wideHeading[64] = {};
    for (int i = 0; text[i] != '\0' && i < 63; ++i)
        wideText[i] = static_cast<unsigned char>(text[i]);
    for (int i = 0; heading[i] != '\0' && i < 63; ++i) {
        wideHeading[i] = static_cast<unsigned char>(heading[i]);
    }
    MessageBoxW(nullptr, wideText, wideHeading, MB_OK);
}

gamekit::GameApp* createPellandine() {
    gamekit::SettingsRecord* record = gamekit::loadProgramSettings(pellandine::pellandineSettings);
    if (record == nullptr) return nullptr;
    return new pellandine::PellandineGame(*record);
}

}  // namespace

int main() {
    gamekit::setFarewellPanel(&farewellBox);
    return gamekit::runProgram(kPellandine, &createPellandine);
}
