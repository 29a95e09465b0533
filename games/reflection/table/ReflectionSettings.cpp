#include "games/reflection/table/ReflectionSettings.h"

namespace reflection {

namespace {

using namespace gamekit::settings;

constexpr Row kReflection[] = {
    kMinorVersion,
    kMajorVersion,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"DisplayTime", 1),
    flag(L"SoundsOn", 1),
    {L"GameType", Type::Dword, 0, Rule::NonZeroFlag},
    {L"NormalScores", Type::List, 0, Rule::Clamp, 0, 200},
    {L"NormalTimes", Type::List, 999, Rule::Clamp, 0, 999},
    {L"ExpertScores", Type::List, 0, Rule::Clamp, 0, 200},
    {L"ExpertTimes", Type::List, 999, Rule::Clamp, 0, 999},
};

}  // namespace

const gamekit::SettingsTable reflectionSettings = {
    L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Revoviradi",
    L"Software\\Tarnwick Software\\Deckhollow\\Revoviradi", kReflection, countOf(kReflection),
    kStandardTexts};

}  // namespace reflection
