// The toolkit gallery run headless: its settings, its menus and pages.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/PngImage.h"
#include "support/ProgramRun.h"

using namespace testing_support;

namespace {

const std::string kGallery = GALLERY_PATH;

struct GalleryRoot : InstalledRoot {
    GalleryRoot() : InstalledRoot(INSTALLER_PATH) { EXPECT_TRUE(installed()); }
    std::string registry() const {
        std::ifstream in(file("registry.reg"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void setRegistry(const std::string& text) const { std::ofstream(file("registry.reg")) << text; }
    // Replaces the first occurrence of `from` in the registry file.
    void editRegistry(const std::string& from, const std::string& to) const {
        std::string text = registry();
        size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        setRegistry(text);
    }
};

const std::string kGalleryKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Gallery]\n";
const std::string kDefaults =
    "\"MinorVersion\"=dword:00000000\n"
    "\"MajorVersion\"=dword:00000002\n"
    "\"CardBack\"=dword:00000005\n"
    "\"SoundsOn\"=dword:00000001\n"
    "\"AnimationSpeed\"=dword:00000006\n"
    "\"DisplayHints\"=dword:00000000\n"
    "\"DisplayScore\"=dword:00000001\n";

// Leaves the start-up screen.
const std::string kPastSplash = "wait 100\ntap 120 160\nwait 100\n";
// Configure > Appearance...
const std::string kOpenAppearance = "tap 80 8\nwait 100\ntap 90 26\nwait 100\n";

}  // namespace

TEST(GalleryEndToEnd, AFirstStartWritesEveryDefaultAndASecondChangesNothing) {
    GalleryRoot root;
    RunResult first = runHeadless(kGallery, root, "wait 100\n");
    EXPECT_EQ(first.exitCode, 0);
    std::string afterFirst = root.registry();
    EXPECT_NE(afterFirst.find(kGalleryKey + kDefaults), std::string::npos) << afterFirst;
    EXPECT_EQ(first.logIndex("messagebox"), -1);  // no panel, no box
    RunResult second = runHeadless(kGallery, root, "wait 100\n");
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(root.registry(), afterFirst);
}

TEST(GalleryEndToEnd, AMissingValueShowsTheRecoveryPanelAndRewritesTheDefaults) {
    GalleryRoot root;
    runHeadless(kGallery, root, "wait 100\n");
    root.editRegistry("\"SoundsOn\"=dword:00000001\n", "");
    root.editRegistry("\"CardBack\"=dword:00000005", "\"CardBack\"=dword:00000002");
    std::string shot = root.file("recovery.png");
    std::string after = root.file("after.png");
    RunResult r = runHeadless(kGallery, root, "wait 300\nshot " + shot + "\ntap 120 160\nwait 200\nshot " + after + "\n");
    EXPECT_EQ(r.exitCode, 0);
    PngImage panel, splash;
    ASSERT_TRUE(panel.load(shot));
    ASSERT_TRUE(splash.load(after));
    EXPECT_EQ(panel.at(100, 125), screenColour(0x0012));  // the panel's heading bar
    // Gone after the tap: the blue start-up screen.
    EXPECT_EQ(splash.at(10, 150), screenColour(0x001F));
    EXPECT_NE(root.registry().find(kGalleryKey + kDefaults), std::string::npos);  // CardBack 5 again
}

TEST(GalleryEndToEnd, VersionOneShowsTheVersionPanelAndZeroIsTakenAsTwo) {
    GalleryRoot root;
    runHeadless(kGallery, root, "wait 100\n");
    root.editRegistry("\"MajorVersion\"=dword:00000002", "\"MajorVersion\"=dword:00000001");
    std::string shot = root.file("version.png");
    RunResult one = runHeadless(kGallery, root, "wait 300\nshot " + shot + "\ntap 10 10\nwait 100\n");
    PngImage panel;
    ASSERT_TRUE(panel.load(shot));
    EXPECT_EQ(panel.at(100, 125), screenColour(0x0012));
    root.editRegistry("\"MajorVersion\"=dword:00000001", "\"MajorVersion\"=dword:00000000");
    std::string none = root.file("none.png");
    runHeadless(kGallery, root, "wait 300\nshot " + none + "\n");
    PngImage splash;
    ASSERT_TRUE(splash.load(none));
    EXPECT_EQ(splash.at(10, 150), screenColour(0x001F));  // no panel
    EXPECT_NE(root.registry().find("\"MajorVersion\"=dword:00000002"), std::string::npos);
}

TEST(GalleryEndToEnd, WithoutInstallDirTheProgramEndsWithTheReinstallMessage) {
    GalleryRoot root;
    root.editRegistry("\"InstallDir\"", "\"SomethingElse\"");
    RunResult r = runHeadless(kGallery, root, "wait 100\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.logHas("messagebox\tProblem:\tConfiguration Error. Please reinstall application!"));
    // The settings were loaded first.
    EXPECT_NE(root.registry().find(kGalleryKey + kDefaults), std::string::npos);
}

TEST(GalleryEndToEnd, AReadOnlyRootGivesAMessageBoxAndExitCodeOne) {
    GalleryRoot root;
    // Root ignores file modes, so the registry's lock is made unusable too.
    std::filesystem::remove(root.file("registry.lock"));
    std::filesystem::create_directories(root.file("registry.lock"));
    ::chmod(root.path().c_str(), 0555);
    RunResult r = runHeadless(kGallery, root, "wait 100\n");
    ::chmod(root.path().c_str(), 0755);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_GE(r.logIndex("messagebox\tProblem:\tConfiguration Error. The settings cannot be saved"), 0);
}

TEST(GalleryEndToEnd, ThemeAndSpeedChosenOnAppearanceSurviveARestart) {
    GalleryRoot root;
    // The first theme (row y 133), the fastest speed (box 9 at x 171..178),
    // then Exit through the menu.
    RunResult r = runHeadless(kGallery, root,
                              kPastSplash + kOpenAppearance + "tap 60 135\nwait 60\ntap 174 95\nwait 60\n"
                              "tap 170 290\nwait 100\ntap 20 8\nwait 100\ntap 20 106\nwait 100\n");
    EXPECT_EQ(r.exitCode, 0);
    std::string registry = root.registry();
    EXPECT_NE(registry.find("\"CardBack\"=dword:00000000"), std::string::npos) << registry;
    EXPECT_NE(registry.find("\"AnimationSpeed\"=dword:00000009"), std::string::npos);
    std::string shot = root.file("appearance.png");
    runHeadless(kGallery, root, kPastSplash + kOpenAppearance + "shot " + shot + "\n");
    PngImage page;
    ASSERT_TRUE(page.load(shot));
    EXPECT_EQ(page.at(150, 140), screenColour(0x0010));  // the preview in Standard 1's table colour
    EXPECT_EQ(page.at(174, 95), 0x000000u);     // the ninth speed box filled
}

TEST(GalleryEndToEnd, AButtonTapGrowsTheLogAndEveryPageOpens) {
    GalleryRoot root;
    std::string dir = root.path() + "/";
    RunResult r = runHeadless(
        kGallery, root,
        kPastSplash + "key right\nwait 100\nshot " + dir + "cards.png\nkey right\nwait 100\n"
        "tap 60 178\nwait 100\ntap 60 178\nwait 100\nshot " + dir + "controls.png\n"
        "tap 230 8\nwait 100\nshot " + dir + "helpmenu.png\ntap 200 26\nwait 100\nshot " + dir + "rules.png\n"
        "tap 230 8\nwait 100\nshot " + dir + "rules2.png\ntap 170 290\nwait 100\n"
        "tap 230 8\nwait 100\ntap 200 74\nwait 100\nshot " + dir + "about.png\ntap 170 290\nwait 100\n"
        "tap 230 8\nwait 100\ntap 200 58\nwait 100\nshot " + dir + "scores.png\ntap 170 290\nwait 100\n"
        "key down\nwait 100\nshot " + dir + "farewell.png\ntap 100 100\nwait 100\n");
    EXPECT_EQ(r.exitCode, 0);
    PngImage controls, rules, rules2, about;
    ASSERT_TRUE(controls.load(dir + "controls.png"));
    ASSERT_TRUE(rules.load(dir + "rules.png"));
    ASSERT_TRUE(rules2.load(dir + "rules2.png"));
    ASSERT_TRUE(about.load(dir + "about.png"));
    // Two lines in the log: the older one blue, the newest white.
    bool white = false;
    for (int x = 8; x < 100; ++x) white |= controls.at(x, 218) == 0xFFFFFFu;
    EXPECT_TRUE(white);
    EXPECT_TRUE(rules.pixels != rules2.pixels);  // the page turned
    for (const char* name : {"cards.png", "helpmenu.png", "scores.png", "farewell.png"}) {
        PngImage image;
        EXPECT_TRUE(image.load(dir + name)) << name;
    }
}
