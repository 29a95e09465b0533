#pragma once

#include <string>

#include "TempDeviceRoot.h"
#include "tools/installer/Installer.h"

namespace test_files {

// A fresh device root, removed with everything in it when the object goes;
// installed() names a file of the installed directory.
class TempRoot : public testing_support::TempDeviceRoot {
  public:
    std::string installDir() const {
        return path() + "/Program Files/Tarnwick Software/Deckhollow";
    }
    std::string installed(const std::string& name) const { return installDir() + "/" + name; }
};

// Installs under the root as the program's --root (and --if-missing) do.
inline installer::InstallReport runInstall(const TempRoot& root, bool ifMissing = false) {
    installer::InstallOptions options;
    options.root = root.path();
    options.ifMissing = ifMissing;
    return installer::install(options);
}

}  // namespace test_files
