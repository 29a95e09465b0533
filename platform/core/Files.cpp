#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <set>
#include <string>

#include "platform/Device.h"

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct FileObject {
    int fd;
};

// Handles given out and not yet closed: a stale or foreign handle is refused
// instead of being dereferenced. The set is never destroyed, so a file left
// open at exit is still reachable.
std::set<FileObject*>& openFiles() {
    static auto* files = new std::set<FileObject*>;  // never destroyed, as above
    return *files;
}
std::mutex filesMutex;

FileObject* lookUp(HANDLE handle) {
    std::lock_guard<std::mutex> lock(filesMutex);
    auto found = openFiles().find(static_cast<FileObject*>(handle));
    return found == openFiles().end() ? nullptr : *found;
}

DWORD errorFromErrno(int error) {
    switch (error) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
            return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return ERROR_ACCESS_DENIED;
        case EEXIST:
            return ERROR_FILE_EXISTS;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        default:
            return ERROR_INVALID_PARAMETER;
    }
}

BOOL fail(DWORD error) {
    lastError = error;
    return FALSE;
}

}  // namespace

DWORD GetLastError() {
    return lastError;
}
void SetLastError(DWORD error) {
    lastError = error;
}

HANDLE CreateFileW(LPCWSTR name, DWORD access, DWORD, void*, DWORD creation, DWORD, HANDLE) {
    std::string path = platform::hostPath(name);
    if (path.empty()) {
        lastError = ERROR_PATH_NOT_FOUND;
        return INVALID_HANDLE_VALUE;
    }
    bool reading = (access & GENERIC_READ) != 0;
    bool writing = (access & GENERIC_WRITE) != 0;
    int flags = O_CLOEXEC | O_NONBLOCK;  // a FIFO must not block the open
    flags |= (reading && writing) ? O_RDWR : writing ? O_WRONLY : O_RDONLY;
    switch (creation) {
        case CREATE_NEW:
            flags |= O_CREAT | O_EXCL;
            break;
        case CREATE_ALWAYS:
            flags |= O_CREAT | O_TRUNC;
            break;
        case OPEN_EXISTING:
            break;
        case OPEN_ALWAYS:
            flags |= O_CREAT;
            break;
        case TRUNCATE_EXISTING:
            flags |= O_TRUNC;
            break;
        default:
            lastError = ERROR_INVALID_PARAMETER;
            return INVALID_HANDLE_VALUE;
    }
    if ((flags & (O_CREAT | O_TRUNC)) != 0 && !writing) {
        lastError = ERROR_ACCESS_DENIED;
        return INVALID_HANDLE_VALUE;
    }
    int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        lastError = errorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        lastError = ERROR_ACCESS_DENIED;
        return INVALID_HANDLE_VALUE;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto* file = new FileObject{fd};
    {
        std::lock_guard<std::mutex> lock(filesMutex);
        openFiles().insert(file);
    }
    lastError = ERROR_SUCCESS;
    return file;
}

BOOL ReadFile(HANDLE handle, void* buffer, DWORD toRead, DWORD* bytesRead, void* overlapped) {
    if (bytesRead != nullptr) *bytesRead = 0;
    FileObject* file = lookUp(handle);
    if (file == nullptr) return fail(ERROR_INVALID_HANDLE);
    if (overlapped != nullptr || (buffer == nullptr && toRead > 0)) {
        return fail(ERROR_INVALID_PARAMETER);
    }
    DWORD total = 0;
    auto* out = static_cast<char*>(buffer);
    while (total < toRead) {
        ssize_t got = ::read(file->fd, out + total, toRead - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            if (bytesRead != nullptr) *bytesRead = total;
            return fail(ERROR_READ_FAULT);
        }
        if (got == 0) break;
        total += static_cast<DWORD>(got);
    }
    if (bytesRead != nullptr) *bytesRead = total;
    lastError = ERROR_SUCCESS;
    return TRUE;
}

BOOL WriteFile(HANDLE handle, const void* buffer, DWORD toWrite, DWORD* bytesWritten,
               void* overlapped) {
    if (bytesWritten != nullptr) *bytesWritten = 0;
    FileObject* file = lookUp(handle);
    if (file == nullptr) return fail(ERROR_INVALID_HANDLE);
    if (overlapped != nullptr || (buffer == nullptr && toWrite > 0)) {
        return fail(ERROR_INVALID_PARAMETER);
    }
    DWORD total = 0;
    const auto* in = static_cast<const char*>(buffer);
    while (total < toWrite) {
        ssize_t put = ::write(file->fd, in + total, toWrite - total);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (bytesWritten != nullptr) *bytesWritten = total;
            return fail(ERROR_WRITE_FAULT);
        }
        total += static_cast<DWORD>(put);
    }
    if (bytesWritten != nullptr) *bytesWritten = total;
    lastError = ERROR_SUCCESS;
    return TRUE;
}

DWORD SetFilePointer(HANDLE handle, LONG distance, LONG* distanceHigh, DWORD method) {
    FileObject* file = lookUp(handle);
    if (file == nullptr) {
        lastError = ERROR_INVALID_HANDLE;
        return INVALID_SET_FILE_POINTER;
    }
    int64_t offset = distance;
    if (distanceHigh != nullptr) {
        offset = static_cast<int64_t>(
            (static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32) |
            static_cast<uint32_t>(distance));
    }
    int whence = method == FILE_BEGIN     ? SEEK_SET
                 : method == FILE_CURRENT ? SEEK_CUR
                 : method == FILE_END     ? SEEK_END
                                          : -1;
    if (whence < 0) {
        lastError = ERROR_INVALID_PARAMETER;
        return INVALID_SET_FILE_POINTER;
    }
    off_t base = 0;
    if (whence == SEEK_CUR) base = ::lseek(file->fd, 0, SEEK_CUR);
    if (whence == SEEK_END) {
        struct stat info;
        base = ::fstat(file->fd, &info) == 0 ? info.st_size : -1;
    }
    int64_t target = static_cast<int64_t>(base) + offset;
    // The whole 32-bit range is usable except the value that means failure.
    if (base < 0 || target < 0 || target >= static_cast<int64_t>(INVALID_SET_FILE_POINTER)) {
        lastError = ERROR_INVALID_PARAMETER;
        return INVALID_SET_FILE_POINTER;
    }
    if (::lseek(file->fd, static_cast<off_t>(target), SEEK_SET) < 0) {
        lastError = errorFromErrno(errno);
        return INVALID_SET_FILE_POINTER;
    }
    if (distanceHigh != nullptr) *distanceHigh = 0;
    lastError = ERROR_SUCCESS;
    return static_cast<DWORD>(target);
}

BOOL CloseHandle(HANDLE handle) {
    FileObject* file = nullptr;
    {
        std::lock_guard<std::mutex> lock(filesMutex);
        auto found = openFiles().find(static_cast<FileObject*>(handle));
        if (found == openFiles().end()) return fail(ERROR_INVALID_HANDLE);
        file = *found;
        openFiles().erase(found);
    }
    ::close(file->fd);
    delete file;
    lastError = ERROR_SUCCESS;
    return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR name) {
    std::string path = platform::hostPath(name);
    struct stat info;
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        lastError = path.empty() ? ERROR_PATH_NOT_FOUND : errorFromErrno(errno);
        return INVALID_FILE_ATTRIBUTES;
    }
    return S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

BOOL CreateDirectoryW(LPCWSTR name, void*) {
    std::string path = platform::hostPath(name);
    if (path.empty()) return fail(ERROR_PATH_NOT_FOUND);
    if (::mkdir(path.c_str(), 0777) != 0) {
        return fail(errno == EEXIST ? ERROR_ALREADY_EXISTS : errorFromErrno(errno));
    }
    lastError = ERROR_SUCCESS;
    return TRUE;
}

BOOL DeleteFileW(LPCWSTR name) {
    std::string path = platform::hostPath(name);
    if (path.empty()) return fail(ERROR_PATH_NOT_FOUND);
    if (::unlink(path.c_str()) != 0) return fail(errorFromErrno(errno));
    lastError = ERROR_SUCCESS;
    return TRUE;
}
