#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/installer/Installer.h"

namespace test_files {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TempRoot {
  public:
    TempRoot() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "deckhollow-XXXXXX").string();
        char* made = mkdtemp(pattern.data());
        path_ = made != nullptr ? made : "";
    }
    ~TempRoot() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempRoot(const TempRoot&) = delete;
    TempRoot& operator=(const TempRoot&) = delete;

    const std::string& path() const { return path_; }
    std::string installDir() const { return path_ + "/Program Files/Tarnwick Software/Deckhollow"; }
    std::string file(const std::string& name) const { return installDir() + "/" + name; }

  private:
    std::string path_;
};

// Installs under the root as the program's --root (and --if-missing) do.
inline installer::InstallReport runInstall(const TempRoot& root, bool ifMissing = false) {
    installer::InstallOptions options;
    options.root = root.path();
    options.ifMissing = ifMissing;
    return installer::install(options);
}

}  // namespace test_files
