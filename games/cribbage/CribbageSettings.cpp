#include "games/cribbage/CribbageSettings.h"

namespace cribbage {

namespace {

using namespace gamekit::settings;

constexpr Row kCribbage[] = {
    kMinorVersion,
    kMajorVersion,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"SoundsOn", 1),
    flag(L"HelpMsgs", 1),
    {L"ComputerAI", Type::Dword, 1, Rule::Range, 0, 2, 1},
    {L"RedWins", Type::Dword, 0, Rule::Range, 0, 5, 0},
    {L"BlueWins", Type::Dword, 0, Rule::Range, 0, 5, 0},
    flag(L"Tournament", 1),
    {L"HintType", Type::Dword, 0, Rule::Range, 0, 2, 0},
    animationSpeed(4),
    {L"GameType", Type::Dword, 0},  // kept, not used by the game
};

}  // namespace

const gamekit::SettingsTable cribbageSettings = {
    L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Cribbage",
    L"Software\\Tarnwick Software\\Deckhollow\\Cribbage", kCribbage, countOf(kCribbage),
    kStandardTexts};

}  // namespace cribbage
