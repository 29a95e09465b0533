#include "InstanceRecord.h"

namespace platform::instance {

void encodeRecord(const Record& record, uint8_t (&bytes)[kRecordBytes]) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(record.message >> (8 * i));
    for (int i = 0; i < 8; ++i) bytes[4 + i] = static_cast<uint8_t>(record.wParam >> (8 * i));
}

bool decodeRecord(const uint8_t* bytes, size_t size, Record* record) {
    if (bytes == nullptr || size != kRecordBytes) return false;
    Record out;
    for (int i = 0; i < 4; ++i) out.message |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    for (int i = 0; i < 8; ++i) out.wParam |= static_cast<uint64_t>(bytes[4 + i]) << (8 * i);
    *record = out;
    return true;
}

}  // namespace platform::instance
