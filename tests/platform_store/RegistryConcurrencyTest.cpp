#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "TempDeviceRoot.h"
#include "platform/Registry.h"

using testing_support::TempDeviceRoot;

namespace {

constexpr int kRounds = 40;
constexpr int kValues = 12;

std::wstring programKey(const wchar_t* program) {
    return std::wstring(L"SOFTWARE\\Tarnwick Software\\Deckhollow\\") + program;
}

// Every value of the program's key, or -1 for the first that is missing or
// differs from the others.
long long readRound(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return -1;
    }
    long long round = -2;
    for (int i = 0; i < kValues; ++i) {
        DWORD value = 0, size = 4, type = 0;
        std::wstring name = L"Value" + std::to_wstring(i);
        if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                             &size) != ERROR_SUCCESS ||
            (round != -2 && value != round)) {
            round = -1;
            break;
        }
        round = value;
    }
    RegCloseKey(key);
    return round;
}

bool writeRound(const std::wstring& path, DWORD round) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    for (int i = 0; i < kValues; ++i) {
        std::wstring name = L"Value" + std::to_wstring(i);
        RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&round), 4);
    }
    return RegCloseKey(key) == ERROR_SUCCESS;
}

// One program saving its settings again and again, each time as a new start
// that first checks it finds exactly what it saved the time before.
[[noreturn]] void saveRepeatedly(const wchar_t* program) {
    std::wstring path = programKey(program);
    for (int round = 0; round < kRounds; ++round) {
        platform::registry::discardRegistryForTesting();
        if (round > 0 && readRound(path) != round - 1) _exit(2);
        if (!writeRound(path, static_cast<DWORD>(round))) _exit(3);
    }
    _exit(0);
}

}  // namespace

TEST(RegistryConcurrency, TwoProgramsSavingAtOnceLoseNothing) {
    TempDeviceRoot root;
    pid_t first = fork();
    ASSERT_GE(first, 0);
    if (first == 0) saveRepeatedly(L"Velloran");
    pid_t second = fork();
    ASSERT_GE(second, 0);
    if (second == 0) saveRepeatedly(L"Cribbage");
    int status = 0;
    ASSERT_EQ(waitpid(first, &status, 0), first);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    ASSERT_EQ(waitpid(second, &status, 0), second);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;

    TempDeviceRoot::restart();
    EXPECT_EQ(readRound(programKey(L"Velloran")), kRounds - 1);
    EXPECT_EQ(readRound(programKey(L"Cribbage")), kRounds - 1);
    EXPECT_FALSE(root.exists("registry.reg.bad"));
}
