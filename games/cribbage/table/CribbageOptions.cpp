#include "games/cribbage/table/CribbageOptions.h"

#include "gamekit/settings/SettingsBinding.h"
#include "games/cribbage/CribbageSettings.h"

namespace cribbage {

namespace {

using gamekit::SettingBinding;

// The option each value of the table fills; GameType is kept as stored.
constexpr SettingBinding<CribbageOptions> kBindings[] = {
    {L"CardBack", &CribbageOptions::cardBack},
    {L"DisplayScore", &CribbageOptions::displayScore},
    {L"SoundsOn", &CribbageOptions::soundOn},
    {L"HelpMsgs", &CribbageOptions::learningMessages},
    {L"ComputerAI", &CribbageOptions::computerAI},
    {L"RedWins", &CribbageOptions::redWins},
    {L"BlueWins", &CribbageOptions::blueWins},
    {L"Tournament", &CribbageOptions::multipleGames},
    {L"HintType", &CribbageOptions::hintType},
    {L"AnimationSpeed", &CribbageOptions::animationSpeed},
};

}  // namespace

GameOptions CribbageOptions::gameOptions() const {
    GameOptions o;
    o.computerAI = computerAI;
    o.hintType = hintType;
    o.learningMessages = learningMessages;
    o.multipleGames = multipleGames;
    return o;
}

CribbageOptions loadOptions(gamekit::SettingsRecord& record) {
    CribbageOptions o;
    gamekit::readBoundSettings(cribbageSettings, record, kBindings, o);
    o.majorVersion = record.words[gamekit::kMajorVersionWord];
    o.minorVersion = record.words[gamekit::kMinorVersionWord];
    return o;
}

void storeOptions(const CribbageOptions& options, gamekit::SettingsRecord& record) {
    gamekit::writeBoundSettings(cribbageSettings, record, kBindings, options);
}

}  // namespace cribbage
