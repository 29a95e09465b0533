#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "TempDeviceRoot.h"
#include "gamekit/settings/InstallDir.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/settings/SettingsStore.h"
#include "games/cribbage/CribbageSettings.h"
#include "games/pellandine/PellandineSettings.h"
#include "games/reflection/table/ReflectionSettings.h"
#include "games/velloran/VelloranSettings.h"
#include "platform/Registry.h"

using namespace gamekit;
using cribbage::cribbageSettings;
using pellandine::pellandineSettings;
using reflection::reflectionSettings;
using testing_support::TempDeviceRoot;
using velloran::velloranSettings;

namespace {

constexpr const char* kVelloranSection =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran]\n";

// What the start-up showed, in order.
struct Shown {
    std::vector<std::string> panels;  // "heading|text"
    std::vector<std::wstring> boxes;  // "caption|text"
    std::vector<int> exits;
};

class SettingsLoader : public ::testing::Test {
  protected:
    void SetUp() override {
        setDefaultInstallDir();
        installRoot();
        hooks.showPanel = [this](const char* text, const char* heading) {
            shown.panels.push_back(std::string(heading) + "|" + text);
        };
        hooks.showMessageBox = [this](const wchar_t* text, const wchar_t* caption) {
            shown.boxes.push_back(std::wstring(caption) + L"|" + text);
        };
        hooks.shutdown = [this](int code) { shown.exits.push_back(code); };
    }
    void TearDown() override { setDefaultInstallDir(); }

    // What the installer leaves: the directory and its key.
    void installRoot() {
        std::filesystem::create_directories(
            root.file("Program Files/Tarnwick Software/Deckhollow"));
        root.write("registry.reg",
                   "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tarnwick Software, Inc. "
                   "Deckhollow]\n\"InstallDir\"=\"\\\\Program Files\\\\Tarnwick "
                   "Software\\\\Deckhollow\"\n");
    }

    // A new start of the program.
    SettingsLoadResult start(const SettingsTable& table = velloranSettings) {
        TempDeviceRoot::restart();
        shown = Shown();
        std::memset(&record, 0x5A, sizeof record);
        return loadSettings(table, record, hooks);
    }

    // Changes one stored value as another tool would, outside the program:
    // `type` and `bytes` are stored, or the value is deleted when `bytes` is null.
    void change(const wchar_t* path, const wchar_t* name, DWORD type, const void* bytes,
                DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
        ASSERT_EQ(bytes ? RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(bytes), size)
                        : RegDeleteValueW(key, name),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
    void storeDword(const wchar_t* name, DWORD value,
                    const SettingsTable& table = velloranSettings) {
        change(table.key, name, REG_DWORD, &value, 4);
    }
    void storeString(const wchar_t* name, const std::wstring& text,
                     const SettingsTable& table = velloranSettings, const wchar_t* path = nullptr) {
        change(path ? path : table.key, name, REG_SZ, text.c_str(),
               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void deleteValue(const wchar_t* path, const wchar_t* name) {
        change(path, name, 0, nullptr, 0);
    }
    int32_t value(const wchar_t* name, const SettingsTable& table = velloranSettings) {
        return settingValue(table, record, name);
    }

    TempDeviceRoot root;
    SettingsStartupHooks hooks;
    Shown shown;
    SettingsRecord record;
};

}  // namespace

TEST_F(SettingsLoader, FirstStartWritesEveryDefaultSilently) {
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    EXPECT_TRUE(shown.panels.empty());
    EXPECT_TRUE(shown.boxes.empty());
    std::string file = root.read("registry.reg");
    EXPECT_NE(file.find(std::string(kVelloranSection) + "\"MinorVersion\"=dword:00000000\n"
                                                        "\"MajorVersion\"=dword:00000002\n"
                                                        "\"CardBack\"=dword:00000005\n"
                                                        "\"DisplayScore\"=dword:00000001\n"
                                                        "\"DisplayCardsInDeck\"=dword:00000000\n"
                                                        "\"Deal10Cards\"=dword:00000001\n"
                                                        "\"HollywoodScoring\"=dword:00000000\n"
                                                        "\"PointsToWin\"=dword:00000064\n"
                                                        "\"DisplayHints\"=dword:00000000\n"
                                                        "\"AnimationSpeed\"=dword:00000006\n"
                                                        "\"SoundsOn\"=dword:00000001\n"
                                                        "\"GameType\"=dword:00000001\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("InstallDir"), std::string::npos);  // the installer's key is kept
    EXPECT_TRUE(installDirKnown);

    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    EXPECT_TRUE(shown.panels.empty());
    EXPECT_EQ(value(L"PointsToWin"), 100);
    EXPECT_EQ(value(L"AnimationSpeed"), 6);
    EXPECT_EQ(value(L"MajorVersion"), 2);
    EXPECT_EQ(record.words[12], 0);  // past the table
}

TEST_F(SettingsLoader, FirstStartOfTheSolitairesWritesTheirLists) {
    ASSERT_EQ(start(reflectionSettings), SettingsLoadResult::Loaded);
    std::string file = root.read("registry.reg");
    EXPECT_NE(file.find("\"NormalScores\"=\"0 0 0 0 0 0 0 0 0 0 \"\n"
                        "\"NormalTimes\"=\"999 999 999 999 999 999 999 999 999 999 \"\n"),
              std::string::npos)
        << file;
    ASSERT_EQ(start(pellandineSettings), SettingsLoadResult::Loaded);
    storeString(L"Sum11Scores", L"52 40 38 0 0 0 0 0 0 0 ", pellandineSettings);
    ASSERT_EQ(start(pellandineSettings), SettingsLoadResult::Loaded);
    EXPECT_TRUE(shown.panels.empty());
    int32_t* list = settingList(pellandineSettings, record, L"Sum11Scores");
    EXPECT_EQ(list[0], 52);
    EXPECT_EQ(list[1], 40);
    EXPECT_EQ(list[2], 38);
    EXPECT_EQ(list[9], 0);
    ASSERT_EQ(start(reflectionSettings), SettingsLoadResult::Loaded);  // other keys untouched
    EXPECT_TRUE(shown.panels.empty());
    EXPECT_EQ(settingList(reflectionSettings, record, L"ExpertTimes")[4], 999);
}

TEST_F(SettingsLoader, AMissingValueRewritesTheKeyWithDefaultsAndShowsRecovery) {
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    ASSERT_EQ(start(cribbageSettings), SettingsLoadResult::Loaded);
    storeDword(L"RedWins", 3, cribbageSettings);
    storeDword(L"CardBack", 3);
    storeDword(L"Frozen", 9);  // not one of the table's: goes with the key
    deleteValue(velloranSettings.key, L"SoundsOn");

    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    ASSERT_EQ(shown.panels.size(), 1u);  // and no version panel: major is 2
    EXPECT_EQ(shown.panels[0], "Problem:|Configuration Error.\nRecovering baseline config...!");
    EXPECT_EQ(value(L"CardBack"), 5);
    EXPECT_EQ(value(L"SoundsOn"), 1);
    std::string file = root.read("registry.reg");
    EXPECT_EQ(file.find("Frozen"), std::string::npos);
    EXPECT_NE(file.find("\"SoundsOn\"=dword:00000001"), std::string::npos);

    ASSERT_EQ(start(cribbageSettings), SettingsLoadResult::Loaded);
    EXPECT_EQ(value(L"RedWins", cribbageSettings), 3);  // another program's key is kept
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    EXPECT_TRUE(shown.panels.empty());
}

TEST_F(SettingsLoader, UnreadableValuesTakeTheRepairPath) {
    struct Damage {
        const SettingsTable* table;
        const wchar_t* name;
        std::wstring text;  // stored as a string
    };
    const Damage damages[] = {
        {&velloranSettings, L"PointsToWin", L"100"},                        // wrong type
        {&pellandineSettings, L"PairsScores", L"1 2 3 4 5 6 7 8 9"},        // nine numbers
        {&pellandineSettings, L"Sum10Scores", L"1 2 3 4 5 6 7 8 9 10 11"},  // eleven
        {&reflectionSettings, L"NormalTimes", L"1 2 3 4 5 6 7 8 9 x"},
        {&reflectionSettings, L"ExpertScores", L"1 2 3 4 5 6 7 8 9 99999999999"},
        {&reflectionSettings, L"NormalScores", std::wstring(120, L'7')},  // longer than the buffer
    };
    for (const Damage& damage : damages) {
        ASSERT_EQ(start(*damage.table), SettingsLoadResult::Loaded);
        storeString(damage.name, damage.text, *damage.table);
        ASSERT_EQ(start(*damage.table), SettingsLoadResult::Loaded);
        ASSERT_EQ(shown.panels.size(), 1u) << std::wstring(damage.name).size();
        EXPECT_EQ(shown.panels[0].rfind("Problem:|Configuration ", 0), 0u);
        int offset = 0;
        for (int s = 0; s < damage.table->count; ++s) {
            for (int k = 0; k < damage.table->rows[s].words(); ++k, ++offset) {
                EXPECT_EQ(record.words[offset], damage.table->rows[s].defaultValue);
            }
        }
    }
    ASSERT_EQ(start(pellandineSettings), SettingsLoadResult::Loaded);
    storeDword(L"Sum14Scores", 3, pellandineSettings);  // a number where a list belongs
    ASSERT_EQ(start(pellandineSettings), SettingsLoadResult::Loaded);
    ASSERT_EQ(shown.panels.size(), 1u);
    EXPECT_EQ(shown.panels[0], "Problem:|Configuration error.\nRecovering baseline config...!.");
}

TEST_F(SettingsLoader, VersionRules) {
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    storeDword(L"MajorVersion", 1);
    for (int i = 0; i < 2; ++i) {  // once per start, and the program goes on
        ASSERT_EQ(start(), SettingsLoadResult::Loaded);
        ASSERT_EQ(shown.panels.size(), 1u);
        EXPECT_EQ(shown.panels[0],
                  "Version Mismatch:|Version Error. Please deinstall previous version first!");
        EXPECT_EQ(value(L"MajorVersion"), 1);
    }
    storeDword(L"MajorVersion", 0);
    storeDword(L"MinorVersion", static_cast<DWORD>(-3));
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    EXPECT_TRUE(shown.panels.empty());
    EXPECT_EQ(value(L"MajorVersion"), 2);
    EXPECT_EQ(value(L"MinorVersion"), 0);
    storeDword(L"MajorVersion", 7);
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    EXPECT_TRUE(shown.panels.empty());
    EXPECT_EQ(value(L"MajorVersion"), 7);

    ASSERT_EQ(start(pellandineSettings), SettingsLoadResult::Loaded);
    storeDword(L"MajorVersion", 1, pellandineSettings);
    ASSERT_EQ(start(pellandineSettings), SettingsLoadResult::Loaded);
    ASSERT_EQ(shown.panels.size(), 1u);
    EXPECT_EQ(shown.panels[0],
              "Version Mismatch:|Version Error. Please deinstall previous version first.");
}

TEST_F(SettingsLoader, OutOfRangeValuesAreTakenByTheRulesAndStoredCorrected) {
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    storeDword(L"PointsToWin", 250);
    storeDword(L"AnimationSpeed", 12);
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    EXPECT_TRUE(shown.panels.empty());
    EXPECT_EQ(value(L"PointsToWin"), 250);  // as stored, until the controller takes it
    EXPECT_TRUE(applyRules(velloranSettings, record));
    EXPECT_EQ(value(L"PointsToWin"), 100);
    EXPECT_EQ(value(L"AnimationSpeed"), 5);
    ASSERT_TRUE(saveSettings(velloranSettings, record));
    EXPECT_NE(root.read("registry.reg").find("\"PointsToWin\"=dword:00000064"), std::string::npos);

    storeDword(L"AnimationSpeed", static_cast<DWORD>(-1));
    ASSERT_EQ(start(), SettingsLoadResult::Loaded);
    EXPECT_FALSE(applyRules(velloranSettings, record));
    EXPECT_EQ(value(L"AnimationSpeed"), -1);
    EXPECT_EQ(value(L"PointsToWin"), 100);
}

TEST_F(SettingsLoader, AMissingInstallDirectoryEndsTheStartAfterTheSettings) {
    deleteValue(kInstallDirKey, kInstallDirValue);
    EXPECT_EQ(start(), SettingsLoadResult::InstallDirMissing);
    ASSERT_EQ(shown.boxes.size(), 1u);
    EXPECT_EQ(shown.boxes[0], L"Problem:|Configuration Error. Please reinstall application!");
    EXPECT_EQ(shown.exits, std::vector<int>{1});
    EXPECT_FALSE(installDirKnown);
    EXPECT_NE(root.read("registry.reg").find(kVelloranSection), std::string::npos);
}

TEST_F(SettingsLoader, OnlyASaneExistingInstallDirectoryCounts) {
    std::filesystem::create_directories(root.file("Games/Deck"));
    const std::wstring refused[] = {
        L"",                      // empty
        L"\\Nowhere",             // no such directory
        L"\\Games\\..\\..",       // leaves the root
        std::wstring(200, L'x'),  // longer than the buffer
        L"\\registry.reg",        // a file, not a directory
    };
    for (const std::wstring& text : refused) {
        storeString(kInstallDirValue, text, velloranSettings, kInstallDirKey);
        EXPECT_FALSE(readInstallDir()) << text.size();
        EXPECT_STREQ(installDir, kDefaultInstallDir);
    }
    const DWORD number = 5;
    change(kInstallDirKey, kInstallDirValue, REG_DWORD, &number, 4);
    EXPECT_FALSE(readInstallDir());
    storeString(kInstallDirValue, L"\\games\\DECK", velloranSettings, kInstallDirKey);
    EXPECT_TRUE(readInstallDir());
    EXPECT_TRUE(installDirKnown);
    EXPECT_STREQ(installDir, L"\\games\\DECK");
}

TEST_F(SettingsLoader, DefaultsThatCannotBeWrittenAreReported) {
    std::filesystem::create_directories(root.file("registry.lock"));  // no write can take the lock
    EXPECT_EQ(start(), SettingsLoadResult::WriteFailed);
    ASSERT_EQ(shown.boxes.size(), 1u);
    // The box names the file and the error on a line of its own.
    EXPECT_EQ(shown.boxes[0], std::wstring(L"Problem:|") + kSettingsWriteFailedText + L"\n" +
                                  std::wstring(root.path().begin(), root.path().end()) +
                                  L"/registry.lock: Is a directory");
    EXPECT_EQ(shown.exits, std::vector<int>{1});
}

TEST_F(SettingsLoader, TheRecordIsAllocatedOnceAndZeroed) {
    SettingsRecord* first = allocateSettingsRecord(hooks);
    ASSERT_NE(first, nullptr);
    for (int32_t word : first->words) EXPECT_EQ(word, 0);
    EXPECT_EQ(allocateSettingsRecord(hooks), first);
    EXPECT_EQ(settingsRecord, first);
    EXPECT_TRUE(shown.boxes.empty());
}

TEST_F(SettingsLoader, EveryListTheWriterWritesTheReaderTakes) {
    // Ten of the longest numbers: 120 characters and the terminator.
    ASSERT_EQ(start(pellandineSettings), SettingsLoadResult::Loaded);
    int32_t* list = settingList(pellandineSettings, record, L"PairsScores");
    for (int i = 0; i < SettingRow::kListLength; ++i) list[i] = i % 2 ? INT32_MIN : INT32_MAX;
    ASSERT_TRUE(writeAllSettings(pellandineSettings, record));
    EXPECT_EQ(formatSettingsList(list).size(), 115u);
    for (int i = 0; i < SettingRow::kListLength; ++i) list[i] = INT32_MIN;
    EXPECT_EQ(formatSettingsList(list).size(), 120u);
    ASSERT_TRUE(writeAllSettings(pellandineSettings, record));
    TempDeviceRoot::restart();
    SettingsRecord read;
    ASSERT_TRUE(readAllSettings(pellandineSettings, read));
    for (int i = 0; i < SettingRow::kListLength; ++i) {
        EXPECT_EQ(settingList(pellandineSettings, read, L"PairsScores")[i], INT32_MIN);
    }
    // Longer than any list the writer makes: still not one of ours.
    storeString(L"PairsScores", std::wstring(130, L' ') + L"1 2 3 4 5 6 7 8 9 10 ",
                pellandineSettings);
    TempDeviceRoot::restart();
    EXPECT_FALSE(readAllSettings(pellandineSettings, read));
}
