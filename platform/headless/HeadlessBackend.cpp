// The test backend: a virtual clock that only moves when the program waits,
// the input script laid out on that clock, PNG screenshots and an event log.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <thread>

#include "Script.h"
#include "platform/Backend.h"
#include "platform/Backends.h"

namespace platform::headless {
namespace {

// Device time after the script ends (and the window was closed) before the
// run is declared hung.
constexpr DWORD kGraceMs = 10000;
constexpr DWORD kTapMs = 60;

struct Action {
    DWORD time;
    ScriptCommand command;
    enum Step { Apply, PressDown, LiftUp } step;
};

class HeadlessBackend : public Backend {
public:
    HeadlessBackend(std::vector<ScriptCommand> commands, DWORD tick0, FILE* log)
        : now_(tick0), start_(tick0), log_(log) {
        DWORD t = tick0;
        for (const ScriptCommand& c : commands) {
            switch (c.kind) {
                case ScriptCommand::Wait: t += static_cast<DWORD>(c.a); break;
                case ScriptCommand::Tap:
                    actions_.push_back({t, c, Action::PressDown});
                    t += kTapMs;
                    actions_.push_back({t, c, Action::LiftUp});
                    break;
                default: actions_.push_back({t, c, Action::Apply}); break;
            }
        }
        // The script ends after its last wait, not at its last command.
        ScriptCommand end{};
        end.kind = ScriptCommand::Wait;
        actions_.push_back({t, end, Action::Apply});
    }

    DWORD tickCount() override { return now_; }

    void sleep(DWORD milliseconds) override { advanceTo(now_ + milliseconds); }

    void systemTime(SYSTEMTIME* time) override {
        // A run's wall clock starts at a fixed moment and follows its own
        // virtual clock, so runs are repeatable.
        toSystemTime(kEpoch + static_cast<std::time_t>((now_ - start_) / 1000), (now_ - start_) % 1000,
                     time);
    }

    void pumpEvents(DWORD waitMs) override {
        runDue();
        if (input::messagesPending()) return;
        // Waiting costs device time: at least a millisecond, so that a loop
        // that only polls still moves the clock, and no further than the
        // next scripted event.
        DWORD target = now_ + (waitMs > 0 ? waitMs : 1);
        if (next_ < actions_.size() && earlier(actions_[next_].time, target)) {
            target = earlier(now_, actions_[next_].time) ? actions_[next_].time : now_;
        }
        advanceTo(target);
    }

    void framePresented() override { ++frames_; }

    bool playWave(const std::string&) override { return true; }

    void messageBox(const std::string&, const std::string&) override {
        if (boxShot_.empty()) return;
        shoot(boxShot_);
        boxShot_.clear();
    }

    void log(const std::string& line) override {
        std::fprintf(log_, "%s\n", line.c_str());
        std::fflush(log_);
    }

    void shutdown(int) override {
        if (log_ != stderr) std::fclose(log_);
        log_ = stderr;
    }

private:
    static constexpr std::time_t kEpoch = 1780308000;  // 2026-06-01 10:00:00 UTC

    static bool earlier(DWORD a, DWORD b) { return static_cast<int32_t>(a - b) < 0; }

    // Moves the clock to `target`, stopping at each scripted event on the way.
    void advanceTo(DWORD target) {
        runDue();
        while (next_ < actions_.size() && earlier(actions_[next_].time, target)) {
            if (earlier(now_, actions_[next_].time)) now_ = actions_[next_].time;
            runDue();
        }
        if (earlier(now_, target)) now_ = target;
        runDue();
    }

    void runDue() {
        while (next_ < actions_.size() && !earlier(now_, actions_[next_].time)) {
            Action a = actions_[next_++];
            apply(a);
        }
        if (next_ >= actions_.size()) {
            if (!closeSent_) {
                closeSent_ = true;
                log("script\tended");
                input::closeRequested();
                deadline_ = now_ + kGraceMs;
            } else if (earlier(deadline_, now_)) {
                log("timeout\tthe program did not end within " + std::to_string(kGraceMs) +
                    " ms of device time after the script");
                exitProcess(3);
            }
        }
    }

    void apply(const Action& a) {
        const ScriptCommand& c = a.command;
        switch (c.kind) {
            case ScriptCommand::Tap:
                if (a.step == Action::PressDown) input::stylusDown(c.a, c.b);
                else input::stylusUp(c.a, c.b);
                break;
            case ScriptCommand::Press: input::stylusDown(c.a, c.b); break;
            case ScriptCommand::Drag: input::stylusMove(c.a, c.b); break;
            case ScriptCommand::Release: input::stylusUp(c.a, c.b); break;
            case ScriptCommand::Key:
                input::key(c.a, true);
                input::key(c.a, false);
                break;
            case ScriptCommand::Focus:
                log(std::string("focus\t") + (c.a ? "on" : "off") + "\t" + std::to_string(frames_));
                input::focus(c.a != 0);
                break;
            case ScriptCommand::Shot: shoot(c.path); break;
            case ScriptCommand::BoxShot: boxShot_ = c.path; break;
            case ScriptCommand::Close:
                log("close");
                input::closeRequested();
                break;
            case ScriptCommand::RealWait:
                std::this_thread::sleep_for(std::chrono::milliseconds(c.a));
                break;
            case ScriptCommand::Wait: break;
        }
    }

    void shoot(const std::string& path) {
        ScreenImage image;
        decodeScreen(&image);
        if (writePng(path, image)) log("shot\t" + path + "\t" + std::to_string(frames_));
    }

    DWORD now_;
    DWORD start_;
    std::string boxShot_;
    FILE* log_;
    std::vector<Action> actions_;
    size_t next_ = 0;
    DWORD deadline_ = 0;
    bool closeSent_ = false;
    unsigned long frames_ = 0;
};

}  // namespace
}  // namespace platform::headless

namespace platform {

std::unique_ptr<Backend> createHeadlessBackend(const std::string& scriptPath, const std::string& logPath,
                                               DWORD tick0, std::string* error) {
    std::vector<headless::ScriptCommand> commands;
    if (!scriptPath.empty()) {
        // A folder opens as a stream that reads nothing: only a whole file
        // read without error is a script.
        std::string text;
        int fd = ::open(scriptPath.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info;
        bool ok = fd >= 0 && ::fstat(fd, &info) == 0;
        int failure = fd < 0 ? errno : 0;
        if (ok && S_ISDIR(info.st_mode)) {
            ok = false;
            failure = EISDIR;
        }
        char buffer[8192];
        while (ok) {
            ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                ok = false;
                failure = errno;
            }
            if (got <= 0) break;
            text.append(buffer, static_cast<size_t>(got));
        }
        if (fd >= 0) ::close(fd);
        if (!ok) {
            *error = "cannot read the script " + scriptPath + ": " + std::strerror(failure);
            return nullptr;
        }
        if (!headless::parseScript(text, &commands, error)) {
            *error = scriptPath + ": " + *error;
            return nullptr;
        }
    }
    FILE* log = stderr;
    if (!logPath.empty()) {
        log = std::fopen(logPath.c_str(), "a");
        if (log == nullptr) {
            *error = "cannot write the log " + logPath;
            return nullptr;
        }
    }
    return std::make_unique<headless::HeadlessBackend>(std::move(commands), tick0, log);
}

}  // namespace platform
