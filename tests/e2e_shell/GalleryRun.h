#pragma once

// The gallery program these tests run, and a device root it is installed on.

#include <gtest/gtest.h>

#include <string>

#include "support/ProgramRun.h"

namespace gallery_e2e {

inline const std::string kGallery = GALLERY_PATH;
inline const std::string kGalleryLock = "run/deckhollowgallery.lock";  // held while it runs

struct GalleryRoot : testing_support::InstalledRoot {
    GalleryRoot() : InstalledRoot(INSTALLER_PATH) { EXPECT_TRUE(installed()); }
};

}  // namespace gallery_e2e
