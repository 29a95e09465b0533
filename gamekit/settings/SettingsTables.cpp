#include <cwchar>

#include "gamekit/containers/FatalError.h"
#include "gamekit/settings/SettingsTable.h"

namespace gamekit {

namespace {

using T = SettingType;
using R = SettingRule;

constexpr SettingsTexts kStandardTexts = {
    "Configuration Error.\nRecovering baseline config...!",
    "Problem:",
    "Version Error. Please deinstall previous version first!",
    "Version Mismatch:",
};

constexpr SettingsTexts kPellandineTexts = {
    "Configuration error.\nRecovering baseline config...!.",
    "Problem:",
    "Version Error. Please deinstall previous version first.",
    "Version Mismatch:",
};

// The card theme index of every program: one of the nine themes, else 5.
constexpr SettingSpec kCardBack = {L"CardBack", T::Dword, 5, R::Range, 0, 8, 5};
constexpr SettingSpec kMinor = {L"MinorVersion", T::Dword, 0};
constexpr SettingSpec kMajor = {L"MajorVersion", T::Dword, 2};

constexpr SettingSpec flag(const wchar_t* name, int32_t initial) {
    return {name, T::Dword, initial, R::Flag};
}
constexpr SettingSpec animationSpeed(int32_t initial) {
    return {L"AnimationSpeed", T::Dword, initial, R::Range, -1, 9, 5};
}

constexpr SettingSpec kVelloran[] = {
    kMinor,
    kMajor,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"DisplayCardsInDeck", 0),
    flag(L"Deal10Cards", 1),
    flag(L"HollywoodScoring", 0),
    {L"PointsToWin", T::Dword, 100, R::Either, 100, 300, 100},
    flag(L"DisplayHints", 0),
    animationSpeed(6),
    flag(L"SoundsOn", 1),
    {L"GameType", T::Dword, 1, R::Range, 0, 2, 1},
};

constexpr SettingSpec kCribbage[] = {
    kMinor,
    kMajor,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"SoundsOn", 1),
    flag(L"HelpMsgs", 1),
    {L"ComputerAI", T::Dword, 1, R::Range, 0, 2, 1},
    {L"RedWins", T::Dword, 0, R::Range, 0, 5, 0},
    {L"BlueWins", T::Dword, 0, R::Range, 0, 5, 0},
    flag(L"Tournament", 1),
    {L"HintType", T::Dword, 0, R::Range, 0, 2, 0},
    animationSpeed(4),
    {L"GameType", T::Dword, 0},  // kept, not used by the game
};

// GameType 0 is dealt as Pairs; the program itself stores 1 to 4.
constexpr SettingSpec kPellandine[] = {
    kMinor,
    kMajor,
    kCardBack,
    flag(L"DisplayCardsLeft", 1),
    flag(L"DisplayPrompts", 1),
    flag(L"DisplayDialogs", 1),
    flag(L"SlideChallenge", 0),
    flag(L"SoundsOn", 1),
    {L"GameType", T::Dword, 4, R::Range, 0, 4, 4},
    {L"PairsScores", T::List, 0},
    {L"Sum10Scores", T::List, 0},
    {L"Sum11Scores", T::List, 0},
    {L"Sum14Scores", T::List, 0},
};

constexpr SettingSpec kReflection[] = {
    kMinor,
    kMajor,
    kCardBack,
    flag(L"DisplayScore", 1),
    flag(L"DisplayTime", 1),
    flag(L"SoundsOn", 1),
    {L"GameType", T::Dword, 0, R::NonZeroFlag},
    {L"NormalScores", T::List, 0, R::Clamp, 0, 200},
    {L"NormalTimes", T::List, 999, R::Clamp, 0, 999},
    {L"ExpertScores", T::List, 0, R::Clamp, 0, 200},
    {L"ExpertTimes", T::List, 999, R::Clamp, 0, 999},
};

constexpr SettingSpec kGallery[] = {
    kMinor,
    kMajor,
    kCardBack,
    flag(L"SoundsOn", 1),
    animationSpeed(6),
    flag(L"DisplayHints", 0),
    flag(L"DisplayScore", 1),
};

template <size_t N>
constexpr int countOf(const SettingSpec (&)[N]) {
    return static_cast<int>(N);
}

}  // namespace

const SettingsTable velloranSettings = {L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran",
                                        L"Software\\Tarnwick Software\\Deckhollow\\Velloran",
                                        kVelloran, countOf(kVelloran), kStandardTexts};
const SettingsTable cribbageSettings = {L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Cribbage",
                                        L"Software\\Tarnwick Software\\Deckhollow\\Cribbage",
                                        kCribbage, countOf(kCribbage), kStandardTexts};
const SettingsTable pellandineSettings = {L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Pellandine",
                                          L"Software\\Tarnwick Software\\Deckhollow\\Pellandine",
                                          kPellandine, countOf(kPellandine), kPellandineTexts};
const SettingsTable reflectionSettings = {L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Revoviradi",
                                          L"Software\\Tarnwick Software\\Deckhollow\\Revoviradi",
                                          kReflection, countOf(kReflection), kStandardTexts};
const SettingsTable gallerySettings = {L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Gallery",
                                       L"Software\\Tarnwick Software\\Deckhollow\\Gallery",
                                       kGallery, countOf(kGallery), kStandardTexts};

int32_t SettingSpec::take(int32_t stored) const {
    switch (rule) {
        case SettingRule::Any:
            return stored;
        case SettingRule::Flag:
            return stored == 1 ? 1 : 0;
        case SettingRule::NonZeroFlag:
            return stored != 0 ? 1 : 0;
        case SettingRule::Range:
            return stored >= low && stored <= high ? stored : fallback;
        case SettingRule::Either:
            return stored == low || stored == high ? stored : fallback;
        case SettingRule::Clamp:
            return stored < low ? low : stored > high ? high : stored;
    }
    return stored;
}

int SettingsTable::words() const {
    int total = 0;
    for (int i = 0; i < count; ++i) total += specs[i].words();
    return total;
}

int SettingsTable::offsetOf(const wchar_t* name) const {
    int offset = 0;
    for (int i = 0; i < count; ++i) {
        if (std::wcscmp(specs[i].name, name) == 0) return offset;
        offset += specs[i].words();
    }
    fatalError("SettingsTable: no such value!");
}

}  // namespace gamekit
