#pragma once

// Internal to platform/core: what one start sends to the running instance of
// its program over the local socket, one message: 12 bytes, the message
// number (32 bits) then its wParam (64 bits), little-endian. Anything else
// that arrives on the socket is dropped.

#include <cstddef>
#include <cstdint>

namespace platform::instance {

struct Record {
    uint32_t message = 0;
    uint64_t wParam = 0;
};

constexpr size_t kRecordBytes = 12;

void encodeRecord(const Record& record, uint8_t (&bytes)[kRecordBytes]);
// False unless `size` is exactly one record.
bool decodeRecord(const uint8_t* bytes, size_t size, Record* record);

}  // namespace platform::instance
