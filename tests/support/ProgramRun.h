#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// A fresh device root in a temporary folder, removed at the end.
class TempRoot {
public:
    TempRoot();
    ~TempRoot();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes `text` into a file under the root and returns its path.
    std::string write(const std::string& name, const std::string& text) const;

private:
    std::string path_;
};

struct RunResult {
    int exitCode = -1;
    std::string stderrText;
    std::vector<std::string> log;  // the headless event log, one line each
    bool logHas(const std::string& line) const;
    // Index of the first log line starting with `prefix`, or -1.
    int logIndex(const std::string& prefix) const;
};

// Runs `program` headless on `root` with `script` (text) and extra
// environment, and waits for it.
RunResult runHeadless(const std::string& program, const TempRoot& root, const std::string& script,
                      const std::map<std::string, std::string>& environment = {});

// The same, started in the background; finish() waits for it.
class BackgroundRun {
public:
    BackgroundRun(const std::string& program, const TempRoot& root, const std::string& script,
                  const std::string& name, const std::map<std::string, std::string>& environment = {});
    ~BackgroundRun();
    pid_t pid() const { return pid_; }
    RunResult finish();
    // Reads the log written so far.
    std::vector<std::string> logSoFar() const;
    // Waits up to ten seconds for `line` to appear in the log.
    bool waitForLogLine(const std::string& line) const;

private:
    pid_t pid_ = -1;
    std::string logPath_;
    std::string errPath_;
};

std::vector<std::string> readLines(const std::string& path);

// Waits up to ten seconds until a running program holds the instance lock
// `name` (as "run/deckhollowgallery.lock") under `root`. A program takes it a
// moment after it hides the task bar.
bool waitForInstanceLock(const TempRoot& root, const std::string& name);

// Runs the installer on `root` (pictures, sounds, "InstallDir"); true when it
// succeeded.
bool install(const std::string& installer, const TempRoot& root);

// A device root the installer has filled: pictures, sounds and "InstallDir".
class InstalledRoot : public TempRoot {
public:
    explicit InstalledRoot(const std::string& installer) : installed_(install(installer, *this)) {}
    bool installed() const { return installed_; }

private:
    bool installed_ = false;
};

// The script lines of a tap at (x, y) and a wait of `waitMs` after it.
std::string tapLine(int x, int y, int waitMs);

}  // namespace testing_support
