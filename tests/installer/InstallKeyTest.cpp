#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cwchar>
#include <fstream>
#include <string>

#include "FileReaders.h"
#include "TempRoot.h"
#include "gamekit/settings/InstallDir.h"
#include "platform/Device.h"
#include "platform/Registry.h"
#include "platform/RegistryStore.h"
#include "tools/installer/InstallKey.h"
#include "tools/installer/Installer.h"

using test_files::readBytes;
using test_files::runInstall;
using test_files::TempRoot;

namespace {

std::string registryText(const TempRoot& root) {
    const std::vector<uint8_t> bytes = readBytes(root.path() + "/registry.reg");
    return std::string(bytes.begin(), bytes.end());
}

// Reads a value the way a program does: from the file, not from this
// process's cached view.
bool queryString(const wchar_t* keyPath, const wchar_t* name, std::wstring& text) {
    platform::registry::discardRegistryForTesting();
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    wchar_t buffer[200] = {};
    DWORD type = REG_NONE, size = sizeof buffer;
    const LONG result =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    text = buffer;
    return result == ERROR_SUCCESS && type == REG_SZ;
}

bool queryNumber(const wchar_t* keyPath, const wchar_t* name, DWORD& number) {
    platform::registry::discardRegistryForTesting();
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = REG_NONE, size = sizeof number;
    const LONG result =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD;
}

}  // namespace

TEST(InstallKey, AFreshInstallSetsTheDirectoryTheProgramsRead) {
    TempRoot root;
    const installer::InstallReport report = runInstall(root);
    ASSERT_TRUE(report.ok()) << report.firstError;
    EXPECT_TRUE(report.keySet);
    EXPECT_NE(report.summary().find("set InstallDir"), std::string::npos) << report.summary();
    std::wstring text;
    ASSERT_TRUE(queryString(gamekit::kInstallDirKey, L"InstallDir", text));
    EXPECT_EQ(text, L"\\Program Files\\Tarnwick Software\\Deckhollow");
    EXPECT_NE(registryText(root).find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tarnwick Software, "
                                      "Inc. Deckhollow]"),
              std::string::npos);
    // The programs' own reader takes it: the value names an existing
    // directory under the root.
    platform::registry::discardRegistryForTesting();
    EXPECT_TRUE(gamekit::readInstallDir());
    EXPECT_TRUE(gamekit::installDirKnown);
    gamekit::setDefaultInstallDir();
}

TEST(InstallKey, EveryOtherValueIsKept) {
    TempRoot root;
    {
        std::ofstream out(root.path() + "/registry.reg");
        out << "REGEDIT4\n\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tarnwick Software, Inc. Deckhollow]\n"
               "\"Publisher\"=\"Tarnwick\"\n"
               "\"InstallDir\"=\"\\\\Elsewhere\"\n\n"
               "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran]\n"
               "\"CardBack\"=dword:00000007\n";
    }
    platform::setDeviceRootForTesting(root.path());
    platform::registry::discardRegistryForTesting();
    ASSERT_TRUE(runInstall(root, true).ok());
    std::wstring text;
    ASSERT_TRUE(queryString(gamekit::kInstallDirKey, L"InstallDir", text));
    EXPECT_EQ(text, L"\\Program Files\\Tarnwick Software\\Deckhollow");
    ASSERT_TRUE(queryString(gamekit::kInstallDirKey, L"Publisher", text));
    EXPECT_EQ(text, L"Tarnwick");
    DWORD cardBack = 0;
    ASSERT_TRUE(
        queryNumber(L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran", L"CardBack", cardBack));
    EXPECT_EQ(cardBack, 7u);
}

TEST(InstallKey, IfMissingSetsAMissingKeyEvenWhenEveryFileIsThere) {
    TempRoot root;
    ASSERT_TRUE(runInstall(root).ok());
    platform::registry::discardRegistryForTesting();
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, gamekit::kInstallDirKey, 0, KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteValueW(key, L"InstallDir"), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    platform::registry::discardRegistryForTesting();
    EXPECT_FALSE(installer::installDirIsSet());

    const installer::InstallReport report = runInstall(root, true);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.written, 0);
    EXPECT_TRUE(report.keySet);
    std::wstring text;
    EXPECT_TRUE(queryString(gamekit::kInstallDirKey, L"InstallDir", text));
}

TEST(InstallKey, ASecondRunLeavesTheRegistryFileAlone) {
    TempRoot root;
    ASSERT_TRUE(runInstall(root).ok());
    struct stat before {};
    ASSERT_EQ(stat((root.path() + "/registry.reg").c_str(), &before), 0);
    const std::string text = registryText(root);
    platform::registry::discardRegistryForTesting();
    for (bool ifMissing : {true, false}) {
        const installer::InstallReport again = runInstall(root, ifMissing);
        EXPECT_FALSE(again.keySet);
        struct stat after {};
        ASSERT_EQ(stat((root.path() + "/registry.reg").c_str(), &after), 0);
        EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
        EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
        EXPECT_EQ(registryText(root), text);
    }
}

TEST(InstallKey, AFailureIsReportedAsAFailureAndSetsNoKey) {
    TempRoot root;
    // "Program Files" exists as a plain file, so the directory cannot be made.
    { std::ofstream(root.path() + "/Program Files") << "in the way"; }
    const installer::InstallReport report = runInstall(root);
    EXPECT_FALSE(report.ok());
    EXPECT_NE(report.summary().find("FAILED"), std::string::npos);
    std::wstring text;
    EXPECT_FALSE(queryString(gamekit::kInstallDirKey, L"InstallDir", text));
}
