#pragma once

// Internal to platform/core: where the device root is a working copy of a
// store other running programs share (the browser's storage, one copy per
// tab), the registry's writers and readers bring the copy up to date before
// they read and hand back what they wrote. On a host file system every
// program sees the same files and both are nothing.

namespace platform::hoststore {

// Before the registry lock is taken: waits for the store's own lock and
// brings in what others wrote since.
void begin();
// After the registry lock is released: writes back the files this program
// changed and releases the store's lock.
void end();

}  // namespace platform::hoststore
