// What arrives on a running program's socket from another process. Only a
// whole record is taken, and a record taken is exactly what was sent.

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/core/InstanceRecord.h"

using namespace platform::instance;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Record record;
    bool taken = decodeRecord(data, size, &record);
    if (taken != (size == kRecordBytes)) abort();
    if (taken) {
        uint8_t again[kRecordBytes];
        encodeRecord(record, again);
        if (std::memcmp(again, data, kRecordBytes) != 0) abort();
    }
    return 0;
}
