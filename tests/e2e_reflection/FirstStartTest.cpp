// The program's start: missing pictures and a second instance. A first
// start's settings are checked with the pages, the Down key's farewell with
// the High Scores screen.

#include <gtest/gtest.h>

#include "ReflectionRun.h"

using namespace reflection_e2e;
using testing_support::BackgroundRun;

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
    ASSERT_TRUE(testing_support::waitForInstanceLock(root, "run/vuzurovoro_dazozivad.lock"));
    RunResult second = runReflection(root, "wait 100\n");
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.logIndex("taskbar"), -1);  // it never took the screen
    RunResult firstResult = first.finish();
    EXPECT_EQ(firstResult.exitCode, 0);
    EXPECT_TRUE(firstResult.logHas("message\tfrom another instance\t6\t1"));
}
