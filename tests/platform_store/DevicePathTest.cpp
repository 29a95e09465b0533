#include <gtest/gtest.h>

#include "TempDeviceRoot.h"
#include "platform/Device.h"

using testing_support::TempDeviceRoot;

TEST(DevicePath, MapsDevicePathsUnderTheRootAndNeverOutsideIt) {
    TempDeviceRoot root;
    for (const char* file :
         {"Windows/x.bmp", "Windows/x.wav", "Windows/Cards.BMP", "Windows/a.txt", "Windows/A.txt",
          "Windows/Caf\xC3\xA9.bmp", "Program Files/Tarnwick Software/Deckhollow/a.wav"}) {
        root.write(file, "x");
    }
    struct Case {
        const wchar_t* device;
        const char* host;  // under the root; null when refused
    };
    const Case cases[] = {
        {L"\\Windows\\x.bmp", "/Windows/x.bmp"},
        {L"\\Program Files\\Tarnwick Software\\Deckhollow\\a.wav",
         "/Program Files/Tarnwick Software/Deckhollow/a.wav"},
        {L"\\", ""},
        // Names compare without regard to case, but an exact spelling wins.
        {L"\\windows\\cards.bmp", "/Windows/Cards.BMP"},
        {L"\\WINDOWS\\CARDS.bmp", "/Windows/Cards.BMP"},
        {L"\\Windows\\A.txt", "/Windows/A.txt"},
        {L"\\Windows\\a.txt", "/Windows/a.txt"},
        {L"\\WINDOWS\\Caf\u00e9.bmp", "/Windows/Caf\xC3\xA9.bmp"},
        // Missing names are kept as written.
        {L"\\windows\\New\\File.bmp", "/Windows/New/File.bmp"},
        // Doubled, missing leading and trailing separators.
        {L"\\Windows\\\\x.wav", "/Windows/x.wav"},
        {L"Windows\\x.wav", "/Windows/x.wav"},
        {L"\\Windows\\", "/Windows"},
        // A name that merely contains dots is an ordinary name.
        {L"\\Windows\\...x", "/Windows/...x"},
        {L"\\Windows\\..\\..\\etc\\passwd", nullptr},
        {L"\\..\\x", nullptr},
        {L"..\\Windows\\x.bmp", nullptr},
        {L"\\Windows\\.\\x.bmp", nullptr},
        {L"\\Windows\\..\\Windows\\x.bmp", nullptr},
        {L"/etc/passwd", nullptr},
        {L"\\Windows/../../x", nullptr},
        {L"\\Win\ndows\\x", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::hostPath(c.device), c.host ? root.path() + c.host : "")
            << std::string(c.device, c.device + wcslen(c.device));
    }
    EXPECT_EQ(platform::hostPath(nullptr), "");
}

TEST(DevicePath, ADirectoryInAnotherCaseIsFound) {
    TempDeviceRoot root;
    root.write("WINDOWS/Cards.BMP", "x");
    EXPECT_EQ(platform::hostPath(L"\\windows\\cards.bmp"), root.path() + "/WINDOWS/Cards.BMP");
    EXPECT_EQ(platform::hostPath(L"\\Windows\\New.bmp"), root.path() + "/WINDOWS/New.bmp");
}
