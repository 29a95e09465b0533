#include "support/ProgramRun.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace testing_support {

TempRoot::TempRoot() {
    char pattern[] = "/tmp/deckhollow-test-XXXXXX";
    char* made = ::mkdtemp(pattern);
    path_ = made ? made : "/tmp/deckhollow-test-failed";
}

TempRoot::~TempRoot() {
    std::error_code ignored;
    if (std::getenv("DECKHOLLOW_KEEP_TEST_ROOTS") == nullptr) std::filesystem::remove_all(path_, ignored);
}

std::string TempRoot::write(const std::string& name, const std::string& text) const {
    std::string p = file(name);
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream(p) << text;
    return p;
}

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool RunResult::logHas(const std::string& line) const {
    for (const auto& l : log) {
        if (l == line) return true;
    }
    return false;
}

int RunResult::logIndex(const std::string& prefix) const {
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    }
    return -1;
}

namespace {
int counter = 0;
}

BackgroundRun::BackgroundRun(const std::string& program, const TempRoot& root, const std::string& script,
                             const std::string& name, const std::map<std::string, std::string>& environment) {
    std::string tag = name + "-" + std::to_string(++counter);
    std::string scriptPath = root.write("scripts/" + tag + ".txt", script);
    logPath_ = root.file("scripts/" + tag + ".log");
    errPath_ = root.file("scripts/" + tag + ".err");
    std::map<std::string, std::string> env = {
        {"DECKHOLLOW_ROOT", root.path()},   {"DECKHOLLOW_BACKEND", "headless"},
        {"DECKHOLLOW_SCRIPT", scriptPath}, {"DECKHOLLOW_LOG", logPath_},
    };
    for (const auto& [k, v] : environment) env[k] = v;
    pid_ = ::fork();
    if (pid_ == 0) {
        for (const auto& [k, v] : env) {
            if (v.empty()) ::unsetenv(k.c_str());
            else ::setenv(k.c_str(), v.c_str(), 1);
        }
        int err = ::open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) ::dup2(err, 2);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

BackgroundRun::~BackgroundRun() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::vector<std::string> BackgroundRun::logSoFar() const { return readLines(logPath_); }

bool BackgroundRun::waitForLogLine(const std::string& line) const {
    for (int i = 0; i < 400; ++i) {
        for (const auto& l : logSoFar()) {
            if (l == line) return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

bool waitForInstanceLock(const TempRoot& root, const std::string& name) {
    const std::string path = root.file(name);
    for (int i = 0; i < 400; ++i) {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
            ::close(fd);
            if (held) return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

RunResult BackgroundRun::finish() {
    RunResult r;
    int status = 0;
    if (pid_ > 0 && ::waitpid(pid_, &status, 0) == pid_) {
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    pid_ = -1;
    r.log = readLines(logPath_);
    std::ifstream err(errPath_);
    std::stringstream text;
    text << err.rdbuf();
    r.stderrText = text.str();
    return r;
}

bool install(const std::string& installer, const TempRoot& root) {
    std::string command = "'" + installer + "' --root '" + root.path() + "' > /dev/null";
    return std::system(command.c_str()) == 0;
}

std::string tapLine(int x, int y, int waitMs) {
    return "tap " + std::to_string(x) + " " + std::to_string(y) + "\nwait " +
           std::to_string(waitMs) + "\n";
}

RunResult runHeadless(const std::string& program, const TempRoot& root, const std::string& script,
                      const std::map<std::string, std::string>& environment) {
    return BackgroundRun(program, root, script, "run", environment).finish();
}

}  // namespace testing_support
