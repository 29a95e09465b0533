#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace installer {

// One file of the installation: its bare name, how to make its bytes and,
// for a picture, its size (0 when any size will do).
struct InstallFile {
    std::string name;
    std::function<std::vector<uint8_t>()> make;
    int width = 0;
    int height = 0;
};

// Whether `bytes` on disk are a whole file of this kind: for a picture the
// 24-bit header, its sizes and a length that holds every row; for a sound
// the PCM header and a length that holds its data. A file cut short or
// overwritten fails, so --if-missing makes it again.
bool looksWhole(const InstallFile& file, const std::vector<uint8_t>& bytes);

// Every picture and wave file, in the order they are written: the card-backs
// strip, the sprite sheets, then the four sounds.
std::vector<InstallFile> installFiles();

}  // namespace installer
