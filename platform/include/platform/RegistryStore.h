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
    // root moved) and lays this process's unwritten changes over it. When the
    // file cannot be read (after retrying what passes) the view stays what it
    // was and problem() says why.
    void refresh();

    const Hive& view() const { return view_; }
    // False until the file has been read once: nothing is known of it, and
    // the calls must neither report keys missing nor change anything.
    bool loaded() const { return loaded_; }
    // "PATH: reason" for the last read or write that failed; "" once one
    // succeeded.
    const std::string& problem() const { return problem_; }

    // Applies `change` to the view at once and keeps it for the next commit.
    void record(const Change& change);

    // Writes the unwritten changes: lock, re-read, apply, write a temporary
    // file, flush it, rename it over the registry file. Returns false (and
    // keeps the changes for a later try, and the file as it was) when any
    // step fails. Changes that leave the registry as it was write nothing.
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
    // Reads the file into `hive`. Only a file read whole that is not a
    // registry at all (or larger than any our programs write) is damage: it
    // is moved aside to the first free registry.reg.bad.N and reads as
    // empty. False, with `problem` set, when the file could not be read, so
    // that nothing is written over it and nothing is moved.
    bool readFile(Hive& hive, Stamp& stamp, std::string& problem) const;
    // The changes are in `current`, which is the file of `stamp` now.
    void settle(Hive current, const Stamp& stamp);

    std::string root_;
    bool loaded_ = false;
    Stamp stamp_;
    Hive view_;
    std::vector<Change> pending_;
    std::string problem_;
};

Store& store();

std::string registryFilePath();

// Drops the in-memory registry without writing it, so the next call reads
// the file afresh (a new start of the program, in tests).
void discardRegistryForTesting();

}  // namespace platform::registry
