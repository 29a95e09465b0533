// Ending the program from outside: a termination signal (SIGTERM, SIGINT,
// SIGHUP) or the loss of the desktop display. Either ends it as its Exit
// command does, whatever it is doing: what must survive is saved, and the
// process ends with 0, or 1 when that could not be saved.
//
// The signals are taken by a thread of their own (blocked everywhere else),
// which asks the main thread to close the window; the main thread notices it
// at its next look at the message queue, at least every frame. A modal box
// the desktop shows for the program holds the main thread where no message
// is read, so then the thread saves and ends the program itself.

#include <dirent.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/Backend.h"
#include "platform/Platform.h"

namespace platform {
namespace {

enum Owner : int { kNobody = 0, kMainThread = 1, kSignalThread = 2 };

std::atomic<int> requestedSignal{0};
std::atomic<int> endOwner{kNobody};
std::atomic<int> exitCodeInProgress{0};
std::atomic<int> modalDepth{0};
std::atomic<EndHandler> endHandler{nullptr};
std::atomic<void (*)()> waker{nullptr};
pid_t mainPid = 0;

// How long the main thread has to answer a signal before the signal thread
// ends the program itself, and how long an end already under way may take.
constexpr int kAnswerMs = 600;
constexpr int kEndingMs = 5000;

const char* signalName(int signal) {
    switch (signal) {
        case SIGTERM:
            return "TERM";
        case SIGINT:
            return "INT";
        case SIGHUP:
            return "HUP";
        default:
            return "?";
    }
}

void sleepMs(int ms) {
    timespec t{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0) {
    }
}

// A box the desktop shows in a process of its own (SDL's X11 dialog is
// one) would stay on the screen after this process ended.
void endChildren() {
    DIR* proc = opendir("/proc");
    if (proc == nullptr) return;
    const pid_t self = getpid();
    while (dirent* entry = readdir(proc)) {
        char* end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || pid <= 0) continue;
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", pid);
        FILE* file = std::fopen(path, "r");
        if (file == nullptr) continue;
        char line[512] = {};
        bool read = std::fgets(line, sizeof line, file) != nullptr;
        std::fclose(file);
        // "pid (name) state ppid ...": the name may hold spaces, so read
        // from the last parenthesis.
        const char* close = read ? std::strrchr(line, ')') : nullptr;
        char state = 0;
        long parent = 0;
        if (close != nullptr && std::sscanf(close + 1, " %c %ld", &state, &parent) == 2 &&
            parent == self) {
            kill(static_cast<pid_t>(pid), SIGKILL);
        }
    }
    closedir(proc);
}

[[noreturn]] void finish(int code) {
    endChildren();
    logEvent("exit\t" + std::to_string(code));
    std::fflush(nullptr);
    // Nothing of the backend is closed: the display it would talk to may be
    // gone, and closing a window on a dead connection waits for ever.
    _exit(code);
}

[[noreturn]] void saveAndFinish() {
    EndHandler handler = endHandler.load();
    bool saved = handler == nullptr || handler();
    finish(saved ? 0 : 1);
}

// The main thread ends the program itself; this thread only makes sure it
// does not hang on the way.
[[noreturn]] void waitForTheMainThread() {
    sleepMs(kEndingMs);
    _exit(exitCodeInProgress.load() != 0 ? exitCodeInProgress.load() : 1);
}

void* signalThread(void* arg) {
    const sigset_t* set = static_cast<const sigset_t*>(arg);
    int signal = 0;
    while (sigwait(set, &signal) != 0) {
    }
    requestedSignal.store(signal);
    if (void (*wake)() = waker.load()) wake();
    for (int waited = 0; waited < kAnswerMs && modalDepth.load() == 0; waited += 10) {
        if (endOwner.load() == kMainThread) waitForTheMainThread();
        sleepMs(10);
    }
    int nobody = kNobody;
    if (!endOwner.compare_exchange_strong(nobody, kSignalThread)) waitForTheMainThread();
    logEvent(std::string("signal\t") + signalName(signal) + "\tended the program itself");
    saveAndFinish();
}

}  // namespace

void setEndHandler(EndHandler handler) {
    endHandler.store(handler);
}

bool saveNow() {
    EndHandler handler = endHandler.load();
    return handler == nullptr || handler();
}

void setWaker(void (*wake)()) {
    waker.store(wake);
}

void watchTerminationSignals() {
    mainPid = getpid();
    static sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    // Blocked here before any other thread exists, so every thread started
    // later has them blocked too and only the signal thread takes them.
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    pthread_t thread;
    if (pthread_create(&thread, nullptr, &signalThread, &set) == 0) {
        pthread_detach(thread);
    } else {
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    }
}

int takeEndRequest() {
    static bool told = false;
    int signal = requestedSignal.load();
    if (signal == 0 || told) return 0;
    told = true;
    logEvent(std::string("signal\t") + signalName(signal));
    return signal;
}

void claimEnd(int exitCode) {
    exitCodeInProgress.store(exitCode);
    int nobody = kNobody;
    if (endOwner.compare_exchange_strong(nobody, kMainThread) || nobody == kMainThread) return;
    // The signal thread is ending the program: wait for it.
    for (;;) pause();
}

void endNow(const std::string& why) {
    if (getpid() != mainPid) {
        // A child the desktop's box forked off inherits this: it ends alone.
        _exit(1);
    }
    int nobody = kNobody;
    if (!endOwner.compare_exchange_strong(nobody, kMainThread)) {
        if (nobody == kSignalThread) {
            for (;;) pause();
        }
        // Already ending (the settings are saved): only the exit is left.
        logEvent("end\t" + why);
        finish(exitCodeInProgress.load());
    }
    logEvent("end\t" + why);
    saveAndFinish();
}

ModalScope::ModalScope() {
    modalDepth.fetch_add(1);
}

ModalScope::~ModalScope() {
    modalDepth.fetch_sub(1);
    // The signal thread may have taken over while the box was up.
    if (endOwner.load() == kSignalThread) {
        for (;;) pause();
    }
}

}  // namespace platform
