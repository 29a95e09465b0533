#include "Instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <ctime>
#include <cwctype>
#include <functional>

#include "Config.h"
#include "InstanceRecord.h"
#include "WindowSystem.h"
#include "platform/Backend.h"
#include "platform/Platform.h"

namespace platform::instance {
namespace {

int lockFd = -1;
int listenFd = -1;

std::string baseName(const std::wstring& className) {
    std::string name;
    for (wchar_t c : className) {
        wchar_t lower = std::towlower(c);
        name += (lower < 128 && std::iswalnum(lower)) ? static_cast<char>(lower) : '_';
    }
    return rootDirectory() + "/run/" + name;
}

// A path that does not fit a socket address is replaced by an abstract
// socket named after it.
socklen_t socketAddress(const std::string& path, sockaddr_un* address) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() < sizeof address->sun_path) {
        std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
        return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    }
    std::string name = "deckhollow-" + std::to_string(std::hash<std::string>{}(path));
    std::memcpy(address->sun_path + 1, name.c_str(), name.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

}  // namespace

namespace {

std::string& problemText() {
    static std::string text;
    return text;
}

void pauseMs(long milliseconds) {
    timespec pause{0, milliseconds * 1'000'000L};
    ::nanosleep(&pause, nullptr);
}

int openRetried(const std::string& path, int flags, mode_t mode = 0) {
    for (int attempt = 0;; ++attempt) {
        int fd = ::open(path.c_str(), flags, mode);
        if (fd >= 0 || errno != EINTR || attempt == 40) return fd;
    }
}

}  // namespace

const std::string& problem() { return problemText(); }

Claim claim(const std::wstring& className) {
    std::string base = baseName(className);
    std::string lockPath = base + ".lock";
    ::mkdir((rootDirectory() + "/run").c_str(), 0755);
    int fd = openRetried(lockPath, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        problemText() = lockPath + ": " + std::strerror(errno);
        return Claim::Failed;
    }
    // Another start that only looks (FindWindowW) holds the lock for a
    // moment; a running program holds it for good.
    for (int attempt = 0; ::flock(fd, LOCK_EX | LOCK_NB) != 0; ++attempt) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            problemText() = lockPath + ": " + std::strerror(errno);
            ::close(fd);
            return Claim::Failed;
        }
        if (attempt == 30) {
            ::close(fd);
            return Claim::HeldElsewhere;
        }
        pauseMs(10);
    }
    std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) (void)!::write(fd, pid.data(), pid.size());
    lockFd = fd;

    std::string socketPath = base + ".sock";
    ::unlink(socketPath.c_str());  // left by a process that was killed
    int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address;
    socklen_t length = socketAddress(socketPath, &address);
    if (s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
        ::listen(s, 8) == 0) {
        listenFd = s;
    } else if (s >= 0) {
        ::close(s);  // single instance still holds through the lock alone
    }
    return Claim::Taken;
}

bool heldElsewhere(const std::wstring& className) {
    std::string lockPath = baseName(className) + ".lock";
    int fd = openRetried(lockPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // A shared probe: two starts looking at once never see each other's
    // probe as a running program.
    bool held = false;
    while (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        held = errno == EWOULDBLOCK;
        break;
    }
    ::close(fd);  // closing drops the probe's own lock, if it got one
    return held;
}

void send(const std::wstring& className, UINT message, WPARAM wParam) {
    sockaddr_un address;
    socklen_t length = socketAddress(baseName(className) + ".sock", &address);
    // The holder listens a moment after it took the lock: try for up to two
    // seconds while it still holds the lock.
    for (int attempt = 0; attempt < 200; ++attempt) {
        int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (s < 0) return;
        if (::connect(s, reinterpret_cast<sockaddr*>(&address), length) == 0) {
            uint8_t bytes[kRecordBytes];
            encodeRecord(Record{message, static_cast<uint64_t>(wParam)}, bytes);
            (void)!::write(s, bytes, sizeof bytes);
            ::close(s);
            return;
        }
        int error = errno;
        ::close(s);
        if (error != ECONNREFUSED && error != ENOENT && error != EAGAIN && error != EINTR) return;
        if (!heldElsewhere(className)) return;
        pauseMs(10);
    }
}

void poll() {
    if (listenFd < 0) return;
    for (;;) {
        // Asked every frame: a look at the socket costs the kernel nothing,
        // where accept makes a socket first and throws it away when no one
        // is waiting.
        pollfd waiting{listenFd, POLLIN, 0};
        if (::poll(&waiting, 1, 0) <= 0) return;
        int c = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (c < 0) return;
        pollfd p{c, POLLIN, 0};
        // One more byte than a record: a longer message is not one of ours.
        uint8_t bytes[kRecordBytes + 1];
        Record record;
        ssize_t got = ::poll(&p, 1, 200) > 0 ? ::read(c, bytes, sizeof bytes) : -1;
        if (got > 0 && decodeRecord(bytes, static_cast<size_t>(got), &record)) {
            windows::post(windows::mainWindow(), record.message, static_cast<WPARAM>(record.wParam),
                          0);
            if (record.message == WM_ACTIVATE && LOWORD(record.wParam) != WA_INACTIVE) {
                backend().raiseWindow();
            }
            logEvent("message\tfrom another instance\t" + std::to_string(record.message) + "\t" +
                     std::to_string(record.wParam));
        }
        ::close(c);
    }
}

}  // namespace platform::instance
