#pragma once

// Included ahead of every core source in the browser build: Emscripten's C
// library has no renameat2, so the no-replace rename reports ENOSYS and the
// registry takes its other way (look first, under its lock).

#include <cerrno>
#include <cstdio>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE 1
inline int renameat2(int, const char*, int, const char*, unsigned) {
    errno = ENOSYS;
    return -1;
}
#endif
