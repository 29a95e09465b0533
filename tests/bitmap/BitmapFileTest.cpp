#include <gtest/gtest.h>

#include <vector>

#include "BitmapWriter.h"
#include "FatalErrorCatcher.h"
#include "TempDeviceRoot.h"
#include "gamekit/graphics/BitmapFile.h"
#include "gamekit/settings/InstallDir.h"

using testing_support::BitmapSpec;
using testing_support::makeBitmap;
using testing_support::Rgb;
using testing_support::TempDeviceRoot;

namespace {

constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kUntouched = 0x1234;

Rgb white(int, int) {
    return Rgb{255, 255, 255};
}

BitmapSpec sized(int width, int height, Rgb (*pixel)(int, int) = nullptr) {
    BitmapSpec picture;
    picture.width = width;
    picture.height = height;
    if (pixel != nullptr) picture.pixel = pixel;
    return picture;
}

class BitmapFile : public ::testing::Test {
  protected:
    void SetUp() override { gamekit::setDefaultInstallDir(); }
    void TearDown() override { gamekit::setDefaultInstallDir(); }

    // Writes the file into \Windows and loads it at the size written in its header.
    bool load(const BitmapSpec& picture, std::vector<uint16_t>& pixels, int width = 0,
              int height = 0) {
        root.write("Windows/Test.bmp", makeBitmap(picture));
        return loadAs(width ? width : picture.width, height ? height : picture.height, pixels);
    }
    bool loadAs(int width, int height, std::vector<uint16_t>& pixels) {
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kUntouched);
        return gamekit::loadBitmap(L"Test.bmp", width, height, pixels.data(), width, height);
    }

    TempDeviceRoot root;
};

}  // namespace

TEST_F(BitmapFile, TwentyEightWideRowsHaveNoPaddingAndTheTopRowComesLast) {
    BitmapSpec picture = sized(28, 3);
    picture.pixel = [](int x, int y) {
        return y == 0 ? Rgb{255, 255, 255} : Rgb{8, 4, static_cast<uint8_t>(8 + x % 2)};
    };
    std::string bytes = makeBitmap(picture);
    ASSERT_EQ(bytes.size(), 54u + 3 * 84);
    // The last 84 bytes of the file are the top row.
    EXPECT_EQ(static_cast<uint8_t>(bytes[bytes.size() - 1]), 255);
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(load(picture, pixels));
    for (int x = 0; x < 28; ++x) EXPECT_EQ(pixels[x], kWhite) << x;
    EXPECT_EQ(pixels[28 + 0], 0x0821);
    EXPECT_EQ(pixels[28 + 1], 0x0821);  // blue 9 >> 3 is still 1
    EXPECT_EQ(pixels[2 * 28 + 27], 0x0821);
}

TEST_F(BitmapFile, ThirtyWideRowsArePaddedToNinetyTwoBytes) {
    BitmapSpec picture = sized(30, 2);
    picture.padByte = 0xFF;  // padding must never be taken for a pixel
    picture.pixel = [](int x, int y) {
        return Rgb{static_cast<uint8_t>(8 * x), static_cast<uint8_t>(4 * y), 0};
    };
    std::string bytes = makeBitmap(picture);
    ASSERT_EQ(bytes.size(), 54u + 2 * 92);
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(load(picture, pixels));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 30; ++x) {
            uint16_t expected =
                static_cast<uint16_t>((((8 * x) >> 3) << 11) | (((4 * y) >> 2) << 5));
            EXPECT_EQ(pixels[y * 30 + x], expected) << x << "," << y;
        }
    }
}

TEST_F(BitmapFile, ConvertsEachChannelToFiveSixFive) {
    BitmapSpec picture = sized(4, 1);
    const Rgb colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {7, 3, 7}};
    picture.pixel = [&](int x, int) { return colours[x]; };
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(load(picture, pixels));
    EXPECT_EQ(pixels[0], 0xF800);
    EXPECT_EQ(pixels[1], 0x07E0);
    EXPECT_EQ(pixels[2], 0x001F);
    EXPECT_EQ(pixels[3], 0x0000);
}

TEST_F(BitmapFile, StrideAndLastRowLimitWhatIsWritten) {
    BitmapSpec picture = sized(4, 3, white);
    root.write("Windows/Test.bmp", makeBitmap(picture));
    std::vector<uint16_t> pixels(6 * 3, kUntouched);
    ASSERT_TRUE(gamekit::loadBitmap(L"test.BMP", 4, 3, pixels.data(), 6, 2));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(pixels[y * 6 + x], (y < 2 && x < 4) ? kWhite : kUntouched) << x << "," << y;
        }
    }
}

TEST_F(BitmapFile, ColourTableIsSkippedAndAZeroOffsetReadsOnFromIt) {
    BitmapSpec picture = sized(4, 1, white);
    picture.coloursUsed = 0x10003;  // only the low 16 bits count
    picture.colourTableEntries = 3;
    std::vector<uint16_t> pixels;
    ASSERT_TRUE(load(picture, pixels));
    EXPECT_EQ(pixels[3], kWhite);
    picture.pixelOffset = 0;
    ASSERT_TRUE(load(picture, pixels));
    EXPECT_EQ(pixels[0], kWhite);
}

TEST_F(BitmapFile, TheWindowsDirectoryIsPreferred) {
    root.write("Windows/Both.bmp", makeBitmap(sized(2, 1, white)));
    root.write("Apps/Both.bmp", makeBitmap(sized(2, 1)));  // black
    root.write("Apps/Only.bmp", makeBitmap(sized(2, 1)));
    std::swprintf(gamekit::installDir, gamekit::kInstallDirChars, L"\\Apps");
    gamekit::installDirKnown = true;
    uint16_t pixels[2] = {kUntouched, kUntouched};
    ASSERT_TRUE(gamekit::loadBitmap(L"Both.bmp", 2, 1, pixels, 2, 1));
    EXPECT_EQ(pixels[0], kWhite);
    ASSERT_TRUE(gamekit::loadBitmap(L"Only.bmp", 2, 1, pixels, 2, 1));
    EXPECT_EQ(pixels[0], 0);
}

TEST_F(BitmapFile, TheDefaultInstallDirectoryIsNotSearchedUnlessKnown) {
    BitmapSpec picture = sized(2, 1);
    root.write("Program Files/Tarnwick Software/Deckhollow/Pic.bmp", makeBitmap(picture));
    uint16_t pixels[2];
    EXPECT_FALSE(gamekit::loadBitmap(L"Pic.bmp", 2, 1, pixels, 2, 1));
    gamekit::installDirKnown = true;  // the same directory, now from the registry
    EXPECT_TRUE(gamekit::loadBitmap(L"Pic.bmp", 2, 1, pixels, 2, 1));
}

TEST_F(BitmapFile, BadHeadersAreRefused) {
    std::vector<uint16_t> pixels;
    auto refused = [&](void (*falsify)(BitmapSpec&)) {
        BitmapSpec picture;
        falsify(picture);
        return !load(picture, pixels, 28, 4);
    };
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.type = 0x4D43; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.reserved1 = 1; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.reserved2 = 0x8000; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.infoSize = 108; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.bitsPerPixel = 8; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.bitsPerPixel = 32; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.compression = 1; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.planes = 2; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.width = 27; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.height = 5; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.height = -4; }));            // top-down rows
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.pixelOffset = 20; }));       // inside the headers
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.pixelOffset = 1 << 20; }));  // past the end
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.pixelOffset = 0x80000000u; }));
    EXPECT_TRUE(refused([](BitmapSpec& s) { s.coloursUsed = 0xFFFF; }));  // table not there
    // And the unfalsified file loads, so each refusal above is its field's.
    EXPECT_FALSE(refused([](BitmapSpec&) {}));
}

TEST_F(BitmapFile, ShortFilesAreRefusedAtEveryCut) {
    BitmapSpec picture = sized(5, 3);
    std::string bytes = makeBitmap(picture);
    std::vector<uint16_t> pixels(15);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        root.write("Windows/Test.bmp", bytes.substr(0, cut));
        EXPECT_FALSE(gamekit::loadBitmap(L"Test.bmp", 5, 3, pixels.data(), 5, 3)) << cut;
    }
    root.write("Windows/Test.bmp", bytes);
    EXPECT_TRUE(gamekit::loadBitmap(L"Test.bmp", 5, 3, pixels.data(), 5, 3));
}

TEST_F(BitmapFile, BadCallsAndNamesAreRefused) {
    BitmapSpec picture = sized(2, 1);
    root.write("Windows/Test.bmp", makeBitmap(picture));
    root.write("Outside.bmp", makeBitmap(picture));
    uint16_t pixels[2];
    EXPECT_FALSE(gamekit::loadBitmap(L"Test.bmp", 2, 1, nullptr, 2, 1));
    EXPECT_FALSE(gamekit::loadBitmap(nullptr, 2, 1, pixels, 2, 1));
    EXPECT_FALSE(gamekit::loadBitmap(L"Missing.bmp", 2, 1, pixels, 2, 1));
    EXPECT_FALSE(gamekit::loadBitmap(L"..\\Outside.bmp", 2, 1, pixels, 2, 1));
    EXPECT_FALSE(gamekit::loadBitmap(L"Test.bmp", 0, 1, pixels, 2, 1));
    EXPECT_FALSE(gamekit::loadBitmap(L"Test.bmp", 2, 1, pixels, 0, 1));
    EXPECT_FALSE(gamekit::loadBitmap(L"Test.bmp", 2, -1, pixels, 2, 1));
    EXPECT_FALSE(gamekit::loadBitmap(L"Test.bmp", 100000, 100000, pixels, 100000, 1));
    root.write("Windows/Test.bmp", "");
    EXPECT_FALSE(gamekit::loadBitmap(L"Test.bmp", 2, 1, pixels, 2, 1));
}

TEST_F(BitmapFile, AMissingPictureEndsTheProgramWithTheReinstallMessage) {
    uint16_t pixels[4];
    EXPECT_EQ(testing_support::fatalMessageOf(
                  [&] { gamekit::loadBitmapOrDie(L"Velloran_Images.bmp", 2, 2, pixels, 2, 2); }),
              "Files missing - Reinstall application");
    BitmapSpec picture = sized(2, 2);
    root.write("Windows/Velloran_Images.bmp", makeBitmap(picture));
    EXPECT_EQ(testing_support::fatalMessageOf(
                  [&] { gamekit::loadBitmapOrDie(L"Velloran_Images.bmp", 2, 2, pixels, 2, 2); }),
              "");
}
