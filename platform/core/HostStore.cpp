#include "HostStore.h"

// The host's file system is the store itself.
namespace platform::hoststore {

void begin() {}
void end() {}

}  // namespace platform::hoststore
