// The real gallery program, run headless by script.

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "support/PngImage.h"
#include "support/ProgramRun.h"

using namespace testing_support;

namespace {

const std::string kGallery = GALLERY_PATH;

constexpr uint32_t kYellow = 0xFFFF00;  // the marker that follows the stylus
constexpr uint32_t kRed = 0xFF0000;     // where the pen went down
constexpr uint32_t kWhite = 0xFFFFFF;   // where it came up

bool waitForLogLine(const BackgroundRun& run, const std::string& line) {
    for (int i = 0; i < 200; ++i) {
        for (const auto& l : run.logSoFar()) {
            if (l == line) return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

}  // namespace

TEST(ShellEndToEnd, DownEndsWithZeroAndTheTaskBarShownAgain) {
    TempRoot root;
    RunResult r = runHeadless(kGallery, root, "wait 100\nkey down\nwait 100\n");
    EXPECT_EQ(r.exitCode, 0);
    int hidden = r.logIndex("taskbar\thidden");
    int shown = r.logIndex("taskbar\tshown");
    ASSERT_GE(hidden, 0);
    EXPECT_GT(shown, hidden);
    EXPECT_EQ(r.log.back(), "exit\t0");
    EXPECT_EQ(r.logIndex("script\tended"), -1);  // Down ended it, not the end of the script
}

TEST(ShellEndToEnd, ClosingTheWindowIsTheExitCommand) {
    TempRoot root;
    RunResult r = runHeadless(kGallery, root, "wait 60\nclose\nwait 500\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_GE(r.logIndex("close"), 0);
    EXPECT_EQ(r.logIndex("script\tended"), -1);
    EXPECT_GT(r.logIndex("taskbar\tshown"), r.logIndex("close"));
}

TEST(ShellEndToEnd, ATapReachesPenDownAtThePressAndPenUpAtTheLastMove) {
    TempRoot root;
    std::string shot = root.file("tap.png");
    // Press and release land in the same frame: the release overwrites the
    // press position, yet pen-down must get the press point.
    RunResult r = runHeadless(kGallery, root,
                              "wait 100\npress 40 50\ndrag 80 90\nrelease 200 250\nwait 100\nshot " +
                                  shot + "\n");
    EXPECT_EQ(r.exitCode, 0);
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    EXPECT_EQ(image.at(40, 50), kRed);
    EXPECT_EQ(image.at(80, 90), kYellow);  // pen-up got the last move point, not the release
    EXPECT_NE(image.at(200, 250), kWhite);
}

TEST(ShellEndToEnd, TouchesOutsideTheScreenAreClamped) {
    TempRoot root;
    std::string shot = root.file("clamp.png");
    RunResult r = runHeadless(kGallery, root, "wait 100\ntap 500 -40\nwait 100\nshot " + shot + "\n");
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    EXPECT_EQ(image.at(239, 0), kYellow);
    EXPECT_EQ(image.at(234, 5), kYellow);
}

TEST(ShellEndToEnd, NothingIsPresentedWhileSuspendedAndTheNextFrameIsRedrawn) {
    TempRoot root;
    std::string shot = root.file("resumed.png");
    RunResult r = runHeadless(kGallery, root,
                              "wait 100\nfocus off\nwait 500\ntap 60 70\nwait 200\nfocus on\nwait 300\n"
                              "shot " + shot + "\n");
    EXPECT_EQ(r.exitCode, 0);
    int off = r.logIndex("focus\toff\t");
    int on = r.logIndex("focus\ton\t");
    ASSERT_GE(off, 0);
    ASSERT_GT(on, off);
    // The frame counts logged with both are equal: no frame in between.
    EXPECT_EQ(r.log[off].substr(10), r.log[on].substr(9));
    EXPECT_EQ(r.logIndex("error"), -1);
    // The task bar came back while the program was away, and went again.
    int shownAway = -1;
    for (int i = off; i < on; ++i) {
        if (r.log[i] == "taskbar\tshown") shownAway = i;
    }
    EXPECT_GT(shownAway, off);
    EXPECT_GT(r.logIndex("shot\t"), on);
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    // The tap made while away was still taken when the program came back.
    EXPECT_EQ(image.at(60, 70), kYellow);
}

TEST(ShellEndToEnd, AForcedFatalErrorShowsTheBoxAndExitsWithOne) {
    TempRoot root;
    RunResult r = runHeadless(kGallery, root, "wait 100\ntap 230 310\nwait 100\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.logHas("messagebox\tProblem:\tERROR!"));
    EXPECT_TRUE(r.logHas("fatal\tin GVector popBack: \\nCannot pop empty vector."));
    EXPECT_EQ(r.log.back(), "exit\t1");
    EXPECT_NE(r.stderrText.find("Cannot pop empty vector."), std::string::npos);
}

TEST(ShellEndToEnd, RefusedInputEndsWithTwo) {
    TempRoot root;
    RunResult bad = runHeadless(kGallery, root, "wait 10\ntap 1 2\njump 3\n");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.stderrText.find("line 3"), std::string::npos);
    RunResult display = runHeadless(kGallery, root, "", {{"DECKHOLLOW_DISPLAY", "round"}});
    EXPECT_EQ(display.exitCode, 2);
    EXPECT_NE(display.stderrText.find("portrait16, pitch512, landscape16, palette8, gray4, fixed"),
              std::string::npos);
    RunResult backend = runHeadless(kGallery, root, "", {{"DECKHOLLOW_BACKEND", "vga"}});
    EXPECT_EQ(backend.exitCode, 2);
    EXPECT_NE(backend.stderrText.find("sdl, headless"), std::string::npos);
}

TEST(ShellEndToEnd, ASecondStartActivatesTheFirstAndExitsWithZero) {
    TempRoot root;
    BackgroundRun first(kGallery, root, "wait 50\nrealwait 3000\nwait 100\nkey down\n", "first");
    ASSERT_TRUE(waitForLogLine(first, "taskbar\thidden"));
    RunResult second = runHeadless(kGallery, root, "wait 100\n");
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.logIndex("taskbar"), -1);  // it never took the screen
    RunResult firstResult = first.finish();
    EXPECT_EQ(firstResult.exitCode, 0);
    EXPECT_TRUE(firstResult.logHas("message\tfrom another instance\t6\t1"));  // WM_ACTIVATE, active
}

TEST(ShellEndToEnd, AStaleLockOfAKilledProcessIsTakenOver) {
    TempRoot root;
    {
        BackgroundRun victim(kGallery, root, "wait 50\nrealwait 30000\n", "victim");
        ASSERT_TRUE(waitForLogLine(victim, "taskbar\thidden"));
        ::kill(victim.pid(), SIGKILL);
        victim.finish();
    }
    struct stat info;
    ASSERT_EQ(::stat(root.file("run/deckhollowgallery.lock").c_str(), &info), 0);
    RunResult next = runHeadless(kGallery, root, "wait 100\nkey down\n");
    EXPECT_EQ(next.exitCode, 0);
    EXPECT_GE(next.logIndex("taskbar\thidden"), 0);
}
