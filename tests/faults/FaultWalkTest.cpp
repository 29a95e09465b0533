// Walks a single failing file operation over every operation of a program's
// start (first and later), a save and an install, for each errno a disk or
// a user can give: after each run the registry on disk must be the old file
// or the new one, whole, the program must have said what failed when it did
// not finish, a signal must cost nothing at all, and a later run without the
// fault must finish the work.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TempDeviceRoot.h"
#include "faults/FaultShim.h"
#include "gamekit/settings/InstallDir.h"
#include "gamekit/settings/SettingsLoader.h"
#include "gamekit/settings/SettingsStore.h"
#include "games/pellandine/PellandineSettings.h"
#include "platform/Registry.h"
#include "tools/installer/Installer.h"

using namespace gamekit;
using pellandine::pellandineSettings;
using testing_support::TempDeviceRoot;
namespace fs = std::filesystem;

namespace {

const std::string kInstallFolder = "Program Files/Tarnwick Software/Deckhollow";

const char* kInstalledRegistry =
    "REGEDIT4\n\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tarnwick Software, Inc. Deckhollow]\n"
    "\"InstallDir\"=\"\\\\Program Files\\\\Tarnwick Software\\\\Deckhollow\"\n\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Velloran]\n"
    "\"CardBack\"=dword:00000002\n"
    "\"Binary\"=hex:01,02\n"
    "\n[HKEY_CURRENT_USER\\Software\\Elsewhere]\n\"Theirs\"=dword:00000001\n";

// What one scenario did: finished, or said why not.
struct Outcome {
    bool finished = false;
    std::vector<std::string> said;  // boxes shown, errors reported
};

struct Scenario {
    std::string name;
    // The files under the root before the run, by relative path.
    std::map<std::string, std::string> before;
    std::function<Outcome()> run;
    bool checksInstallFiles = false;
};

std::string readAll(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return "<missing>";
    std::string bytes;
    char buffer[65536];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, got);
    std::fclose(in);
    return bytes;
}

std::string narrowText(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

class FaultWalk : public ::testing::Test {
  protected:
    // Lays the files of `scenario.before` down exactly, and nothing else.
    void reset(const Scenario& scenario) {
        faults::stop();
        for (const auto& entry : fs::directory_iterator(root.path())) fs::remove_all(entry.path());
        fs::create_directories(root.file(kInstallFolder));
        for (const auto& [name, bytes] : scenario.before) root.write(name, bytes);
        TempDeviceRoot::restart();
        setDefaultInstallDir();
    }

    std::map<std::string, std::string> watchedFiles(const Scenario& scenario) {
        std::map<std::string, std::string> files;
        files["registry.reg"] = readAll(root.file("registry.reg"));
        if (scenario.checksInstallFiles) {
            for (const auto& entry : fs::directory_iterator(root.file(kInstallFolder))) {
                std::string name = kInstallFolder + "/" + entry.path().filename().string();
                if (name.size() > 5 && name.substr(name.size() - 5) == ".part") continue;
                files[name] = readAll(entry.path().string());
            }
        }
        return files;
    }

    bool anyDamagedCopy() {
        for (const auto& entry : fs::directory_iterator(root.path())) {
            if (entry.path().filename().string().rfind("registry.reg.bad", 0) == 0) return true;
        }
        return false;
    }

    void check(bool ok, const std::string& what) {
        ++checks;
        if (!ok) {
            ++losses;
            ADD_FAILURE() << what;
        }
    }

    void walk(const Scenario& scenario) {
        reset(scenario);
        std::map<std::string, std::string> old = watchedFiles(scenario);
        faults::watch(root.path());
        Outcome clean = scenario.run();
        long count = faults::operationCount();
        faults::stop();
        ASSERT_TRUE(clean.finished) << scenario.name;
        std::map<std::string, std::string> fresh = watchedFiles(scenario);
        ASSERT_GT(count, 5) << scenario.name;

        for (int error : {EIO, ENOSPC, EACCES, EINTR}) {
            for (long n = 1; n <= count; ++n) {
                ++walked;
                reset(scenario);
                faults::watch(root.path());
                faults::failAt(n, error);
                Outcome outcome = scenario.run();
                std::string failed = "?";
                for (const faults::Seen& seen : faults::seen()) {
                    if (seen.failed) failed = std::string(faults::opName(seen.op)) + " " + seen.path;
                }
                faults::stop();
                std::string where = scenario.name + ", " + std::strerror(error) + " at operation " +
                                    std::to_string(n) + " (" + failed + ")";
                std::map<std::string, std::string> now = watchedFiles(scenario);
                for (const auto& [name, bytes] : now) {
                    bool known = fresh.count(name) != 0;
                    bool whole = (known && bytes == fresh.at(name)) ||
                                 (old.count(name) != 0 && bytes == old.at(name));
                    check(whole, where + ": " + name + " is neither the old file nor the new one");
                }
                bool allNew = now == fresh;
                check(!outcome.finished || allNew, where + ": reported done but not all written");
                if (!outcome.finished) {
                    bool named = false;
                    for (const std::string& text : outcome.said) {
                        named = named || text.find(root.path()) != std::string::npos;
                    }
                    check(named, where + ": stopped without naming the file and the error");
                }
                check(error != EINTR || outcome.finished, where + ": a signal stopped the work");
                check(!anyDamagedCopy(), where + ": a file was set aside as damaged");

                // The same run again, the fault gone: the work is done whole.
                if (!outcome.finished) {
                    TempDeviceRoot::restart();
                    Outcome again = scenario.run();
                    check(again.finished && watchedFiles(scenario) == fresh,
                          where + ": a later run without the fault did not finish the work");
                }
            }
        }
        std::printf("[ faults   ] %s: %ld operations, %d runs so far, %d checks, %d losses\n",
                    scenario.name.c_str(), count, walked, checks, losses);
    }

    // A program's start as the shell makes it: load (first start, repair,
    // version, install directory), the rules, the corrected values saved.
    Outcome start(const SettingsTable& table) {
        Outcome outcome;
        SettingsStartupHooks hooks;
        bool stopped = false;
        hooks.showPanel = [](const char*, const char*) {};
        hooks.showMessageBox = [&](const wchar_t* text, const wchar_t*) {
            outcome.said.push_back(narrowText(text));
        };
        hooks.shutdown = [&](int) { stopped = true; };
        TempDeviceRoot::restart();
        setDefaultInstallDir();
        if (loadSettings(table, record, hooks) != SettingsLoadResult::Loaded || stopped) {
            return outcome;
        }
        applyRules(table, record);
        if (!saveSettings(table, record)) {
            outcome.said.push_back(narrowText(withRegistryProblem(kSettingsWriteFailedText)));
            return outcome;
        }
        outcome.finished = true;
        return outcome;
    }

    TempDeviceRoot root;
    SettingsRecord record{};
    int walked = 0;
    int checks = 0;
    int losses = 0;
};

}  // namespace

TEST_F(FaultWalk, EveryFileOperationOfAStartASaveAndAnInstall) {
    // A first start of Pellandine beside another program's values and lines
    // no program reads.
    Scenario first{"first start", {{"registry.reg", kInstalledRegistry}}, [&] {
                       return start(pellandineSettings);
                   }};
    walk(first);

    // A later start whose stored CardBack is out of range: the rules take
    // it over and the corrected values are written back.
    Scenario later{"start", {}, nullptr};
    reset(first);
    ASSERT_TRUE(start(pellandineSettings).finished);
    std::string stored = readAll(root.file("registry.reg"));
    size_t at = stored.find("\"CardBack\"=dword:00000005");
    ASSERT_NE(at, std::string::npos) << stored;
    stored.replace(at, 25, "\"CardBack\"=dword:0000000c");
    later.before = {{"registry.reg", stored}};
    later.run = [&] { return start(pellandineSettings); };
    walk(later);

    // A save of changed values (the Down key, Exit), after a start that
    // finds every value as its rules want it and so writes nothing new.
    reset(later);
    ASSERT_TRUE(start(pellandineSettings).finished);
    Scenario save{"save", {{"registry.reg", readAll(root.file("registry.reg"))}}, nullptr};
    save.run = [&] {
        Outcome outcome;
        Outcome started = start(pellandineSettings);
        if (!started.finished) return started;
        settingValue(pellandineSettings, record, L"CardBack") = 3;
        settingList(pellandineSettings, record, L"PairsScores")[0] = 52;
        outcome.finished = saveSettings(pellandineSettings, record);
        if (!outcome.finished) {
            outcome.said.push_back(narrowText(withRegistryProblem(kSettingsWriteFailedText)));
        }
        return outcome;
    };
    walk(save);

    // ./play's install: a sound missing, another cut short, no InstallDir.
    Scenario install{"install", {}, nullptr, true};
    reset(first);
    installer::InstallOptions options;
    options.root = root.path();
    ASSERT_TRUE(installer::install(options).ok());
    for (const auto& entry : fs::directory_iterator(root.file(kInstallFolder))) {
        std::string name = kInstallFolder + "/" + entry.path().filename().string();
        if (name.find("Knock") != std::string::npos) continue;
        std::string bytes = readAll(entry.path().string());
        if (name.find("ButtonClick") != std::string::npos) bytes.resize(bytes.size() / 2);
        install.before[name] = bytes;
    }
    std::string withoutKey = kInstalledRegistry;
    withoutKey.erase(withoutKey.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps"),
                     withoutKey.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick") -
                         withoutKey.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps"));
    install.before["registry.reg"] = withoutKey;
    install.run = [&] {
        TempDeviceRoot::restart();
        installer::InstallOptions ifMissing;
        ifMissing.root = root.path();
        ifMissing.ifMissing = true;
        installer::InstallReport report = installer::install(ifMissing);
        Outcome outcome;
        outcome.finished = report.ok();
        if (!report.ok()) outcome.said.push_back(report.firstError);
        return outcome;
    };
    walk(install);

    std::printf("[ faults   ] in all: %d runs with one failing operation, %d checks, %d losses\n",
                walked, checks, losses);
    RecordProperty("operations_walked", walked);
    RecordProperty("checks", checks);
    RecordProperty("losses", losses);
    EXPECT_EQ(losses, 0);
}
