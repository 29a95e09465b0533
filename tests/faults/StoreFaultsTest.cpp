// The registry store under single injected file-system faults: a failure is
// retried when it passes, otherwise reported, and never costs a value.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "TempDeviceRoot.h"
#include "faults/FaultShim.h"
#include "platform/Registry.h"

using testing_support::TempDeviceRoot;

namespace {

constexpr const wchar_t* kPellandine = L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Pellandine";
constexpr const wchar_t* kOther = L"SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran";

const char* kRegistry =
    "REGEDIT4\n\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tarnwick Software, Inc. Deckhollow]\n"
    "\"InstallDir\"=\"\\\\Program Files\\\\Tarnwick Software\\\\Deckhollow\"\n\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Pellandine]\n"
    "\"CardBack\"=dword:00000007\n\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran]\n"
    "\"PointsToWin\"=dword:0000012c\n";

long long readDword(const wchar_t* path, const wchar_t* name, LONG* openResult = nullptr) {
    HKEY key = nullptr;
    LONG opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key);
    if (openResult != nullptr) *openResult = opened;
    if (opened != ERROR_SUCCESS) return -1;
    DWORD type = 0, value = 0, size = 4;
    LONG result =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD ? value : -1;
}

struct FaultRoot : TempDeviceRoot {
    FaultRoot() {
        write("registry.reg", kRegistry);
        faults::watch(path());
    }
    ~FaultRoot() { faults::stop(); }
};

}  // namespace

TEST(StoreFaults, APermissionErrorOnTheFileIsReportedAndNothingIsMovedOrReset) {
    FaultRoot root;
    faults::failAt(2, EACCES, faults::Op::Open);  // the first is the lock
    LONG opened = 0;
    EXPECT_EQ(readDword(kPellandine, L"CardBack", &opened), -1);
    EXPECT_EQ(opened, ERROR_ACCESS_DENIED);
    std::string problem = platform::registryProblem();
    EXPECT_NE(problem.find(root.file("registry.reg")), std::string::npos) << problem;
    EXPECT_NE(problem.find("Permission denied"), std::string::npos) << problem;
    EXPECT_FALSE(root.exists("registry.reg.bad"));
    EXPECT_FALSE(root.exists("registry.reg.bad.1"));
    EXPECT_EQ(root.read("registry.reg"), kRegistry);
    // The same process tries again later and finds everything.
    EXPECT_EQ(readDword(kPellandine, L"CardBack"), 7);
    EXPECT_EQ(platform::registryProblem(), "");
}

TEST(StoreFaults, ASignalAtAnyFirstStepIsRetriedAndTheValuesAreRead) {
    // The lock's open, the file's open, its reads.
    for (faults::Op kind : {faults::Op::Open, faults::Op::Read}) {
        for (long n = 1; n <= 2; ++n) {
            FaultRoot root;
            faults::failAt(n, EINTR, kind);
            EXPECT_EQ(readDword(kPellandine, L"CardBack"), 7) << faults::opName(kind) << n;
        }
    }
    for (int error : {EAGAIN, EMFILE, ENFILE, ENOMEM}) {
        FaultRoot root;
        faults::failAt(2, error, faults::Op::Open);
        EXPECT_EQ(readDword(kPellandine, L"CardBack"), 7) << error;
        EXPECT_EQ(platform::registryProblem(), "");
    }
}

TEST(StoreFaults, ASaveNeverWritesOverValuesItCouldNotReRead) {
    for (int error : {EIO, ENOSPC, EACCES}) {
        FaultRoot root;
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPellandine, 0, KEY_ALL_ACCESS, &key),
                  ERROR_SUCCESS);
        DWORD five = 5;
        RegSetValueExW(key, L"CardBack", 0, REG_DWORD, reinterpret_cast<BYTE*>(&five), 4);
        // The save re-reads the file: its first read fails.
        faults::watch(root.path());
        faults::failAt(1, error, faults::Op::Read);
        EXPECT_NE(RegCloseKey(key), ERROR_SUCCESS) << error;
        faults::stop();
        EXPECT_EQ(root.read("registry.reg"), kRegistry) << error;
        EXPECT_NE(platform::registryProblem().find(root.file("registry.reg")), std::string::npos)
            << platform::registryProblem();
        EXPECT_FALSE(root.exists("registry.reg.bad"));
        EXPECT_FALSE(root.exists("registry.reg.bad.1"));
        TempDeviceRoot::restart();
        EXPECT_EQ(readDword(kOther, L"PointsToWin"), 300);
        EXPECT_EQ(readDword(kPellandine, L"CardBack"), 7);
    }
}

TEST(StoreFaults, ASignalDuringASaveIsRetriedAndTheSaveCompletes) {
    for (faults::Op kind : {faults::Op::Open, faults::Op::Write, faults::Op::Fsync,
                            faults::Op::Rename, faults::Op::Close}) {
        for (long n = 1; n <= 4; ++n) {
            FaultRoot root;
            HKEY key = nullptr;
            ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPellandine, 0, KEY_ALL_ACCESS, &key),
                      ERROR_SUCCESS);
            DWORD five = 5;
            RegSetValueExW(key, L"CardBack", 0, REG_DWORD, reinterpret_cast<BYTE*>(&five), 4);
            faults::watch(root.path());
            faults::failAt(n, EINTR, kind);
            EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS) << faults::opName(kind) << " " << n;
            faults::stop();
            TempDeviceRoot::restart();
            EXPECT_EQ(readDword(kPellandine, L"CardBack"), 5) << faults::opName(kind) << " " << n;
            EXPECT_EQ(readDword(kOther, L"PointsToWin"), 300);
        }
    }
}
