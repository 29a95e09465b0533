// The gallery's screen in every display kind: each presentation path shows
// the same picture, the 8- and 4-bit ones through their own conversions.

#include <gtest/gtest.h>

#include "gamekit/shell/Presentation.h"
#include "platform/core/Display.h"
#include "support/PngImage.h"
#include "GalleryRun.h"

using namespace gallery_e2e;
using namespace testing_support;

namespace {

const char* kScript = "wait 100\ntap 120 160\nwait 100\npress 30 40\ndrag 100 200\nwait 100\nshot SHOT\nrelease 100 200\n";

PngImage shoot(const std::string& kind, const TempRoot& root) {
    std::string shot = root.file(kind + ".png");
    std::string script = kScript;
    script.replace(script.find("SHOT"), 4, shot);
    RunResult r = runHeadless(kGallery, root, script, {{"DECKHOLLOW_DISPLAY", kind}});
    EXPECT_EQ(r.exitCode, 0) << kind;
    PngImage image;
    EXPECT_TRUE(image.load(shot)) << kind;
    return image;
}

// The 5-6-5 value a screenshot pixel of a 16-bit display came from.
uint16_t packed(uint32_t rgb) {
    return static_cast<uint16_t>((((rgb >> 16) & 0xFF) >> 3) << 11 | (((rgb >> 8) & 0xFF) >> 2) << 5 |
                                 ((rgb & 0xFF) >> 3));
}

}  // namespace

TEST(DisplayKinds, EveryKindShowsTheSamePicture) {
    TempRoot root;
    ASSERT_TRUE(install(INSTALLER_PATH, root));
    PngImage portrait = shoot("portrait16", root);
    ASSERT_EQ(portrait.width, 240);
    ASSERT_EQ(portrait.height, 320);
    EXPECT_EQ(portrait.at(100, 200), 0xFFFF00u);
    for (const char* kind : {"pitch512", "landscape16", "fixed"}) {
        PngImage other = shoot(kind, root);
        ASSERT_EQ(other.pixels.size(), portrait.pixels.size());
        EXPECT_TRUE(other.pixels == portrait.pixels) << kind;
    }
    PngImage eight = shoot("palette8", root);
    PngImage grey = shoot("gray4", root);
    for (int i = 0; i < 240 * 320; ++i) {
        uint16_t p = packed(portrait.pixels[i]);
        ASSERT_EQ(eight.pixels[i], platform::display::paletteColour(gamekit::eightBitValue(p))) << i;
        uint32_t level = ((((p >> 5) & 0x3F) + ((p >> 11) & 0x1F) + (p & 0x1F)) >> 3) * 17;
        ASSERT_EQ(grey.pixels[i], (level << 16) | (level << 8) | level) << i;
    }
}
