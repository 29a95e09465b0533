// What the store does with a file that is damaged, as opposed to one that
// could not be read: only damage is set aside, and a damaged line costs
// that line alone.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "TempDeviceRoot.h"
#include "RegistryCalls.h"
#include "platform/Registry.h"

using namespace store_test;
using testing_support::TempDeviceRoot;

TEST(RegistryDamage, EachDamagedFileIsKeptAsItsOwnNumberedCopy) {
    TempDeviceRoot root;
    std::string first("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    std::string second = "not a registry at all\n";
    root.write("registry.reg.bad", "an older copy someone kept\n");
    root.write("registry.reg", first);
    EXPECT_EQ(openKey(L"SOFTWARE"), nullptr);
    EXPECT_EQ(root.read("registry.reg.bad.1"), first);
    EXPECT_EQ(writeDword(kKey, L"CardBack", 4), ERROR_SUCCESS);

    root.write("registry.reg", second);
    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(kKey, L"CardBack"), -1);
    EXPECT_EQ(root.read("registry.reg.bad.1"), first);
    EXPECT_EQ(root.read("registry.reg.bad.2"), second);
    EXPECT_EQ(root.read("registry.reg.bad"), "an older copy someone kept\n");
}

TEST(RegistryDamage, SomethingThatIsNotAFileIsAFailureNotDamage) {
    TempDeviceRoot root;
    std::filesystem::create_directories(root.file("registry.reg"));
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, 0, &key), ERROR_READ_FAULT);
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_READ_FAULT);
    std::string problem = platform::registryProblem();
    EXPECT_NE(problem.find(root.file("registry.reg")), std::string::npos) << problem;
    EXPECT_NE(problem.find("Is a directory"), std::string::npos) << problem;
    EXPECT_TRUE(std::filesystem::is_directory(root.file("registry.reg")));
    EXPECT_FALSE(root.exists("registry.reg.bad"));
    EXPECT_FALSE(root.exists("registry.reg.bad.1"));
}

TEST(RegistryDamage, ABadByteCostsItsLineAndEveryOtherLineSurvivesASave) {
    TempDeviceRoot root;
    const std::string lines[] = {
        "; written by hand \xff\xfe",  // not UTF-8
        std::string("\"Nul\"=dword:0000000\0", 20),
        "\"Binary\"=hex:01,02,03",
        "\"Expand\"=hex(2):25,00,00,00",
        "\"Multi\"=hex(7):41,00,00,00,00,00",
        "; a comment",
        "garbage",
    };
    std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\"
                       "Velloran]\n\"CardBack\"=dword:00000003\n";
    for (const std::string& line : lines) text += line + "\n";
    text += "\"PointsToWin\"=dword:0000012c\n"
            "\n[HKEY_CURRENT_USER\\Software\\Elsewhere]\n\"Theirs\"=dword:00000001\n"
            "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n\"Kept\"=dword:00000009\n";
    root.write("registry.reg", text);

    EXPECT_EQ(readDword(kKey, L"CardBack"), 3);
    EXPECT_EQ(readDword(kKey, L"PointsToWin"), 300);
    EXPECT_EQ(readDword(L"SOFTWARE\\Other", L"Kept"), 9);
    EXPECT_EQ(writeDword(kKey, L"CardBack", 6), ERROR_SUCCESS);
    EXPECT_FALSE(root.exists("registry.reg.bad.1"));

    std::string written = root.read("registry.reg");
    for (const std::string& line : lines) {
        EXPECT_NE(written.find(line + "\n"), std::string::npos) << "lost: " << line;
    }
    EXPECT_NE(written.find("[HKEY_CURRENT_USER\\Software\\Elsewhere]\n\"Theirs\"=dword:00000001\n"),
              std::string::npos)
        << written;
    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(kKey, L"CardBack"), 6);
    EXPECT_EQ(readDword(kKey, L"PointsToWin"), 300);
    EXPECT_EQ(readDword(L"SOFTWARE\\Other", L"Kept"), 9);
    // Written again, the kept lines stay as they are: nothing grows.
    EXPECT_EQ(writeDword(kKey, L"CardBack", 6), ERROR_SUCCESS);
    EXPECT_EQ(root.read("registry.reg"), written);
}

TEST(RegistryDamage, ADeepKeyPathCostsNoMoreThanItsOwnLine) {
    TempDeviceRoot root;
    std::string deep = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Deep";
    for (int i = 0; i < 400; ++i) deep += "\\k";
    deep += "]";
    std::string text = "REGEDIT4\n\n" + deep + "\n\"V\"=dword:00000001\n";
    root.write("registry.reg", text);
    EXPECT_EQ(writeDword(kKey, L"CardBack", 5), ERROR_SUCCESS);
    std::string written = root.read("registry.reg");
    // The input, the program's key with its ancestors (about 230 bytes) and its value.
    EXPECT_LE(written.size(), text.size() + 300) << written.substr(0, 400);
    EXPECT_NE(written.find(deep + "\n\"V\"=dword:00000001\n"), std::string::npos);
    EXPECT_EQ(readDword(kKey, L"CardBack"), 5);

    // A program cannot make a path deeper than the bound either.
    std::wstring tooDeep = L"SOFTWARE";
    for (int i = 0; i < 64; ++i) tooDeep += L"\\k";
    EXPECT_EQ(writeDword(tooDeep.c_str(), L"V", 1), ERROR_INVALID_PARAMETER);
    std::wstring deepest = L"SOFTWARE";
    for (int i = 0; i < 63; ++i) deepest += L"\\k";
    EXPECT_EQ(writeDword(deepest.c_str(), L"V", 1), ERROR_SUCCESS);
    TempDeviceRoot::restart();
    EXPECT_EQ(readDword(deepest.c_str(), L"V"), 1);
}
