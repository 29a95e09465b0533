#pragma once

// The process's view of <root>/registry.reg and the changes it has not yet
// written. Every write re-reads the file under an advisory lock, applies only
// this process's own changes to what it finds and replaces the file
// atomically, so programs running at the same time never lose each other's
// values.

#include <string>
#include <vector>

#include "platform/RegistryText.h"

namespace platform::registry {

class Store {
  public:
    // Re-reads the file when it changed since it was last read (or the device
    // root moved) and lays this process's unwritten changes over it.
    void refresh();

    const Hive& view() const { return view_; }

    // Applies `change` to the view at once and keeps it for the next commit.
    void record(const Change& change);

    // Writes the unwritten changes: lock, re-read, apply, write a temporary
    // file, flush it, rename it over the registry file. Returns false (and
    // keeps the changes for a later try) when any step fails.
    bool commit();
    bool hasPendingChanges() const { return !pending_.empty(); }

    // Forgets everything in memory, as if the process had just started.
    void discard();

  private:
    struct Stamp {
        bool exists = false;
        unsigned long long device = 0, inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

    static Stamp stampOf(const std::string& path);
    // Reads the file into `hive`; a file that is not a registry at all is
    // moved aside to registry.reg.bad and reads as empty. False when the file
    // could not be read for a passing reason (no file descriptor or memory
    // left), so that nothing is written over it.
    bool readFile(Hive& hive, Stamp& stamp) const;

    std::string root_;
    bool loaded_ = false;
    Stamp stamp_;
    Hive view_;
    std::vector<Change> pending_;
};

Store& store();

std::string registryFilePath();

// Drops the in-memory registry without writing it, so the next call reads
// the file afresh (a new start of the program, in tests).
void discardRegistryForTesting();

}  // namespace platform::registry
