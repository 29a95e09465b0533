#include "platform/RegistryStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/Device.h"

namespace platform::registry {

namespace {

// Past this the file is not something our programs wrote.
constexpr off_t kMaxFileBytes = 16 * 1024 * 1024;

enum class ReadOutcome { Read, Missing, Unreadable, Busy };

// Errors that say nothing about the file itself: the file must not be moved
// aside (or written over) because of them.
bool isPassing(int error) {
    return error == EMFILE || error == ENFILE || error == ENOMEM || error == EAGAIN ||
           error == EINTR;
}

ReadOutcome readWhole(const std::string& path, std::string& out) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return ReadOutcome::Missing;
        return isPassing(errno) ? ReadOutcome::Busy : ReadOutcome::Unreadable;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes) {
        ::close(fd);
        return ReadOutcome::Unreadable;
    }
    char buffer[8192];
    while (true) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            int error = errno;
            ::close(fd);
            return isPassing(error) ? ReadOutcome::Busy : ReadOutcome::Unreadable;
        }
        if (got == 0) break;
        out.append(buffer, static_cast<size_t>(got));
        if (static_cast<off_t>(out.size()) > kMaxFileBytes) {
            ::close(fd);
            return ReadOutcome::Unreadable;
        }
    }
    ::close(fd);
    return ReadOutcome::Read;
}

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

// Holds the advisory lock that orders every reader and writer of the file.
class FileLock {
  public:
    explicit FileLock(const std::string& root) {
        fd_ = ::open((root + "/registry.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0) return;
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
                return;
            }
        }
    }
    ~FileLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
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

bool Store::readFile(Hive& hive, Stamp& stamp) const {
    std::string path = registryFilePath();
    std::string bytes;
    stamp = stampOf(path);
    ReadOutcome outcome = readWhole(path, bytes);
    if (outcome == ReadOutcome::Read && parseRegistryText(bytes, hive) == ParseResult::Ok) {
        return true;
    }
    hive = Hive();
    if (outcome == ReadOutcome::Busy) return false;
    if (outcome != ReadOutcome::Missing) {
        // Keep the damaged file for whoever wants to look at it, and start
        // over from an empty registry.
        ::rename(path.c_str(), (path + ".bad").c_str());
        stamp = stampOf(path);
    }
    return true;
}

void Store::refresh() {
    const std::string& root = deviceRoot();
    if (loaded_ && root == root_ && stampOf(registryFilePath()) == stamp_) return;
    if (root != root_) pending_.clear();  // changes made on another device stay there
    root_ = root;
    FileLock lock(root_);
    // A file that could not be read for the moment is read again next time.
    loaded_ = readFile(view_, stamp_);
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
    if (!lock.held()) return false;
    Hive current;
    Stamp stamp;
    if (!readFile(current, stamp)) return false;  // never write over what was not read
    for (const Change& change : pending_) current.apply(change);

    std::string path = registryFilePath();
    std::string temporary = path + ".tmp";  // only the lock holder writes it
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool written = writeAll(fd, formatRegistryText(current)) && ::fsync(fd) == 0;
    written = (::close(fd) == 0) && written;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    int directory = ::open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    pending_.clear();
    view_ = std::move(current);
    stamp_ = stampOf(path);
    return true;
}

void Store::discard() {
    loaded_ = false;
    root_.clear();
    view_ = Hive();
    pending_.clear();
    stamp_ = Stamp();
}

Store& store() {
    static Store instance;
    return instance;
}

void discardRegistryForTesting() {
    store().discard();
}

}  // namespace platform::registry
