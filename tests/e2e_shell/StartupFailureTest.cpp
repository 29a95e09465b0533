// What a start that cannot go on tells the player, and two starts at once.

#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "GalleryRun.h"

using namespace gallery_e2e;
using namespace testing_support;

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The log line of the problem box, "" when none was shown.
std::string problemBox(const RunResult& r) {
    int at = r.logIndex("messagebox\tProblem:\t");
    return at < 0 ? "" : r.log[at];
}

// The fault layer preloaded into the run, failing as `orders` say.
std::map<std::string, std::string> faulty(const TempRoot& root,
                                          std::map<std::string, std::string> orders) {
    orders["LD_PRELOAD"] = FAULT_SHIM_PATH;
    orders["DECKHOLLOW_FAULT_ROOT"] = root.path();
    // The sanitizers' runtime need not come first for this.
    orders["ASAN_OPTIONS"] = "detect_leaks=1:verify_asan_link_order=0";
    return orders;
}

}  // namespace

TEST(StartupFailure, ARootThatIsAFileIsNamedAndTheRunEndsWithOne) {
    TempRoot root;
    std::string notADirectory = root.write("plain-file", "x");
    RunResult r = runHeadless(kGallery, root, "wait 100\n", {{"DECKHOLLOW_ROOT", notADirectory}});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(problemBox(r).find(notADirectory), std::string::npos) << problemBox(r);
    EXPECT_NE(r.stderrText.find(notADirectory), std::string::npos) << r.stderrText;
    EXPECT_EQ(r.log.back(), "exit\t1");
}

TEST(StartupFailure, ARunFolderThatCannotHoldTheLockIsNamed) {
    GalleryRoot root;
    root.write("run", "a file where the folder belongs");
    RunResult r = runHeadless(kGallery, root, "wait 100\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(problemBox(r).find(root.file("run/deckhollowgallery.lock")), std::string::npos)
        << problemBox(r);
    EXPECT_NE(problemBox(r).find("Not a directory"), std::string::npos) << problemBox(r);
    EXPECT_NE(r.stderrText.find("Not a directory"), std::string::npos) << r.stderrText;
}

TEST(StartupFailure, AReadOnlyRootIsNamed) {
    GalleryRoot root;
    std::string before = fileText(root.file("registry.reg"));
    RunResult r = runHeadless(kGallery, root, "wait 100\n",
                              faulty(root, {{"DECKHOLLOW_FAULT_AT", "all"},
                                            {"DECKHOLLOW_FAULT_ERRNO", "EROFS"},
                                            {"DECKHOLLOW_FAULT_KIND", "open"},
                                            {"DECKHOLLOW_FAULT_FILE", ".lock"}}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(problemBox(r).find("Read-only file system"), std::string::npos) << problemBox(r);
    EXPECT_NE(r.stderrText.find("Read-only file system"), std::string::npos) << r.stderrText;
    EXPECT_EQ(fileText(root.file("registry.reg")), before);
}

TEST(StartupFailure, ARegistryThatCannotBeReadIsNamedAndLeftAlone) {
    GalleryRoot root;
    std::string before = fileText(root.file("registry.reg"));
    RunResult r = runHeadless(kGallery, root, "wait 100\n",
                              faulty(root, {{"DECKHOLLOW_FAULT_AT", "all"},
                                            {"DECKHOLLOW_FAULT_ERRNO", "EACCES"},
                                            {"DECKHOLLOW_FAULT_KIND", "open"},
                                            {"DECKHOLLOW_FAULT_FILE", "/registry.reg"}}));
    EXPECT_EQ(r.exitCode, 1);
    std::string box = problemBox(r);
    EXPECT_NE(box.find(root.file("registry.reg") + ": Permission denied"), std::string::npos)
        << box;
    EXPECT_EQ(box.find("reinstall"), std::string::npos) << box;
    EXPECT_NE(r.stderrText.find("Permission denied"), std::string::npos) << r.stderrText;
    EXPECT_EQ(fileText(root.file("registry.reg")), before);
    struct stat info;
    EXPECT_NE(::stat(root.file("registry.reg.bad").c_str(), &info), 0);
    EXPECT_NE(::stat(root.file("registry.reg.bad.1").c_str(), &info), 0);
}

TEST(StartupFailure, OfTwoStartsAtOnceOneRunsAndTheOtherRaisesItAndEndsWithZero) {
    GalleryRoot root;
    // Installed and started once, so both starts find the same settings.
    ASSERT_EQ(runHeadless(kGallery, root, "").exitCode, 0);
    for (int pair = 0; pair < 12; ++pair) {
        const std::string script = "realwait 600\nwait 100\n";
        BackgroundRun first(kGallery, root, script, "first");
        BackgroundRun second(kGallery, root, script, "second");
        RunResult a = first.finish();
        RunResult b = second.finish();
        EXPECT_EQ(a.exitCode, 0) << "pair " << pair << ": " << a.stderrText;
        EXPECT_EQ(b.exitCode, 0) << "pair " << pair << ": " << b.stderrText;
        bool aRan = a.logIndex("script\tended") >= 0;
        bool bRan = b.logIndex("script\tended") >= 0;
        ASSERT_NE(aRan, bRan) << "pair " << pair << ": exactly one runs";
        const RunResult& runner = aRan ? a : b;
        EXPECT_GE(runner.logIndex("message\tfrom another instance\t6\t1"), 0)
            << "pair " << pair << ": the one that runs is raised";
    }
}
