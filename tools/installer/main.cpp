// deckhollow-install [--root DIR] [--if-missing] [--preview FILE]
//
// Plays the part of the handheld's installer: draws every picture, makes
// every sound and puts them into the install directory of the device root.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/installer/Installer.h"
#include "tools/installer/Preview.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: deckhollow-install [--root DIR] [--if-missing] [--preview FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    installer::InstallOptions options;
    std::string preview;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--root") == 0 && i + 1 < argc) {
            options.root = argv[++i];
            if (options.root.empty()) return usage();
        } else if (std::strcmp(argv[i], "--if-missing") == 0) {
            options.ifMissing = true;
        } else if (std::strcmp(argv[i], "--preview") == 0 && i + 1 < argc) {
            preview = argv[++i];
        } else {
            return usage();
        }
    }
    if (!preview.empty()) {
        std::string error;
        if (!installer::writePreview(preview, 3, error)) {
            std::fprintf(stderr, "deckhollow-install: %s\n", error.c_str());
            return 1;
        }
        std::printf("deckhollow-install: preview written to %s\n", preview.c_str());
        return 0;
    }
    const installer::InstallReport report = installer::install(options);
    std::printf("%s\n", report.summary().c_str());
    return report.ok() ? 0 : 1;
}
