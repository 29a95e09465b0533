// The real gallery program, run headless by script.

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "GalleryRun.h"
#include "support/PngImage.h"

using namespace gallery_e2e;
using namespace testing_support;

namespace {

// Leaves the start-up screen for the shapes page.
const std::string kPastSplash = "wait 100\ntap 120 160\nwait 100\n";

constexpr uint32_t kYellow = 0xFFFF00;  // the centre of the ball that follows the stylus
constexpr uint32_t kRed = 0xFF0000;     // where the pen went down
constexpr uint32_t kWhite = 0xFFFFFF;   // where it came up

// A 5-6-5 pixel as the decoded screenshots show it.
uint32_t rgb(uint16_t p) {
    uint32_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
    return (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

}  // namespace

TEST(ShellEndToEnd, DownShowsTheFarewellAndATapEndsWithZero) {
    GalleryRoot root;
    std::string shot = root.file("farewell.png");
    RunResult r = runHeadless(kGallery, root,
                              "wait 100\nkey down\nwait 200\nshot " + shot + "\nwait 500\ntap 120 160\n"
                              "wait 300\n");
    EXPECT_EQ(r.exitCode, 0);
    int hidden = r.logIndex("taskbar\thidden");
    int shown = r.logIndex("taskbar\tshown");
    ASSERT_GE(hidden, 0);
    EXPECT_GT(shown, r.logIndex("shot\t"));  // the panel waited for the tap
    EXPECT_EQ(r.log.back(), "exit\t0");
    EXPECT_EQ(r.logIndex("script\tended"), -1);  // the tap ended it, not the end of the script
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    EXPECT_EQ(image.at(100, 125), 0x000094u);  // the heading bar, dark blue 0x0012
    EXPECT_EQ(image.at(194, 128), 0xFFFFFFu);  // the round "ok" mark
    EXPECT_EQ(image.at(100, 190), 0xFFFFFFu);  // the body
    EXPECT_EQ(image.at(35, 150), 0x000000u);   // its frame
}

TEST(ShellEndToEnd, ClosingTheWindowIsTheExitCommand) {
    GalleryRoot root;
    RunResult r = runHeadless(kGallery, root, "wait 60\nclose\nwait 500\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_GE(r.logIndex("close"), 0);
    EXPECT_EQ(r.logIndex("script\tended"), -1);
    EXPECT_GT(r.logIndex("taskbar\tshown"), r.logIndex("close"));
}

TEST(ShellEndToEnd, ATapReachesPenDownAtThePressAndPenUpAtTheLastMove) {
    GalleryRoot root;
    std::string shot = root.file("tap.png");
    // Press and release land in the same frame: the release overwrites the
    // press position, yet pen-down must get the press point.
    RunResult r = runHeadless(kGallery, root,
                              kPastSplash + "press 40 50\ndrag 80 90\nrelease 200 250\nwait 100\nshot " +
                                  shot + "\n");
    EXPECT_EQ(r.exitCode, 0);
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    EXPECT_EQ(image.at(40, 50), kRed);
    EXPECT_EQ(image.at(80, 90), kYellow);  // pen-up got the last move point, not the release
    EXPECT_NE(image.at(200, 250), kWhite);
}

TEST(ShellEndToEnd, TouchesOutsideTheScreenAreClamped) {
    GalleryRoot root;
    std::string shot = root.file("clamp.png");
    RunResult r = runHeadless(kGallery, root, kPastSplash + "tap 500 400\nwait 100\nshot " + shot + "\n");
    PngImage image;
    ASSERT_TRUE(image.load(shot));
    // Press and release land on the corner pixel (the release mark over the
    // press mark); the ball, a Sprite, cannot go there (it must end inside
    // the screen).
    EXPECT_EQ(image.at(239, 319), kWhite);
    EXPECT_EQ(image.at(237, 317), kRed);
}

TEST(ShellEndToEnd, NothingIsPresentedWhileSuspendedAndTheNextFrameIsRedrawn) {
    GalleryRoot root;
    std::string shot = root.file("resumed.png");
    RunResult r = runHeadless(kGallery, root,
                              kPastSplash + "focus off\nwait 500\ntap 60 70\nwait 200\nfocus on\nwait 300\n"
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
    GalleryRoot root;
    // Gallery > Fault demo pops an empty vector.
    RunResult r = runHeadless(kGallery, root, kPastSplash + "tap 20 8\nwait 100\ntap 20 74\nwait 100\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.logHas("messagebox\tProblem:\tERROR!"));
    EXPECT_TRUE(r.logHas("fatal\tin GVector popBack: \\nCannot pop empty vector."));
    EXPECT_EQ(r.log.back(), "exit\t1");
    EXPECT_NE(r.stderrText.find("Cannot pop empty vector."), std::string::npos);
}

TEST(ShellEndToEnd, RefusedInputEndsWithTwo) {
    GalleryRoot root;
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

TEST(ShellEndToEnd, NoDesktopThatAnswersIsRefusedInputWithTwo) {
    GalleryRoot root;
    const char* own = std::getenv("LSAN_OPTIONS");
    RunResult r = runHeadless(
        kGallery, root, "",
        {{"DECKHOLLOW_BACKEND", "sdl"},
         {"DISPLAY", ":9731"},
         {"WAYLAND_DISPLAY", ""},
         {"LSAN_OPTIONS", own != nullptr && own[0] != 0 ? own : "suppressions=" LSAN_SUPPRESSIONS}});
    EXPECT_EQ(r.exitCode, 2) << r.stderrText;
    EXPECT_EQ(r.stderrText.find("LeakSanitizer"), std::string::npos) << r.stderrText;
}

TEST(ShellEndToEnd, AScriptThatCannotBeReadIsRefusedInput) {
    GalleryRoot root;
    for (const std::string& script : {root.path(), root.file("no-such-script.txt")}) {
        RunResult r = runHeadless(kGallery, root, "", {{"DECKHOLLOW_SCRIPT", script}});
        EXPECT_EQ(r.exitCode, 2) << script;
        EXPECT_NE(r.stderrText.find(script), std::string::npos) << r.stderrText;
    }
}

TEST(ShellEndToEnd, ASecondStartActivatesTheFirstAndExitsWithZero) {
    GalleryRoot root;
    BackgroundRun first(kGallery, root, "wait 50\nrealwait 3000\nwait 100\nkey down\n", "first");
    ASSERT_TRUE(waitForInstanceLock(root, kGalleryLock));
    RunResult second = runHeadless(kGallery, root, "wait 100\n");
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.logIndex("taskbar"), -1);  // it never took the screen
    RunResult firstResult = first.finish();
    EXPECT_EQ(firstResult.exitCode, 0);
    EXPECT_TRUE(firstResult.logHas("message\tfrom another instance\t6\t1"));  // WM_ACTIVATE, active
}

TEST(ShellEndToEnd, AStaleLockOfAKilledProcessIsTakenOver) {
    GalleryRoot root;
        {
        BackgroundRun victim(kGallery, root, "wait 50\nrealwait 30000\n", "victim");
        ASSERT_TRUE(waitForInstanceLock(root, kGalleryLock));
        ::kill(victim.pid(), SIGKILL);
        victim.finish();
    }
    struct stat info;
    ASSERT_EQ(::stat(root.file(kGalleryLock).c_str(), &info), 0);
    RunResult next = runHeadless(kGallery, root, "wait 100\nkey down\n");
    EXPECT_EQ(next.exitCode, 0);
    EXPECT_GE(next.logIndex("taskbar\thidden"), 0);
}

// Game > Suspend hands the device back: the menu closes first, the screen
// left behind is the page dimmed to half with the line saying how to come
// back, nothing is drawn into the closed display, and taps and keys made
// meanwhile do nothing. "focus on" brings the page back as it was, and the
// next tap works as always.
TEST(ShellEndToEnd, SuspendClosesTheMenuDimsThePageAndIgnoresInputUntilTheFocusReturns) {
    GalleryRoot root;
    const std::string before = root.file("before.png"), paused = root.file("paused.png"),
                      still = root.file("still.png"), resumed = root.file("resumed.png"),
                      after = root.file("after.png");
    // Gallery > Suspend is the fifth entry (rows 16 apart from y 26).
    RunResult r = runHeadless(
        kGallery, root,
        kPastSplash + "shot " + before + "\ntap 20 8\nwait 100\ntap 20 90\nwait 300\nshot " + paused +
            "\ntap 60 70\nwait 200\nkey up\nwait 100\nkey left\nwait 300\nshot " + still +
            "\nfocus on\nwait 300\nshot " + resumed + "\ntap 100 200\nwait 300\nshot " + after +
            "\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.logIndex("error"), -1);  // no frame drawn into the closed display
    const int hidden = r.logIndex("window\thidden");
    ASSERT_GE(hidden, 0);
    EXPECT_GT(r.logIndex("taskbar\tshown"), r.logIndex("shot\t" + before));
    PngImage page, dim, unchanged, back, tapped;
    ASSERT_TRUE(page.load(before));
    ASSERT_TRUE(dim.load(paused));
    ASSERT_TRUE(unchanged.load(still));
    ASSERT_TRUE(back.load(resumed));
    ASSERT_TRUE(tapped.load(after));
    // Every pixel outside the line's band is the page's at half brightness
    // (each 5-6-5 field halved), the drop-down gone with the rest.
    int wrong = 0;
    for (int y = 0; y < 320; ++y) {
        if (y >= 150 && y <= 170) continue;
        for (int x = 0; x < 240; ++x) {
            const uint32_t p = page.at(x, y);
            const uint32_t r5 = (p >> 19) & 0x1F, g6 = (p >> 10) & 0x3F, b5 = (p >> 3) & 0x1F;
            const uint16_t half =
                static_cast<uint16_t>(((r5 >> 1) << 11) | ((g6 >> 1) << 5) | (b5 >> 1));
            const uint32_t halved = rgb(half);
            wrong += dim.at(x, y) != halved;
        }
    }
    EXPECT_EQ(wrong, 0);
    // The band: black, framed in white, with white text in its middle.
    EXPECT_EQ(dim.at(120, 151), 0x000000u);
    EXPECT_EQ(dim.at(5, 150), 0xFFFFFFu);
    int text = 0;
    for (int x = 0; x < 240; ++x) {
        for (int y = 153; y <= 167; ++y) text += dim.at(x, y) == 0xFFFFFFu && x > 0 && x < 239;
    }
    EXPECT_GT(text, 60);
    // The tap, Up and Left made while away changed nothing, then or later.
    int changed = 0, differs = 0;
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 240; ++x) {
            changed += unchanged.at(x, y) != dim.at(x, y);
            differs += back.at(x, y) != page.at(x, y);
        }
    }
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(differs, 0) << "the page that came back is not the one suspended";
    EXPECT_NE(back.at(60, 70), kYellow);
    EXPECT_EQ(tapped.at(100, 200), kYellow);
}

// SIGTERM, SIGINT and SIGHUP end the program as Exit does, at once: through
// the window's close at its next look at the messages while it runs, and
// from the signal's own thread when it cannot answer (here: a real-time
// pause of the script of 30 s), saving all the same. The program gives its
// main thread 0.6 s; the test allows 5 s, so a loaded machine does not fail
// it while a program that waited for the pause still would.
TEST(ShellEndToEnd, TerminationSignalsEndTheProgramAsExitDoesAtOnce) {
    GalleryRoot root;
    // Configure > Appearance..., the fastest speed, OK: kept in memory
    // until the program ends.
    const std::string faster = kPastSplash +
                               "tap 80 8\nwait 100\ntap 90 26\nwait 100\ntap 174 95\nwait 60\n"
                               "tap 170 290\nwait 100\n";
    std::string running = faster;
    for (int i = 0; i < 300; ++i) running += "realwait 10\nwait 50\n";
    std::string stuck = faster + "realwait 30000\n";
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        for (std::string* script : {&running, &stuck}) {
            const bool answers = script == &running;
            std::filesystem::remove(root.file("registry.reg"));
            ASSERT_TRUE(install(INSTALLER_PATH, root));
            BackgroundRun run(kGallery, root, *script, "signalled");
            ASSERT_TRUE(run.waitForLogLine("taskbar\thidden"));
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            const auto sent = std::chrono::steady_clock::now();
            ::kill(run.pid(), signal);
            RunResult r = run.finish();
            const auto took = std::chrono::steady_clock::now() - sent;
            const std::string what = std::to_string(signal) + (answers ? " running" : " stuck");
            EXPECT_LT(took, std::chrono::seconds(5)) << what;
            EXPECT_EQ(r.exitCode, 0) << what;
            const int told = r.logIndex("signal\t");
            EXPECT_GE(told, 0) << what;
            // The Exit command's way out shows the task bar again.
            if (answers) {
                EXPECT_GT(r.logIndex("taskbar\tshown"), told) << what;
            }
            ASSERT_FALSE(r.log.empty());
            EXPECT_EQ(r.log.back(), "exit\t0") << what;
            // The settings were written on the way out.
            std::string registry;
            for (const std::string& line : readLines(root.file("registry.reg"))) registry += line + "\n";
            EXPECT_NE(registry.find("\"AnimationSpeed\"=dword:00000009"), std::string::npos) << what;
        }
    }
}
