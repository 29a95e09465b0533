#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TempDeviceRoot.h"
#include "RegistryCalls.h"
#include "platform/Registry.h"

using namespace store_test;
using testing_support::TempDeviceRoot;

TEST(Registry, ValuesReachTheFileWhenTheKeyIsClosed) {
    TempDeviceRoot root;
    DWORD disposition = 0;
    HKEY key = createKey(L"Software\\Tarnwick Software\\Deckhollow\\Velloran", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_EQ(setDword(key, L"PointsToWin", 30), ERROR_SUCCESS);
    EXPECT_EQ(setString(key, L"Name", L"a\\b \"c\""), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    std::string text = root.read("registry.reg");
    EXPECT_EQ(text.rfind("REGEDIT4\n", 0), 0u);
    EXPECT_NE(text.find("[HKEY_LOCAL_MACHINE\\Software\\Tarnwick Software\\Deckhollow\\Velloran]\n"
                        "\"PointsToWin\"=dword:0000001e\n"
                        "\"Name\"=\"a\\\\b \\\"c\\\"\"\n"),
              std::string::npos)
        << text;
    EXPECT_FALSE(root.exists("registry.reg.tmp"));

    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(kKey, L"pointstowin"), 30);
    createKey(L"SOFTWARE\\TARNWICK SOFTWARE\\Deckhollow\\Velloran", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
}

TEST(Registry, QueryFollowsTheSizeProtocol) {
    TempDeviceRoot root;
    HKEY key = createKey(kKey);
    setDword(key, L"D", 0x01020304);
    setString(key, L"S", L"hello");
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExW(key, L"S", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 6 * sizeof(wchar_t));  // terminator included

    wchar_t small[4] = {L'x', L'x', L'x', L'x'};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExW(key, L"S", nullptr, &type, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 6 * sizeof(wchar_t));
    EXPECT_EQ(small[0], L'x');  // nothing written

    wchar_t exact[6];
    size = sizeof exact;
    ASSERT_EQ(RegQueryValueExW(key, L"S", nullptr, &type, reinterpret_cast<BYTE*>(exact), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(exact), L"hello");

    BYTE two[2];
    size = 2;
    EXPECT_EQ(RegQueryValueExW(key, L"D", nullptr, &type, two, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(getDword(key, L"D"), 0x01020304);
    EXPECT_EQ(getDword(key, L"S"), -1);  // the type tells a string from a number
    // A string asked for with a number's buffer never overruns it.
    DWORD number = 0x55555555;
    size = sizeof number;
    EXPECT_EQ(RegQueryValueExW(key, L"S", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(number, 0x55555555u);
    EXPECT_EQ(RegQueryValueExW(key, L"Missing", nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST(Registry, BadArgumentsAreRefused) {
    TempDeviceRoot root;
    HKEY key = createKey(kKey);
    DWORD value = 1;
    EXPECT_EQ(RegSetValueExW(key, L"D", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), 2),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(key, L"B", 0, 3, reinterpret_cast<BYTE*>(&value), 4),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(setString(key, L"S", L"two\nlines"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(setDword(key, L"Bad\tName", 1), ERROR_INVALID_PARAMETER);
    HKEY bogus = reinterpret_cast<HKEY>(&value);
    EXPECT_EQ(setDword(bogus, L"D", 1), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(bogus), ERROR_INVALID_HANDLE);
    HKEY out = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\\\X", 0, 0, &out),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Nothing", 0, 0, &out),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST(Registry, DeletedValuesAndKeysAreGoneForEveryHandle) {
    TempDeviceRoot root;
    HKEY key = createKey(kKey);
    setDword(key, L"A", 1);
    setDword(key, L"B", 2);
    EXPECT_EQ(RegDeleteValueW(key, L"a"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(key, L"A"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey), ERROR_SUCCESS);
    EXPECT_EQ(getDword(key, L"B"), -1);
    EXPECT_EQ(setDword(key, L"C", 3), ERROR_KEY_DELETED);
    EXPECT_EQ(openKey(kKey), nullptr);
    EXPECT_NE(openKey(L"SOFTWARE\\Tarnwick Software\\Deckhollow"), nullptr);
    RegCloseKey(key);
    TempDeviceRoot::restart();
    EXPECT_EQ(openKey(kKey), nullptr);
    EXPECT_EQ(root.read("registry.reg").find("Velloran"), std::string::npos);
}

TEST(Registry, DamagedLinesLeaveTheOtherValuesReadable) {
    TempDeviceRoot root;
    root.write(
        "registry.reg",
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran]\n"
        "\"CardBack\"=dword:00000003\n"
        "\"SoundsOn\"=dword:zz\n"
        "\x01\x02 noise\n"
        "\"GameType\"=\"2\"\n"
        "\"Deal10Cards\"=dword:0000");
    EXPECT_EQ(readDword(kKey, L"CardBack"), 3);
    EXPECT_EQ(readDword(kKey, L"SoundsOn"), -1);
    EXPECT_EQ(readDword(kKey, L"GameType"), -1);  // a string where a number belongs
    EXPECT_EQ(readDword(kKey, L"Deal10Cards"), 0);
    EXPECT_FALSE(root.exists("registry.reg.bad"));
}

TEST(Registry, UnreadableFileIsKeptAsideAndTheRegistryStartsEmpty) {
    TempDeviceRoot root;
    std::string garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    root.write("registry.reg", garbage);
    EXPECT_EQ(openKey(L"SOFTWARE"), nullptr);
    EXPECT_EQ(root.read("registry.reg.bad.1"), garbage);
    EXPECT_FALSE(root.exists("registry.reg"));
    HKEY key = createKey(kKey);
    setDword(key, L"CardBack", 4);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(kKey, L"CardBack"), 4);
    EXPECT_EQ(root.read("registry.reg.bad.1"), garbage);
}

TEST(Registry, AFailedWriteIsReportedAndRetried) {
    TempDeviceRoot root;
    // The lock cannot be taken while a directory stands where it belongs.
    std::filesystem::create_directories(root.file("registry.lock"));
    HKEY key = createKey(kKey);
    EXPECT_EQ(setDword(key, L"A", 1), ERROR_SUCCESS);
    EXPECT_NE(RegFlushKey(key), ERROR_SUCCESS);
    EXPECT_FALSE(root.exists("registry.reg"));
    std::filesystem::remove(root.file("registry.lock"));
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(kKey, L"A"), 1);
}

TEST(Registry, OnlyThisProgramsChangesAreWrittenOverAnothersFile) {
    TempDeviceRoot root;
    HKEY key = createKey(kKey);
    setDword(key, L"Mine", 1);
    setDword(key, L"Gone", 1);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    // Another program rewrites the file meanwhile.
    root.write(
        "registry.reg",
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran]\n"
        "\"Mine\"=dword:00000001\n\"Gone\"=dword:00000001\n"
        "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n\"Theirs\"=dword:00000007\n");
    key = openKey(kKey);
    ASSERT_NE(key, nullptr);
    setDword(key, L"Mine", 2);
    RegDeleteValueW(key, L"Gone");
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(L"SOFTWARE\\Other", L"Theirs"), 7);
    EXPECT_EQ(readDword(kKey, L"Mine"), 2);
    EXPECT_EQ(readDword(kKey, L"Gone"), -1);
}

TEST(Registry, AFileThatCannotBeOpenedForTheMomentIsNeitherMovedNorOverwritten) {
    TempDeviceRoot root;
    HKEY key = createKey(kKey);
    setDword(key, L"Kept", 5);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    std::string before = root.read("registry.reg");
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Leave exactly one descriptor free: the lock takes it and the
        // registry file itself then cannot be opened.
        struct rlimit limit = {64, 64};
        if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) _exit(9);
        int last = -1;
        for (int fd = ::dup(0); fd >= 0; fd = ::dup(0)) last = fd;
        if (last < 0) _exit(9);
        ::close(last);
        TempDeviceRoot::restart();
        // Neither "no such key" nor a new key over what could not be read.
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, 0, &opened) != ERROR_READ_FAULT) _exit(2);
        HKEY created = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\New", 0, nullptr, 0, 0, nullptr,
                            &created, nullptr) != ERROR_READ_FAULT) {
            _exit(3);
        }
        if (platform::registryProblem().find("Too many open files") == std::string::npos) _exit(4);
        TempDeviceRoot::restart();  // and nothing is left to write at exit
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_FALSE(root.exists("registry.reg.bad"));
    EXPECT_EQ(root.read("registry.reg"), before);
}

// Every start sets its settings again, mostly to what they were: a file
// that would not change is left alone, neither rewritten nor waited for on
// the disk.
TEST(Registry, ValuesSetToWhatTheyWereLeaveTheFileUntouched) {
    TempDeviceRoot root;
    HKEY key = createKey(kKey);
    EXPECT_EQ(setDword(key, L"PointsToWin", 30), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    struct stat before {};
    ASSERT_EQ(::stat(root.file("registry.reg").c_str(), &before), 0);

    TempDeviceRoot::restart();
    key = createKey(kKey);
    EXPECT_EQ(setDword(key, L"PointsToWin", 30), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    struct stat after {};
    ASSERT_EQ(::stat(root.file("registry.reg").c_str(), &after), 0);
    // A rewrite puts a new file in place: another inode.
    EXPECT_EQ(after.st_ino, before.st_ino);

    key = createKey(kKey);
    EXPECT_EQ(setDword(key, L"PointsToWin", 31), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(kKey, L"PointsToWin"), 31);
}
