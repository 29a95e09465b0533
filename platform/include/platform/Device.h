#pragma once

// The device's file system lives in one host directory, the device root:
// "\Windows\x.bmp" is <root>/Windows/x.bmp, "\Program Files\..." is
// <root>/Program Files/..., and the registry is <root>/registry.reg.

#include <string>

namespace platform {

// DECKHOLLOW_ROOT, or ${XDG_DATA_HOME:-~/.local/share}/deckhollow. The
// directory is created on first use; a root that cannot be created is still
// returned, and every file operation under it then fails cleanly.
const std::string& deviceRoot();

// Points the device at another root (tests use temporary directories). The
// registry notices the change and starts over from the new root's file.
void setDeviceRootForTesting(const std::string& root);

// Maps a device path to the host path under the root. Names compare without
// regard to case, as on the device: each component is matched against what
// exists on disk, and a component with no match is kept as written (so new
// files can be created). Empty components ("\Windows\\x.wav") are ignored.
// Returns "" for a path that must not be followed: a null path, "." or ".."
// components, or a component the device could not hold (a '/' or a control
// character), so no device path ever leads outside the root.
std::string hostPath(const wchar_t* devicePath);

}  // namespace platform
