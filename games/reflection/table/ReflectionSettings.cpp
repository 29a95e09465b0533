#include "games/reflection/table/ReflectionSettings.h"

namespace reflection {

namespace {

using gamekit::SettingRule;
using gamekit::SettingSpec;
using gamekit::SettingType;
using namespace gamekit::settings;

constexpr SettingSpec kReflection[] = {
    kMinorVersion,
    kMajorVersion,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"DisplayTime", 1),
    flag(L"SoundsOn", 1),
    {L"GameType", SettingType::Dword, 0, SettingRule::NonZeroFlag},
    {L"NormalScores", SettingType::List, 0, SettingRule::Clamp, 0, 200},
    {L"NormalTimes", SettingType::List, 999, SettingRule::Clamp, 0, 999},
    {L"ExpertScores", SettingType::List, 0, SettingRule::Clamp, 0, 200},
    {L"ExpertTimes", SettingType::List, 999, SettingRule::Clamp, 0, 999},
};

}  // namespace

const gamekit::SettingsTable reflectionSettings = {
    L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Revoviradi",
    L"Software\\Tarnwick Software\\Deckhollow\\Revoviradi", kReflection, countOf(kReflection),
    kStandardTexts};

}  // namespace reflection
