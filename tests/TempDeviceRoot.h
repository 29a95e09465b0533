#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Device.h"
#include "platform/RegistryStore.h"

namespace testing_support {

// A fresh device root in a temporary directory for the lifetime of the
// object, with the registry read afresh from it.
class TempDeviceRoot {
  public:
    TempDeviceRoot() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "deckhollow-test-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        path_ = made != nullptr ? made : pattern;
        platform::setDeviceRootForTesting(path_);
        platform::registry::discardRegistryForTesting();
    }
    ~TempDeviceRoot() {
        platform::registry::discardRegistryForTesting();
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string file(const std::string& relative) const { return path_ + "/" + relative; }

    void write(const std::string& relative, const std::string& bytes) const {
        std::filesystem::path target = file(relative);
        std::filesystem::create_directories(target.parent_path());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read(const std::string& relative) const {
        std::ifstream in(file(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool exists(const std::string& relative) const {
        return std::filesystem::exists(file(relative));
    }

    // A new start of the program: forget the registry in memory.
    static void restart() { platform::registry::discardRegistryForTesting(); }

  private:
    std::string path_;
};

}  // namespace testing_support
