#pragma once

// A file-system fault layer for tests: it stands in front of the C library's
// open, read, write, fsync, rename and close and can make one chosen call
// fail with a chosen errno, the way a flaky disk, a full disk, a root-owned
// file or a signal would. Only calls on files below a watched directory are
// counted (and descriptors opened there), so the test framework's own output
// is never touched.
//
// Linked into a test program it is driven through the functions below. Built
// as libdeckhollow_faults.so and preloaded (LD_PRELOAD) into any program it
// reads its orders from the environment at start:
//   DECKHOLLOW_FAULT_ROOT    the watched directory (nothing is counted without it)
//   DECKHOLLOW_FAULT_AT      the number (from 1) of the operation that fails,
//                            or "all": every counted one fails (a read-only disk)
//   DECKHOLLOW_FAULT_FILE    count only operations on paths ending so
//   DECKHOLLOW_FAULT_ERRNO   EIO, ENOSPC, EACCES, EINTR, ... or a number
//   DECKHOLLOW_FAULT_KIND    open|read|write|fsync|rename|close: count only those
//   DECKHOLLOW_FAULT_REPORT  a file that gets "COUNT\n" and every operation seen, at exit

#include <string>
#include <vector>

namespace faults {

enum class Op { Open, Read, Write, Fsync, Rename, Close };
const char* opName(Op op);

struct Seen {
    Op op;
    std::string path;
    bool failed;
};

// Starts counting calls on files below `directory`; forgets what was seen.
void watch(const std::string& directory);
// Makes the `n`th counted operation (from 1) fail with `error`; 0 fails none.
// With `only` set, only operations of that kind are counted.
void failAt(long n, int error);
void failAt(long n, int error, Op only);
// Every counted operation fails from now on.
void failAll(int error);
// Counts only operations on paths that end with `suffix` ("" for all).
void onlyFiles(const std::string& suffix);
// Stops counting and failing.
void stop();

long operationCount();
const std::vector<Seen>& seen();

// "EIO" -> EIO; 0 for an unknown name.
int errnoFromName(const std::string& name);

}  // namespace faults
