#pragma once

namespace pellandine {

// The program's screen numbers: what is drawn and where a tap goes.
enum Screen : int {
    kScreenTable = 0,       // the table before the first game
    kScreenStartup = 1,     // the start-up picture; a tap leads to the table
    kScreenDealing = 2,     // a game just dealt: drawn once with the deal flying in
    kScreenPlaying = 3,     // the table during play
    kScreenHighScores = 4,  // the current variation's list
    kScreenAppearance = 5,  // Configure Appearance
    kScreenAbout = 6,
    kScreenRules = 7,
    kScreenSettings = 8,  // Game Settings: variation and refill mode
    kScreenHelp = 9,
    kScreenGameOver = 10,  // the table after a win
};

// The screens that show the table and take taps on it.
inline bool isTableScreen(int screen) {
    return screen == kScreenTable || screen == kScreenDealing || screen == kScreenPlaying ||
           screen == kScreenGameOver;
}

}  // namespace pellandine
