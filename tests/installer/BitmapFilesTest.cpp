#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "FileReaders.h"
#include "TempRoot.h"
#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/settings/InstallDir.h"
#include "platform/Device.h"
#include "platform/RegistryStore.h"
#include "tools/gallery/GallerySprites.h"
#include "tools/installer/BmpWriter.h"
#include "tools/installer/Installer.h"

using test_files::Bitmap;
using test_files::decodeBmp;
using test_files::readBytes;
using test_files::runInstall;
using test_files::TempRoot;

namespace {

constexpr uint16_t kKey = 0x001F;

// One installation shared by the picture tests; they only read it.
class InstalledPictures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        root_ = std::make_unique<TempRoot>();
        ASSERT_TRUE(runInstall(*root_).ok());
    }
    static void TearDownTestSuite() { root_.reset(); }

    static Bitmap load(const std::string& name) {
        return decodeBmp(readBytes(root_->installed(name)));
    }

    static std::unique_ptr<TempRoot> root_;
};

std::unique_ptr<TempRoot> InstalledPictures::root_;

struct Average {
    double r = 0, g = 0, b = 0;
};

// The colour most pixels of the block have.
Average dominantOf(const Bitmap& bmp, int x0, int y0, int w, int h) {
    std::map<uint32_t, int> counts;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) ++counts[bmp.at(x, y)];
    }
    uint32_t best = 0;
    int most = -1;
    for (const auto& [colour, n] : counts) {
        if (n > most) {
            most = n;
            best = colour;
        }
    }
    return Average{double(best >> 16 & 0xFF), double(best >> 8 & 0xFF), double(best & 0xFF)};
}

int countColours(const Bitmap& bmp, int x0, int y0, int w, int h) {
    std::set<uint32_t> colours;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) colours.insert(bmp.at(x, y));
    }
    return static_cast<int>(colours.size());
}

}  // namespace

TEST_F(InstalledPictures, NineDifferentBacksEachInItsThemesColours) {
    const Bitmap strip = load("TarnwickSoftware_CardBacks.bmp");
    ASSERT_TRUE(strip.valid) << strip.problem;
    std::vector<Average> field;
    std::set<std::vector<uint32_t>> distinct;
    for (int i = 0; i < 9; ++i) {
        // Inside the margin: the back's own design.
        field.push_back(dominantOf(strip, 28 * i + 3, 3, 22, 37));
        EXPECT_GE(countColours(strip, 28 * i, 0, 28, 43), 4) << "back " << i << " is too plain";
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 43; ++y) {
            for (int x = 0; x < 28; ++x) pixels.push_back(strip.at(28 * i + x, y));
        }
        distinct.insert(pixels);
    }
    EXPECT_EQ(distinct.size(), 9u);
    // Standard 1..3: blue and navy.
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(field[i].b, 2 * field[i].r + 50) << "back " << i;
        EXPECT_GT(field[i].b, 2 * field[i].g) << "back " << i;
    }
    EXPECT_GT(field[4].r, field[4].b + 40);                // South West: terracotta
    EXPECT_LT(field[5].r + field[5].g + field[5].b, 250);  // Astrology: night
    EXPECT_GT(field[5].b, field[5].r);
    EXPECT_GT(field[6].r, field[6].g + 40);                // Wine & Art: burgundy
    EXPECT_GT(field[7].r + field[7].g + field[7].b, 500);  // Zen: pale
    EXPECT_GT(field[7].b, field[7].r);                     // and blue-grey
    EXPECT_LT(field[8].r + field[8].g + field[8].b, 250);  // Island Night: dark
    // Mardi Gras: purple, green and gold.
    bool purple = false, green = false, gold = false;
    for (int y = 2; y < 41; ++y) {
        for (int x = 28 * 3 + 2; x < 28 * 4 - 2; ++x) {
            const uint32_t p = strip.at(x, y);
            const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
            purple |= r > 80 && b > 120 && g < 60;
            green |= g > 120 && r < 80 && b < 100;
            gold |= r > 200 && g > 160 && b < 80;
        }
    }
    EXPECT_TRUE(purple);
    EXPECT_TRUE(green);
    EXPECT_TRUE(gold);
}

TEST_F(InstalledPictures, GallerySheetHasItsSpritesWhereItsMapSaysAndKeyElsewhere) {
    using namespace gallery_sprites;
    const Bitmap sheet = load(kSheetFile);
    ASSERT_TRUE(sheet.valid) << sheet.problem;
    const SheetRect rects[] = {kLogo,        kAboutLogo,     kNameArt,       kEmblem,
                               kAboutEmblem, kCheckBoxEmpty, kCheckBoxTicked};
    auto inside = [&rects](int x, int y) {
        for (const SheetRect& r : rects) {
            if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return true;
        }
        return false;
    };
    int stray = 0;
    for (int y = 0; y < sheet.height; ++y) {
        for (int x = 0; x < sheet.width; ++x) {
            if (!inside(x, y) && sheet.at565(x, y) != kKey) ++stray;
        }
    }
    EXPECT_EQ(stray, 0) << "pixels painted outside every declared sprite";
    for (const SheetRect& r : rects) {
        int painted = 0;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) painted += sheet.at565(x, y) != kKey;
        }
        EXPECT_GT(painted, r.width * r.height / 20) << "sprite at " << r.x << "," << r.y;
    }
}

TEST_F(InstalledPictures, CheckBoxesAreFramedAndOnlyTheTickedOneIsTicked) {
    using namespace gallery_sprites;
    const Bitmap sheet = load(kSheetFile);
    ASSERT_TRUE(sheet.valid) << sheet.problem;
    auto inkInside = [&sheet](const SheetRect& r) {
        int ink = 0;
        for (int y = r.y + 1; y < r.y + 9; ++y) {
            for (int x = r.x + 1; x < r.x + 9; ++x) ink += sheet.at565(x, y) == 0x0000;
        }
        return ink;
    };
    for (const SheetRect& r : {kCheckBoxEmpty, kCheckBoxTicked}) {
        // Opaque everywhere (no key) and framed in black.
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(sheet.at565(r.x + i, r.y), 0x0000);
            EXPECT_EQ(sheet.at565(r.x + i, r.y + 9), 0x0000);
            EXPECT_EQ(sheet.at565(r.x, r.y + i), 0x0000);
            EXPECT_EQ(sheet.at565(r.x + 9, r.y + i), 0x0000);
        }
    }
    EXPECT_EQ(inkInside(kCheckBoxEmpty), 0);
    EXPECT_GE(inkInside(kCheckBoxTicked), 8);
}

// Each picture is a 24-bit file of the size its program loads, and the
// programs' own reader takes it through the install key.
TEST_F(InstalledPictures, TheProgramsReaderLoadsEveryPictureThroughTheInstallKey) {
    platform::setDeviceRootForTesting(root_->path());
    platform::registry::discardRegistryForTesting();
    ASSERT_TRUE(gamekit::readInstallDir());
    const struct {
        const wchar_t* wide;
        const char* name;
        int width, height;
    } files[] = {{L"TarnwickSoftware_CardBacks.bmp", "TarnwickSoftware_CardBacks.bmp", 252, 43},
                 {L"Cribbage_Images.bmp", "Cribbage_Images.bmp", 256, 128},
                 {L"Gallery_Images.bmp", "Gallery_Images.bmp", 256, 128},
                 {L"Pellandine_Images.bmp", "Pellandine_Images.bmp", 240, 380},
                 {L"Reflection_Images.bmp", "Reflection_Images.bmp", 226, 305},
                 {L"Velloran_Images.bmp", "Velloran_Images.bmp", 256, 128}};
    for (const auto& f : files) {
        std::vector<uint16_t> pixels(static_cast<size_t>(f.width) * f.height, 0xDEAD);
        ASSERT_TRUE(
            gamekit::loadBitmap(f.wide, f.width, f.height, pixels.data(), f.width, f.height))
            << f.name;
        const Bitmap bmp = load(f.name);
        ASSERT_TRUE(bmp.valid) << f.name << ": " << bmp.problem;
        EXPECT_EQ(bmp.width, f.width) << f.name;
        EXPECT_EQ(bmp.height, f.height) << f.name;
        int differing = 0;
        for (int y = 0; y < f.height; ++y) {
            for (int x = 0; x < f.width; ++x)
                differing += pixels[y * f.width + x] != bmp.at565(x, y);
        }
        EXPECT_EQ(differing, 0) << f.name;
        // The reader holds the programs to the exact size.
        EXPECT_FALSE(
            gamekit::loadBitmap(f.wide, f.width - 1, f.height, pixels.data(), f.width, f.height))
            << f.name;
    }
    gamekit::setDefaultInstallDir();
}

TEST(BmpWriter, RowsArePaddedToFourBytesAndStoredBottomUp) {
    // 30 pixels: 90 bytes of pixels + 2 of padding; 28 pixels: 84, none.
    installer::Canvas wide(30, 2, installer::Rgb{0, 0, 0});
    wide.set(0, 0, installer::Rgb{1, 2, 3});  // top-left
    const std::vector<uint8_t> bytes = installer::encodeBmp24(wide);
    ASSERT_EQ(bytes.size(), 54u + 2 * 92);
    EXPECT_EQ(test_files::le32(bytes, 10), 54u);
    // The top row is the last row of the file, pixels as blue, green, red.
    EXPECT_EQ(bytes[54 + 92], 3);
    EXPECT_EQ(bytes[54 + 92 + 1], 2);
    EXPECT_EQ(bytes[54 + 92 + 2], 1);
    EXPECT_EQ(bytes[54], 0);
    installer::Canvas narrow(28, 3);
    EXPECT_EQ(installer::encodeBmp24(narrow).size(), 54u + 3 * 84);
}

TEST(BmpWriter, ColoursBecomeTheSixteenBitValuesTheGamesExpect) {
    installer::Canvas c(3, 1);
    c.set(0, 0, installer::Rgb{255, 255, 255});
    c.set(1, 0, installer::Rgb{8, 4, 8});
    c.set(2, 0, installer::kSheetKey);
    const Bitmap bmp = decodeBmp(installer::encodeBmp24(c));
    ASSERT_TRUE(bmp.valid) << bmp.problem;
    EXPECT_EQ(bmp.at565(0, 0), 0xFFFF);
    EXPECT_EQ(bmp.at565(1, 0), 0x0821);
    EXPECT_EQ(bmp.at565(2, 0), kKey);
}
