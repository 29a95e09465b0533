#include <gtest/gtest.h>

#include <filesystem>

#include "TempDeviceRoot.h"
#include "platform/Device.h"

using testing_support::TempDeviceRoot;

TEST(DevicePath, MapsDeviceDirectoriesUnderTheRoot) {
    TempDeviceRoot root;
    root.write("Windows/x.bmp", "x");
    root.write("Program Files/Tarnwick Software/Deckhollow/a.wav", "a");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\x.bmp"), root.path() + "/Windows/x.bmp");
    EXPECT_EQ(platform::hostPath(L"\\Program Files\\Tarnwick Software\\Deckhollow\\a.wav"),
              root.path() + "/Program Files/Tarnwick Software/Deckhollow/a.wav");
    EXPECT_EQ(platform::hostPath(L"\\"), root.path());
}

TEST(DevicePath, NamesCompareWithoutRegardToCase) {
    TempDeviceRoot root;
    root.write("WINDOWS/Cards.BMP", "x");
    EXPECT_EQ(platform::hostPath(L"\\windows\\cards.bmp"), root.path() + "/WINDOWS/Cards.BMP");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\CARDS.bmp"), root.path() + "/WINDOWS/Cards.BMP");
}

TEST(DevicePath, ExactSpellingWinsOverAnotherCase) {
    TempDeviceRoot root;
    root.write("Windows/a.txt", "lower");
    root.write("Windows/A.txt", "upper");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\A.txt"), root.path() + "/Windows/A.txt");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\a.txt"), root.path() + "/Windows/a.txt");
}

TEST(DevicePath, MissingNamesAreKeptAsWritten) {
    TempDeviceRoot root;
    std::filesystem::create_directories(root.file("windows"));
    EXPECT_EQ(platform::hostPath(L"\\Windows\\New\\File.bmp"),
              root.path() + "/windows/New/File.bmp");
}

TEST(DevicePath, DoubledAndTrailingSeparatorsAreAccepted) {
    TempDeviceRoot root;
    root.write("Windows/x.wav", "x");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\\\x.wav"), root.path() + "/Windows/x.wav");
    EXPECT_EQ(platform::hostPath(L"Windows\\x.wav"), root.path() + "/Windows/x.wav");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\"), root.path() + "/Windows");
}

TEST(DevicePath, NeverLeadsOutsideTheRoot) {
    TempDeviceRoot root;
    root.write("Windows/x.bmp", "x");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\..\\..\\etc\\passwd"), "");
    EXPECT_EQ(platform::hostPath(L"\\..\\x"), "");
    EXPECT_EQ(platform::hostPath(L"..\\Windows\\x.bmp"), "");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\.\\x.bmp"), "");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\..\\Windows\\x.bmp"), "");
    EXPECT_EQ(platform::hostPath(L"/etc/passwd"), "");
    EXPECT_EQ(platform::hostPath(L"\\Windows/../../x"), "");
    EXPECT_EQ(platform::hostPath(L"\\Win\ndows\\x"), "");
    EXPECT_EQ(platform::hostPath(nullptr), "");
    // A name that merely contains dots is an ordinary name.
    EXPECT_EQ(platform::hostPath(L"\\Windows\\...x"), root.path() + "/Windows/...x");
}

TEST(DevicePath, NonAsciiNamesRoundTrip) {
    TempDeviceRoot root;
    root.write("Windows/Caf\xC3\xA9.bmp", "x");
    EXPECT_EQ(platform::hostPath(L"\\WINDOWS\\Caf\u00e9.bmp"),
              root.path() + "/Windows/Caf\xC3\xA9.bmp");
}
