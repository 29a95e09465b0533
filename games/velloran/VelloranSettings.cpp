#include "games/velloran/VelloranSettings.h"

namespace velloran {

namespace {

using namespace gamekit::settings;

constexpr Row kVelloran[] = {
    kMinorVersion,
    kMajorVersion,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"DisplayCardsInDeck", 0),
    flag(L"Deal10Cards", 1),
    flag(L"HollywoodScoring", 0),
    {L"PointsToWin", Type::Dword, 100, Rule::Either, 100, 300, 100},
    flag(L"DisplayHints", 0),
    animationSpeed(6),
    flag(L"SoundsOn", 1),
    {L"GameType", Type::Dword, 1, Rule::Range, 0, 2, 1},
};

}  // namespace

const gamekit::SettingsTable velloranSettings = {
    L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran",
    L"Software\\Tarnwick Software\\Deckhollow\\Velloran", kVelloran, countOf(kVelloran),
    kStandardTexts};

}  // namespace velloran
