#include "games/cribbage/CribbageSettings.h"

namespace cribbage {

namespace {

using gamekit::SettingRule;
using gamekit::SettingSpec;
using gamekit::SettingType;
using namespace gamekit::settings;

constexpr SettingSpec kCribbage[] = {
    kMinorVersion,
    kMajorVersion,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"SoundsOn", 1),
    flag(L"HelpMsgs", 1),
    {L"ComputerAI", SettingType::Dword, 1, SettingRule::Range, 0, 2, 1},
    {L"RedWins", SettingType::Dword, 0, SettingRule::Range, 0, 5, 0},
    {L"BlueWins", SettingType::Dword, 0, SettingRule::Range, 0, 5, 0},
    flag(L"Tournament", 1),
    {L"HintType", SettingType::Dword, 0, SettingRule::Range, 0, 2, 0},
    animationSpeed(4),
    {L"GameType", SettingType::Dword, 0},  // kept, not used by the game
};

}  // namespace

const gamekit::SettingsTable cribbageSettings = {
    L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Cribbage",
    L"Software\\Tarnwick Software\\Deckhollow\\Cribbage", kCribbage, countOf(kCribbage),
    kStandardTexts};

}  // namespace cribbage
