#include "games/pellandine/PellandineSettings.h"

namespace pellandine {

namespace {

using namespace gamekit::settings;

// Pellandine's own spelling of the recovery and version texts.
constexpr gamekit::SettingsTexts kPellandineTexts = {
    "Configuration error.\nRecovering baseline config...!.",
    "Problem:",
    "Version Error. Please deinstall previous version first.",
    "Version Mismatch:",
};

// GameType 0 is dealt as Pairs; the program itself stores 1 to 4.
constexpr Row kPellandine[] = {
    kMinorVersion,
    kMajorVersion,
    kCardBack,
    flag(L"DisplayCardsLeft", 1),
    flag(L"DisplayPrompts", 1),
    flag(L"DisplayDialogs", 1),
    flag(L"SlideChallenge", 0),
    flag(L"SoundsOn", 1),
    {L"GameType", Type::Dword, 4, Rule::Range, 0, 4, 4},
    {L"PairsScores", Type::List, 0},
    {L"Sum10Scores", Type::List, 0},
    {L"Sum11Scores", Type::List, 0},
    {L"Sum14Scores", Type::List, 0},
};

}  // namespace

const wchar_t* const kScoreListNames[4] = {kPellandine[9].name, kPellandine[10].name,
                                           kPellandine[11].name, kPellandine[12].name};

const gamekit::SettingsTable pellandineSettings = {
    L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Pellandine",
    L"Software\\Tarnwick Software\\Deckhollow\\Pellandine", kPellandine, countOf(kPellandine),
    kPellandineTexts};

}  // namespace pellandine
