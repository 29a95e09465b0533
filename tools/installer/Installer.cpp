#include "tools/installer/Installer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "gamekit/settings/InstallDir.h"
#include "platform/Device.h"
#include "tools/installer/InstallFiles.h"
#include "tools/installer/InstallKey.h"

namespace installer {

namespace fs = std::filesystem;

namespace {

// Calls that fail because a signal came are made again.
template <typename Call>
auto again(Call call) -> decltype(call()) {
    for (int attempt = 0;; ++attempt) {
        auto result = call();
        if (result >= 0 || errno != EINTR || attempt == 40) return result;
    }
}

std::string failure(const std::string& what, const fs::path& path, int error) {
    return what + " " + path.string() + ": " + std::strerror(error);
}

// The whole file, or false (with errno) when it is missing or a read fails.
bool readFile(const fs::path& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    int fd = again([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC); });
    if (fd < 0) return false;
    uint8_t buffer[65536];
    bool ok = true;
    while (true) {
        ssize_t got = again([&] { return ::read(fd, buffer, sizeof buffer); });
        if (got < 0) ok = false;
        if (got <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}

// Writes beside the target, flushes it to the disk and renames it over the
// target, so a reader never sees half a file and an interrupted run or a
// failing disk leaves the old file whole.
bool writeFileAtomically(const fs::path& path, const std::vector<uint8_t>& bytes,
                         std::string& error) {
    fs::path temporary = path;
    temporary += ".part";
    int fd = again(
        [&] { return ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644); });
    if (fd < 0) {
        error = failure("cannot create", temporary, errno);
        return false;
    }
    size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        ssize_t put = again([&] { return ::write(fd, bytes.data() + done, bytes.size() - done); });
        if (put < 0) ok = false;
        else done += static_cast<size_t>(put);
    }
    if (ok && again([&] { return ::fsync(fd); }) != 0) ok = false;
    int code = errno;
    // After fsync the data are on the disk: an interrupted close has closed.
    if (::close(fd) != 0 && errno != EINTR && ok) {
        ok = false;
        code = errno;
    }
    if (ok && again([&] { return ::rename(temporary.c_str(), path.c_str()); }) != 0) {
        error = failure("cannot rename", temporary, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    if (!ok) {
        error = failure("cannot write", temporary, code);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string resolveRoot(const std::string& argument) {
    if (!argument.empty()) return argument;
    const char* root = std::getenv("DECKHOLLOW_ROOT");
    if (root != nullptr && root[0] != '\0') return root;
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data != nullptr && data[0] != '\0') return std::string(data) + "/deckhollow";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.local/share/deckhollow";
}

std::string installDirectory(const std::string& root) {
    return (fs::path(root) / "Program Files" / "Tarnwick Software" / "Deckhollow").string();
}

InstallReport install(const InstallOptions& options) {
    InstallReport report;
    const std::string root = resolveRoot(options.root);
    // The registry and the device paths follow the device root; the root
    // given to the installer becomes this process's one.
    if (platform::deviceRoot() != root) platform::setDeviceRootForTesting(root);
    // Device names compare without regard to case: an install directory that
    // already exists in another spelling is the one to fill.
    report.directory = platform::hostPath(gamekit::kDefaultInstallDir);
    if (report.directory.empty()) report.directory = installDirectory(root);
    const fs::path directory(report.directory);
    const std::vector<InstallFile> files = installFiles();

    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec) {
        report.failed = static_cast<int>(files.size());
        report.firstError = "cannot create " + report.directory + ": " + ec.message();
        return report;
    }
    for (const InstallFile& file : files) {
        const fs::path path = directory / file.name;
        std::vector<uint8_t> existing;
        const bool present = readFile(path, existing);
        // Present is not enough: a damaged picture would stop every start.
        if (options.ifMissing && present && looksWhole(file, existing)) {
            ++report.kept;
            continue;
        }
        const std::vector<uint8_t> bytes = file.make();
        if (present && existing == bytes) {
            ++report.unchanged;
            continue;
        }
        std::string error;
        if (writeFileAtomically(path, bytes, error)) {
            ++report.written;
        } else {
            if (report.failed++ == 0) report.firstError = error;
        }
    }
    // The key tells the programs the files are there: set it only then.
    if (report.failed == 0 && !installDirIsSet()) {
        std::string error;
        if (writeInstallDir(error)) {
            report.keySet = true;
        } else if (report.failed++ == 0) {
            report.firstError = error;
        }
    }
    return report;
}

std::string InstallReport::summary() const {
    char line[1024];
    if (!ok()) {
        std::snprintf(line, sizeof line, "deckhollow-install: FAILED, %d item(s) not written (%s)",
                      failed, firstError.c_str());
    } else if (written == 0 && !keySet) {
        std::snprintf(line, sizeof line,
                      "deckhollow-install: nothing to do, all %d files in %s and InstallDir set",
                      unchanged + kept, directory.c_str());
    } else {
        std::snprintf(line, sizeof line, "deckhollow-install: wrote %d file(s)%s into %s%s",
                      written, (unchanged + kept) > 0 ? " (the others were in place)" : "",
                      directory.c_str(), keySet ? " and set InstallDir" : "");
    }
    return line;
}

}  // namespace installer
