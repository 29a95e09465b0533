#include "games/reflection/table/ReflectionOptions.h"

#include "gamekit/settings/SettingsTable.h"
#include "games/reflection/rules/ReflectionSession.h"

namespace reflection {

namespace {

using gamekit::reflectionSettings;
using gamekit::settingList;
using gamekit::settingValue;

int32_t& value(gamekit::SettingsRecord& record, const wchar_t* name) {
    return settingValue(reflectionSettings, record, name);
}

int32_t* list(gamekit::SettingsRecord& record, const wchar_t* name) {
    return settingList(reflectionSettings, record, name);
}

}  // namespace

ReflectionOptions loadOptions(gamekit::SettingsRecord& record, ReflectionSession& session) {
    ReflectionOptions o;
    const int32_t back = value(record, L"CardBack");
    o.cardBack = back >= 0 && back <= 8 ? back : 5;
    o.displayScore = value(record, L"DisplayScore") == 1;
    o.displayTime = value(record, L"DisplayTime") == 1;
    o.soundOn = value(record, L"SoundsOn") == 1;
    o.expert = value(record, L"GameType") != 0;
    o.majorVersion = record.words[gamekit::kMajorVersionWord];
    o.minorVersion = record.words[gamekit::kMinorVersionWord];
    session.normalList().load(list(record, L"NormalScores"), list(record, L"NormalTimes"));
    session.expertList().load(list(record, L"ExpertScores"), list(record, L"ExpertTimes"));
    return o;
}

void storeOptions(const ReflectionOptions& options, ReflectionSession& session,
                  gamekit::SettingsRecord& record) {
    value(record, L"CardBack") = options.cardBack;
    value(record, L"DisplayScore") = options.displayScore ? 1 : 0;
    value(record, L"DisplayTime") = options.displayTime ? 1 : 0;
    value(record, L"SoundsOn") = options.soundOn ? 1 : 0;
    value(record, L"GameType") = options.expert ? 1 : 0;
    session.normalList().store(list(record, L"NormalScores"), list(record, L"NormalTimes"));
    session.expertList().store(list(record, L"ExpertScores"), list(record, L"ExpertTimes"));
}

}  // namespace reflection
