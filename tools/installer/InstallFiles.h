#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace installer {

// One file of the installation: its bare name and how to make its bytes.
struct InstallFile {
    std::string name;
    std::function<std::vector<uint8_t>()> make;
};

// Every picture and wave file, in the order they are written: the card-backs
// strip, the sprite sheets, then the four sounds.
std::vector<InstallFile> installFiles();

}  // namespace installer
