#include "platform/RegistryStore.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "HostStore.h"
#include "platform/Device.h"

namespace platform::registry {

namespace {

// Past this the file is not something our programs wrote: damage.
constexpr off_t kMaxFileBytes = 16 * 1024 * 1024;

// Errors that say nothing about the file itself: the call is tried again
// after a short pause, and the file is never moved aside or written over
// because of them.
bool isPassing(int error) {
    return error == EMFILE || error == ENFILE || error == ENOMEM || error == EAGAIN ||
           error == EINTR;
}

// Runs `call` until it succeeds or fails for a reason that does not pass:
// an interrupted call at once, a lack of descriptors or memory after a
// pause (about a quarter of a second in all).
template <typename Call>
auto retried(Call call) -> decltype(call()) {
    for (int attempt = 0;; ++attempt) {
        auto result = call();
        if (result >= 0 || !isPassing(errno) || attempt == 40) return result;
        if (errno != EINTR) {
            int error = errno;
            timespec pause{0, 5'000'000L * (attempt < 10 ? attempt + 1 : 10)};
            ::nanosleep(&pause, nullptr);
            errno = error;
        }
    }
}

int openFile(const std::string& path, int flags, mode_t mode = 0) {
    return retried([&] { return ::open(path.c_str(), flags, mode); });
}

// Closing after reading: Linux has released the descriptor whatever close
// reports, and what was read is whole.
void closeAfterReading(int fd) {
    ::close(fd);
}

std::string describe(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

enum class ReadOutcome { Read, Missing, Damaged, Failed };

ReadOutcome readWhole(const std::string& path, std::string& out, std::string& problem) {
    out.clear();
    int fd = openFile(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return ReadOutcome::Missing;
        problem = describe(path, errno);
        return ReadOutcome::Failed;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        problem = describe(path, errno);
        closeAfterReading(fd);
        return ReadOutcome::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = describe(path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        if (!S_ISDIR(info.st_mode)) problem = path + ": not a regular file";
        closeAfterReading(fd);
        return ReadOutcome::Failed;
    }
    if (info.st_size > kMaxFileBytes) {
        closeAfterReading(fd);
        return ReadOutcome::Damaged;
    }
    char buffer[8192];
    while (true) {
        ssize_t got = retried([&] { return ::read(fd, buffer, sizeof buffer); });
        if (got < 0) {
            problem = describe(path, errno);
            closeAfterReading(fd);
            return ReadOutcome::Failed;
        }
        if (got == 0) break;
        out.append(buffer, static_cast<size_t>(got));
        if (static_cast<off_t>(out.size()) > kMaxFileBytes) {
            closeAfterReading(fd);
            return ReadOutcome::Damaged;
        }
    }
    closeAfterReading(fd);
    return ReadOutcome::Read;
}

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t put =
            retried([&] { return ::write(fd, text.data() + done, text.size() - done); });
        if (put < 0) return false;
        if (put == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(put);
    }
    return true;
}

// Moves a damaged file to the first free registry.reg.bad.N, never over an
// earlier copy.
bool setAside(const std::string& path, std::string& problem) {
    for (int n = 1; n < 100000; ++n) {
        std::string target = path + ".bad." + std::to_string(n);
        int moved = retried([&] {
            return ::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
        });
        if (moved != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without the no-replace rename: the lock orders
            // every writer, so looking first is enough.
            struct stat info;
            if (::lstat(target.c_str(), &info) == 0) continue;
            moved = retried([&] { return ::rename(path.c_str(), target.c_str()); });
        }
        if (moved == 0 || errno == ENOENT) return true;  // gone already: someone else moved it
        if (errno != EEXIST) {
            problem = describe(path, errno);
            return false;
        }
    }
    problem = path + ": too many damaged copies beside it";
    return false;
}

// Holds the advisory lock that orders every writer of the file.
class FileLock {
  public:
    explicit FileLock(const std::string& root) : path_(root + "/registry.lock") {
        hoststore::begin();
        fd_ = openFile(path_, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        if (retried([&] { return ::flock(fd_, LOCK_EX); }) != 0) {
            error_ = errno;
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~FileLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
        hoststore::end();
    }
    bool held() const { return fd_ >= 0; }
    std::string problem() const { return describe(path_, error_); }

  private:
    std::string path_;
    int fd_ = -1;
    int error_ = 0;
};

void flushAtExit() {
    store().commit();
}

}  // namespace

std::string registryFilePath() {
    return deviceRoot() + "/registry.reg";
}

Store::Stamp Store::stampOf(const std::string& path) {
    Stamp stamp;
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = static_cast<unsigned long long>(info.st_size);
    stamp.seconds = info.st_mtim.tv_sec;
    stamp.nanoseconds = info.st_mtim.tv_nsec;
    return stamp;
}

bool Store::readFile(Hive& hive, Stamp& stamp, std::string& problem) const {
    std::string path = registryFilePath();
    std::string bytes;
    stamp = stampOf(path);
    ReadOutcome outcome = readWhole(path, bytes, problem);
    if (outcome == ReadOutcome::Failed) return false;
    if (outcome == ReadOutcome::Read && parseRegistryText(bytes, hive) == ParseResult::Ok) {
        return true;
    }
    hive = Hive();
    if (outcome == ReadOutcome::Missing) return true;
    // Read whole and not a registry: keep it for whoever wants to look at
    // it, and start over from an empty registry.
    if (!setAside(path, problem)) return false;
    stamp = stampOf(path);
    return true;
}

void Store::refresh() {
    const std::string& root = deviceRoot();
    if (loaded_ && root == root_ && stampOf(registryFilePath()) == stamp_) return;
    if (root != root_) {
        // Changes made on another device stay there.
        pending_.clear();
        loaded_ = false;
        view_ = Hive();
    }
    root_ = root;
    // Readers need no lock (the file is only ever replaced whole); it keeps
    // a damaged file from being moved while a writer works. A root where
    // the lock cannot be made can still be read.
    FileLock lock(root_);
    Hive read;
    Stamp stamp;
    std::string problem;
    if (!readFile(read, stamp, problem)) {
        // What was read before stays; nothing is known when nothing was.
        problem_ = problem;
        return;
    }
    problem_.clear();
    loaded_ = true;
    stamp_ = stamp;
    view_ = std::move(read);
    for (const Change& change : pending_) view_.apply(change);
}

void Store::record(const Change& change) {
    if (!loaded_) refresh();
    static bool exitHookInstalled = false;
    if (!exitHookInstalled) {
        // A program that ends without closing its keys still keeps its values.
        std::atexit(flushAtExit);
        exitHookInstalled = true;
    }
    view_.apply(change);
    pending_.push_back(change);
}

bool Store::commit() {
    if (pending_.empty()) return true;
    if (deviceRoot() != root_) return false;
    FileLock lock(root_);
    if (!lock.held()) {
        problem_ = lock.problem();
        return false;
    }
    Hive current;
    Stamp stamp;
    if (!readFile(current, stamp, problem_)) return false;  // never write over what was not read
    const std::string before = formatRegistryText(current);
    for (const Change& change : pending_) current.apply(change);
    const std::string text = formatRegistryText(current);
    std::string path = registryFilePath();
    if (text == before && stamp.exists) {
        // The programs set their settings again at every start, mostly to
        // what they were: rewriting an unchanged file would cost a wait for
        // the disk (a tenth of a second on a busy one) and nothing else.
        settle(std::move(current), stamp);
        return true;
    }

    std::string temporary = path + ".tmp";  // only the lock holder writes it
    int fd = openFile(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        problem_ = describe(temporary, errno);
        return false;
    }
    bool written = writeAll(fd, text) &&
                   retried([&] { return ::fsync(fd); }) == 0;
    int error = errno;
    // The data are on the disk once fsync returned: a close interrupted
    // after that has still closed the file.
    if (::close(fd) != 0 && errno != EINTR && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        problem_ = describe(temporary, error);
        ::unlink(temporary.c_str());
        return false;
    }
    if (retried([&] { return ::rename(temporary.c_str(), path.c_str()); }) != 0) {
        problem_ = describe(path, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    // Best effort: the new file is complete in place whatever this reports.
    int directory = openFile(root_, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        retried([&] { return ::fsync(directory); });
        ::close(directory);
    }
    settle(std::move(current), stampOf(path));
    return true;
}

void Store::settle(Hive current, const Stamp& stamp) {
    problem_.clear();
    loaded_ = true;
    pending_.clear();
    view_ = std::move(current);
    stamp_ = stamp;
}

void Store::discard() {
    loaded_ = false;
    root_.clear();
    view_ = Hive();
    pending_.clear();
    stamp_ = Stamp();
    problem_.clear();
}

Store& store() {
    static Store instance;
    return instance;
}

void discardRegistryForTesting() {
    store().discard();
}

}  // namespace platform::registry
