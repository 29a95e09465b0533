// The program's start and end: the settings of a first start, a second
// instance, and the Down key's farewell.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ReflectionRun.h"
#include "support/PngImage.h"

using namespace reflection_e2e;
using testing_support::BackgroundRun;
using testing_support::PngImage;

namespace {

bool waitForLogLine(const BackgroundRun& run, const std::string& line) {
    for (int i = 0; i < 400; ++i) {
        for (const auto& l : run.logSoFar()) {
            if (l == line) return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

const std::vector<int> kTenZeros(10, 0);
const std::vector<int> kTen999(10, 999);

}  // namespace

TEST(ReflectionStart, AFirstStartWritesEveryDefaultWithEmptyTimesOf999) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    RunResult r = runReflection(root, "wait 200\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.logIndex("messagebox"), -1);  // no repair panel, no reinstall box
    const struct {
        const wchar_t* name;
        uint32_t value;
    } dwords[] = {{L"MinorVersion", 0}, {L"MajorVersion", 2}, {L"CardBack", 5},
                  {L"DisplayScore", 1}, {L"DisplayTime", 1},  {L"SoundsOn", 1},
                  {L"GameType", 0}};
    for (const auto& d : dwords) {
        const StoredValue v = storedValue(root, d.name);
        EXPECT_TRUE(v.found) << "missing";
        EXPECT_EQ(v.number, d.value);
    }
    EXPECT_EQ(storedList(root, L"NormalScores"), kTenZeros);
    EXPECT_EQ(storedList(root, L"ExpertScores"), kTenZeros);
    EXPECT_EQ(storedList(root, L"NormalTimes"), kTen999);
    EXPECT_EQ(storedList(root, L"ExpertTimes"), kTen999);
    EXPECT_EQ(storedValue(root, L"NormalTimes").text, L"999 999 999 999 999 999 999 999 999 999 ");
}

TEST(ReflectionStart, WithoutItsPicturesTheProgramStopsWithTheReinstallMessage) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    std::remove(
        root.file("Program Files/Tarnwick Software/Deckhollow/Reflection_Images.bmp").c_str());
    RunResult r = runReflection(root, "wait 200\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.logHas("fatal\tFiles missing - Reinstall application"));
}

TEST(ReflectionStart, ASecondStartExitsWithZeroWhileTheFirstRuns) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    BackgroundRun first(REFLECTION_PATH, root,
                        "wait 50\nrealwait 3000\nwait 100\nkey down\nwait 200\ntap 120 160\n",
                        "first", {{"DECKHOLLOW_TICK0", std::to_string(kTick0)}});
    ASSERT_TRUE(waitForLogLine(first, "taskbar\thidden"));
    RunResult second = runReflection(root, "wait 100\n");
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.logIndex("taskbar"), -1);  // it never took the screen
    RunResult firstResult = first.finish();
    EXPECT_EQ(firstResult.exitCode, 0);
    EXPECT_TRUE(firstResult.logHas("message\tfrom another instance\t6\t1"));
}

TEST(ReflectionStart, DownShowsTheFarewellThenEndsWithZeroAndTheSettingsSaved) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    const std::string shot = root.file("farewell.png");
    // Sound switched off from the menu is only in memory until the program
    // ends: the Down key must store it.
    RunResult r =
        runReflection(root, tap(120, 160) + menu(kConfigureMenuX, 2) + "key down\nwait 300\nshot " +
                                shot + "\nwait 300\ntap 120 160\nwait 300\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.log.back(), "exit\t0");
    EXPECT_EQ(r.logIndex("script\tended"), -1);  // the tap on the panel ended it
    EXPECT_GT(r.logIndex("taskbar\tshown"), r.logIndex("shot\t"));
    EXPECT_EQ(storedValue(root, L"SoundsOn").number, 0u);
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    EXPECT_EQ(image.at(100, 125), screenColour(0x0012));  // the heading bar
    EXPECT_EQ(image.at(100, 190), 0xFFFFFFu);             // the panel's body
    // The heading "Vuzurovoro Dazozivad" is white on the bar: some of its
    // row is white, none of the bar past its end.
    int white = 0;
    for (int x = 40; x < 150; ++x) white += image.at(x, 128) == 0xFFFFFFu;
    EXPECT_GT(white, 10);
}
