#include "FaultShim.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace faults {
namespace {

struct State {
    bool watching = false;
    std::string directory;  // with a trailing '/'
    long count = 0;
    long failAt = 0;
    int error = 0;
    bool onlyOneKind = false;
    bool failEvery = false;
    std::string suffix;
    Op only = Op::Open;
    std::vector<Seen> seen;
    std::vector<std::string> fdPaths = std::vector<std::string>(4096);  // "" when not watched
};

// Never destroyed: the C library may call in during exit, after static
// destructors ran.
State& state() {
    static State* s = new State;
    return *s;
}

bool below(const char* path) {
    State& s = state();
    if (path == nullptr) return false;
    size_t n = s.directory.size();
    return std::strncmp(path, s.directory.c_str(), n) == 0 ||
           (std::strlen(path) + 1 == n && std::strncmp(path, s.directory.c_str(), n - 1) == 0);
}

const std::string* watchedFd(int fd) {
    State& s = state();
    if (!s.watching || fd < 0 || fd >= static_cast<int>(s.fdPaths.size())) return nullptr;
    return s.fdPaths[fd].empty() ? nullptr : &s.fdPaths[fd];
}

// Counts one operation; true when it is the one that must fail (errno set).
bool strike(Op op, const std::string& path) {
    State& s = state();
    if (s.onlyOneKind && op != s.only) return false;
    if (!s.suffix.empty() && (path.size() < s.suffix.size() ||
                              path.compare(path.size() - s.suffix.size(), s.suffix.size(),
                                           s.suffix) != 0)) {
        return false;
    }
    ++s.count;
    bool fail = s.failEvery || (s.failAt > 0 && s.count == s.failAt);
    s.seen.push_back({op, path, fail});
    if (fail) errno = s.error;
    return fail;
}

template <typename F>
F real(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// The mode an open passes only when it may create the file.
mode_t modeArgument(int flags, va_list args) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
}

int openCommon(const char* symbol, int dirfd, const char* path, int flags, mode_t mode) {
    using OpenAt = int (*)(int, const char*, int, ...);
    using Open = int (*)(const char*, int, ...);
    State& s = state();
    bool counted = false;
    if (s.watching) {
        bool relative = path != nullptr && path[0] != '/';
        counted = relative ? watchedFd(dirfd) != nullptr : below(path);
        if (counted && strike(Op::Open, path)) return -1;
    }
    int fd;
    if (std::strncmp(symbol, "openat", 6) == 0) {
        static auto openatReal = real<OpenAt>("openat");
        fd = openatReal(dirfd, path, flags, mode);
    } else {
        static auto openReal = real<Open>("open");
        fd = openReal(path, flags, mode);
    }
    if (counted && fd >= 0 && fd < static_cast<int>(s.fdPaths.size())) s.fdPaths[fd] = path;
    return fd;
}

void readEnvironment() {
    const char* root = std::getenv("DECKHOLLOW_FAULT_ROOT");
    if (root == nullptr || root[0] == '\0') return;
    watch(root);
    const char* at = std::getenv("DECKHOLLOW_FAULT_AT");
    const char* error = std::getenv("DECKHOLLOW_FAULT_ERRNO");
    const char* kind = std::getenv("DECKHOLLOW_FAULT_KIND");
    long n = at != nullptr ? std::atol(at) : 0;
    int e = error != nullptr ? errnoFromName(error) : EIO;
    if (const char* file = std::getenv("DECKHOLLOW_FAULT_FILE")) onlyFiles(file);
    if (kind != nullptr && kind[0] != '\0') {
        for (Op op : {Op::Open, Op::Read, Op::Write, Op::Fsync, Op::Rename, Op::Close}) {
            if (std::strcmp(kind, opName(op)) == 0) failAt(n, e, op);
        }
    } else {
        failAt(n, e);
    }
    if (at != nullptr && std::strcmp(at, "all") == 0) failAll(e);
}

void writeReport() {
    const char* report = std::getenv("DECKHOLLOW_FAULT_REPORT");
    State& s = state();
    if (report == nullptr || !s.watching) return;
    s.watching = false;
    FILE* out = std::fopen(report, "w");
    if (out == nullptr) return;
    std::fprintf(out, "%ld\n", s.count);
    for (const Seen& seen : s.seen) {
        std::fprintf(out, "%s %s%s\n", opName(seen.op), seen.path.c_str(),
                     seen.failed ? " FAILED" : "");
    }
    std::fclose(out);
}

// Runs in a preloaded copy before main; harmless in a linked one, where the
// variables are simply not set.
__attribute__((constructor)) void fromEnvironment() {
    readEnvironment();
    std::atexit(writeReport);
}

}  // namespace

const char* opName(Op op) {
    switch (op) {
        case Op::Open: return "open";
        case Op::Read: return "read";
        case Op::Write: return "write";
        case Op::Fsync: return "fsync";
        case Op::Rename: return "rename";
        case Op::Close: return "close";
    }
    return "?";
}

void watch(const std::string& directory) {
    State& s = state();
    s.directory = directory;
    if (s.directory.empty() || s.directory.back() != '/') s.directory += '/';
    s.count = 0;
    s.failAt = 0;
    s.onlyOneKind = false;
    s.failEvery = false;
    s.suffix.clear();
    s.seen.clear();
    for (std::string& path : s.fdPaths) path.clear();
    s.watching = true;
}

void failAt(long n, int error) {
    State& s = state();
    s.failAt = n;
    s.error = error;
    s.failEvery = false;
    s.onlyOneKind = false;
}

void failAt(long n, int error, Op only) {
    failAt(n, error);
    state().onlyOneKind = true;
    state().only = only;
}

void failAll(int error) {
    state().failEvery = true;
    state().error = error;
}

void onlyFiles(const std::string& suffix) { state().suffix = suffix; }

void stop() {
    State& s = state();
    s.watching = false;
    s.failAt = 0;
    s.failEvery = false;
    for (std::string& path : s.fdPaths) path.clear();
}

long operationCount() { return state().count; }
const std::vector<Seen>& seen() { return state().seen; }

int errnoFromName(const std::string& name) {
    static const struct {
        const char* name;
        int value;
    } known[] = {{"EIO", EIO},       {"ENOSPC", ENOSPC}, {"EACCES", EACCES}, {"EINTR", EINTR},
                 {"EAGAIN", EAGAIN}, {"EMFILE", EMFILE}, {"ENFILE", ENFILE}, {"ENOMEM", ENOMEM},
                 {"EROFS", EROFS},   {"EPERM", EPERM},   {"EDQUOT", EDQUOT}, {"ENOENT", ENOENT}};
    for (const auto& k : known) {
        if (name == k.name) return k.value;
    }
    int number = std::atoi(name.c_str());
    return number > 0 ? number : 0;
}

}  // namespace faults

using faults::Op;
using faults::state;

extern "C" {

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = faults::modeArgument(flags, args);
    va_end(args);
    return faults::openCommon("open", AT_FDCWD, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = faults::modeArgument(flags, args);
    va_end(args);
    return faults::openCommon("open", AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = faults::modeArgument(flags, args);
    va_end(args);
    return faults::openCommon("openat", dirfd, path, flags, mode);
}

int openat64(int dirfd, const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = faults::modeArgument(flags, args);
    va_end(args);
    return faults::openCommon("openat", dirfd, path, flags, mode);
}

ssize_t read(int fd, void* buffer, size_t size) {
    static auto readReal = faults::real<ssize_t (*)(int, void*, size_t)>("read");
    if (const std::string* path = faults::watchedFd(fd)) {
        if (faults::strike(Op::Read, *path)) return -1;
    }
    return readReal(fd, buffer, size);
}

ssize_t write(int fd, const void* buffer, size_t size) {
    static auto writeReal = faults::real<ssize_t (*)(int, const void*, size_t)>("write");
    if (const std::string* path = faults::watchedFd(fd)) {
        if (faults::strike(Op::Write, *path)) return -1;
    }
    return writeReal(fd, buffer, size);
}

int fsync(int fd) {
    static auto fsyncReal = faults::real<int (*)(int)>("fsync");
    if (const std::string* path = faults::watchedFd(fd)) {
        if (faults::strike(Op::Fsync, *path)) return -1;
    }
    return fsyncReal(fd);
}

int fdatasync(int fd) {
    static auto fdatasyncReal = faults::real<int (*)(int)>("fdatasync");
    if (const std::string* path = faults::watchedFd(fd)) {
        if (faults::strike(Op::Fsync, *path)) return -1;
    }
    return fdatasyncReal(fd);
}

int close(int fd) {
    static auto closeReal = faults::real<int (*)(int)>("close");
    if (const std::string* path = faults::watchedFd(fd)) {
        std::string name = *path;
        state().fdPaths[fd].clear();
        if (faults::strike(Op::Close, name)) {
            // As Linux does for EINTR and EIO alike: the descriptor is gone.
            int error = errno;
            closeReal(fd);
            errno = error;
            return -1;
        }
    }
    return closeReal(fd);
}

int rename(const char* from, const char* to) {
    static auto renameReal = faults::real<int (*)(const char*, const char*)>("rename");
    if (state().watching && (faults::below(from) || faults::below(to))) {
        if (faults::strike(Op::Rename, to)) return -1;
    }
    return renameReal(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    static auto renameatReal = faults::real<int (*)(int, const char*, int, const char*)>("renameat");
    if (state().watching && (faults::below(from) || faults::below(to))) {
        if (faults::strike(Op::Rename, to)) return -1;
    }
    return renameatReal(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    static auto renameat2Real =
        faults::real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    if (state().watching && (faults::below(from) || faults::below(to))) {
        if (faults::strike(Op::Rename, to)) return -1;
    }
    return renameat2Real(fromDir, from, toDir, to, flags);
}

}  // extern "C"
