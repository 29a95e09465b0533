#include "games/velloran/table/VelloranOptions.h"

#include "gamekit/settings/SettingsBinding.h"
#include "games/velloran/VelloranSettings.h"

namespace velloran {

namespace {

using gamekit::SettingBinding;
using O = VelloranOptions;

constexpr SettingBinding<O> kBindings[] = {
    {L"CardBack", &O::cardBack},
    {L"DisplayScore", &O::displayScore},
    {L"DisplayCardsInDeck", &O::displayCardsInDeck},
    {L"Deal10Cards", &O::deal10Cards},
    {L"HollywoodScoring", &O::hollywood},
    {L"PointsToWin", &O::pointsToWin},
    {L"DisplayHints", &O::displayHints},
    {L"AnimationSpeed", &O::animationSpeed},
    {L"SoundsOn", &O::soundOn},
    {L"GameType", &O::gameType},
};

}  // namespace

VelloranOptions loadOptions(gamekit::SettingsRecord& record) {
    VelloranOptions o;
    gamekit::readBoundSettings(velloranSettings, record, kBindings, o);
    o.majorVersion = record.words[gamekit::kMajorVersionWord];
    o.minorVersion = record.words[gamekit::kMinorVersionWord];
    return o;
}

void storeOptions(const VelloranOptions& options, gamekit::SettingsRecord& record) {
    gamekit::writeBoundSettings(velloranSettings, record, kBindings, options);
}

Options rulesOptions(const VelloranOptions& o) {
    Options r;
    r.deal10Cards = o.deal10Cards;
    r.hollywood = o.hollywood;
    r.pointsToWin = o.pointsToWin;
    r.level = static_cast<Level>(o.gameType);
    r.hints = o.displayHints;
    return r;
}

}  // namespace velloran
