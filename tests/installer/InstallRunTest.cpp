#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "FileReaders.h"
#include "TempRoot.h"
#include "tools/installer/Installer.h"

namespace fs = std::filesystem;
using test_files::readBytes;
using test_files::runInstall;
using test_files::TempRoot;

namespace {

const char* const kFiles[] = {
    "TarnwickSoftware_CardBacks.bmp", "Cribbage_Images.bmp",          "Gallery_Images.bmp",
    "Pellandine_Images.bmp",          "Reflection_Images.bmp",
    "TarnwickSoftware_Shuffle.wav",   "TarnwickSoftware_ButtonClick.wav",
    "TarnwickSoftware_Cardflick.wav", "TarnwickSoftware_Knock.wav",
    "Velloran_Images.bmp",
};
constexpr int kFileCount = 10;

struct Snapshot {
    std::map<std::string, std::vector<uint8_t>> bytes;
    std::map<std::string, struct timespec> times;
    std::map<std::string, ino_t> inodes;
};

Snapshot snapshot(const TempRoot& root) {
    Snapshot s;
    for (const char* name : kFiles) {
        struct stat st {};
        stat(root.installed(name).c_str(), &st);
        s.bytes[name] = readBytes(root.installed(name));
        s.times[name] = st.st_mtim;
        s.inodes[name] = st.st_ino;
    }
    return s;
}

// Runs the program itself and gives its exit status and first output line.
int runProgram(const std::string& arguments, std::string& line) {
    const std::string command = std::string(INSTALLER_PROGRAM) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return -1;
    char buffer[1024] = {};
    line = std::fgets(buffer, sizeof buffer, pipe) != nullptr ? buffer : "";
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    }
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(Install, WritesEveryFileIntoTheInstallDirectory) {
    TempRoot root;
    const installer::InstallReport report = runInstall(root);
    EXPECT_TRUE(report.ok()) << report.firstError;
    EXPECT_EQ(report.written, kFileCount);
    EXPECT_EQ(report.directory, root.installDir());
    for (const char* name : kFiles) EXPECT_TRUE(fs::is_regular_file(root.installed(name))) << name;
    // Nothing half-written is left behind.
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(root.installDir())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, kFileCount);
}

TEST(Install, ASecondRunChangesNothing) {
    TempRoot root;
    ASSERT_TRUE(runInstall(root).ok());
    const Snapshot before = snapshot(root);
    for (bool ifMissing : {false, true}) {
        const installer::InstallReport again = runInstall(root, ifMissing);
        EXPECT_TRUE(again.ok());
        EXPECT_EQ(again.written, 0);
        const Snapshot after = snapshot(root);
        for (const char* name : kFiles) {
            EXPECT_EQ(after.bytes.at(name), before.bytes.at(name)) << name;
            EXPECT_EQ(after.inodes.at(name), before.inodes.at(name)) << name << " was replaced";
            EXPECT_EQ(after.times.at(name).tv_nsec, before.times.at(name).tv_nsec) << name;
            EXPECT_EQ(after.times.at(name).tv_sec, before.times.at(name).tv_sec) << name;
        }
        EXPECT_NE(again.summary().find("nothing to do"), std::string::npos) << again.summary();
    }
}

TEST(Install, IfMissingRepairsOnlyTheMissingAndDamagedFiles) {
    TempRoot root;
    ASSERT_TRUE(runInstall(root).ok());
    const Snapshot before = snapshot(root);
    fs::remove(root.installed("TarnwickSoftware_Knock.wav"));
    // Damage the games would refuse at start ("Problem: ERROR!"): a picture
    // that is not one, a picture cut short, a sound cut short, a header
    // that promises other sizes.
    { std::ofstream(root.installed("Gallery_Images.bmp"), std::ios::trunc) << "damaged"; }
    fs::resize_file(root.installed("TarnwickSoftware_CardBacks.bmp"),
                    before.bytes.at("TarnwickSoftware_CardBacks.bmp").size() - 1);
    fs::resize_file(root.installed("TarnwickSoftware_Shuffle.wav"), 100);
    std::vector<uint8_t> wrongWidth = before.bytes.at("Pellandine_Images.bmp");
    wrongWidth[18] ^= 1;
    {
        std::ofstream out(root.installed("Pellandine_Images.bmp"),
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(wrongWidth.data()),
                  static_cast<std::streamsize>(wrongWidth.size()));
    }
    installer::InstallReport report = runInstall(root, true);
    EXPECT_TRUE(report.ok()) << report.summary();
    EXPECT_EQ(report.written, 5);
    EXPECT_EQ(report.kept, kFileCount - 5);
    const Snapshot after = snapshot(root);
    for (const char* name : kFiles) EXPECT_EQ(after.bytes.at(name), before.bytes.at(name)) << name;
    // The files that were whole were not touched.
    EXPECT_EQ(after.inodes.at("TarnwickSoftware_Cardflick.wav"),
              before.inodes.at("TarnwickSoftware_Cardflick.wav"));
}

TEST(InstallRoot, ArgumentThenEnvironmentThenDataHome) {
    const char* saved[] = {std::getenv("DECKHOLLOW_ROOT"), std::getenv("XDG_DATA_HOME"),
                           std::getenv("HOME")};
    const std::string keep[] = {saved[0] ? saved[0] : "", saved[1] ? saved[1] : "",
                                saved[2] ? saved[2] : ""};
    setenv("DECKHOLLOW_ROOT", "/env/root", 1);
    setenv("XDG_DATA_HOME", "/data", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(installer::resolveRoot("/given"), "/given");
    EXPECT_EQ(installer::resolveRoot(""), "/env/root");
    unsetenv("DECKHOLLOW_ROOT");
    EXPECT_EQ(installer::resolveRoot(""), "/data/deckhollow");
    setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(installer::resolveRoot(""), "/home/someone/.local/share/deckhollow");
    EXPECT_EQ(installer::installDirectory("/r"), "/r/Program Files/Tarnwick Software/Deckhollow");
    const char* names[] = {"DECKHOLLOW_ROOT", "XDG_DATA_HOME", "HOME"};
    for (int i = 0; i < 3; ++i) {
        if (saved[i] != nullptr) {
            setenv(names[i], keep[i].c_str(), 1);
        } else {
            unsetenv(names[i]);
        }
    }
}

TEST(InstallProgram, PrintsOneLineAndRefusesUnknownArguments) {
    TempRoot root;
    std::string line;
    EXPECT_EQ(runProgram("--root '" + root.path() + "'", line), 0);
    EXPECT_NE(line.find("wrote 10 file(s)"), std::string::npos) << line;
    EXPECT_EQ(runProgram("--root '" + root.path() + "' --if-missing", line), 0);
    EXPECT_NE(line.find("nothing to do"), std::string::npos) << line;
    EXPECT_EQ(runProgram("--frobnicate", line), 2);
    EXPECT_EQ(runProgram("--root", line), 2);
}

TEST(InstallProgram, PreviewWritesAPngAndInstallsNothing) {
    TempRoot root;
    const std::string png = root.path() + "/preview.png";
    std::string line;
    EXPECT_EQ(runProgram("--root '" + root.path() + "' --preview '" + png + "'", line), 0) << line;
    const std::vector<uint8_t> bytes = readBytes(png);
    ASSERT_GT(bytes.size(), 8u);
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, bytes.begin()));
    EXPECT_FALSE(fs::exists(root.installDir()));
    EXPECT_EQ(runProgram("--preview '" + root.path() + "/no/such/dir/p.png'", line), 1);
}
