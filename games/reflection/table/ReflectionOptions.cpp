#include "games/reflection/table/ReflectionOptions.h"

#include "gamekit/settings/SettingsBinding.h"
#include "games/reflection/rules/ReflectionSession.h"
#include "games/reflection/table/ReflectionSettings.h"

namespace reflection {

namespace {

using gamekit::SettingBinding;

// The options each value of the table fills; the lists go to the session.
constexpr SettingBinding<ReflectionOptions> kBindings[] = {
    {L"CardBack", &ReflectionOptions::cardBack},
    {L"DisplayScore", &ReflectionOptions::displayScore},
    {L"DisplayTime", &ReflectionOptions::displayTime},
    {L"SoundsOn", &ReflectionOptions::soundOn},
    {L"GameType", &ReflectionOptions::expert},
};

int32_t* list(gamekit::SettingsRecord& record, const wchar_t* name) {
    return gamekit::settingList(reflectionSettings, record, name);
}

}  // namespace

ReflectionOptions loadOptions(gamekit::SettingsRecord& record, ReflectionSession& session) {
    ReflectionOptions o;
    gamekit::readBoundSettings(reflectionSettings, record, kBindings, o);
    o.majorVersion = record.words[gamekit::kMajorVersionWord];
    o.minorVersion = record.words[gamekit::kMinorVersionWord];
    session.normalList().load(list(record, L"NormalScores"), list(record, L"NormalTimes"));
    session.expertList().load(list(record, L"ExpertScores"), list(record, L"ExpertTimes"));
    return o;
}

void storeOptions(const ReflectionOptions& options, ReflectionSession& session,
                  gamekit::SettingsRecord& record) {
    gamekit::writeBoundSettings(reflectionSettings, record, kBindings, options);
    session.normalList().store(list(record, L"NormalScores"), list(record, L"NormalTimes"));
    session.expertList().store(list(record, L"ExpertScores"), list(record, L"ExpertTimes"));
}

}  // namespace reflection
