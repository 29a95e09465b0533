#pragma once

#include <string>

namespace installer {

struct InstallOptions {
    std::string root;        // the device root; empty: found by resolveRoot
    bool ifMissing = false;  // only make files that are missing or damaged
};

struct InstallReport {
    std::string directory;  // where the files went
    int written = 0;        // files created or rewritten
    int unchanged = 0;      // files already present with the right content
    int kept = 0;           // files left alone (--if-missing)
    int failed = 0;         // files (or the key) that could not be written
    bool keySet = false;    // "InstallDir" was written this time
    std::string firstError;

    bool ok() const { return failed == 0; }
    // The one line the program prints.
    std::string summary() const;
};

// The device root: `argument` when not empty, else DECKHOLLOW_ROOT, else
// ${XDG_DATA_HOME:-~/.local/share}/deckhollow.
std::string resolveRoot(const std::string& argument);

// "<root>/Program Files/Tarnwick Software/Deckhollow".
std::string installDirectory(const std::string& root);

// Makes the install directory, writes every file into it and sets
// "InstallDir" in the registry of the device root. A file whose content is
// already right is not touched and a value already set is not written again,
// so running twice changes nothing. With ifMissing, only files that are
// missing or do not look whole (looksWhole: headers and sizes) are made.
InstallReport install(const InstallOptions& options);

}  // namespace installer
