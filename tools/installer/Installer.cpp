#include "tools/installer/Installer.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "gamekit/settings/InstallDir.h"
#include "platform/Device.h"
#include "tools/installer/InstallFiles.h"
#include "tools/installer/InstallKey.h"

namespace installer {

namespace fs = std::filesystem;

namespace {

bool readFile(const fs::path& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Writes beside the target and renames over it, so a reader never sees half
// a file and an interrupted run leaves the old file whole.
bool writeFileAtomically(const fs::path& path, const std::vector<uint8_t>& bytes,
                         std::string& error) {
    fs::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create " + temporary.string();
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            error = "cannot write " + temporary.string();
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        error = "cannot rename " + temporary.string() + ": " + ec.message();
        fs::remove(temporary, ec);
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
        if (options.ifMissing && fs::exists(path, ec)) {
            ++report.kept;
            continue;
        }
        const std::vector<uint8_t> bytes = file.make();
        std::vector<uint8_t> existing;
        if (readFile(path, existing) && existing == bytes) {
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
