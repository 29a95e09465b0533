#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace installer {

// Little-endian byte output for the file formats the installer writes.
class ByteWriter {
  public:
    void u8(uint8_t v) { bytes_.push_back(v); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void text(const char* fourCharacters) {
        for (int i = 0; i < 4; ++i) u8(static_cast<uint8_t>(fourCharacters[i]));
    }
    std::vector<uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace installer
