// The presentation of every display kind, decoded back the way the display
// shows it.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "gamekit/shell/Presentation.h"
#include "platform/core/Display.h"

using gamekit::convertFrame;
using gamekit::DisplayInfo;
using platform::DisplayKind;

namespace {

constexpr int kPixels = 240 * 320;

std::vector<uint16_t> randomImage(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint16_t> image(kPixels);
    for (auto& p : image) p = static_cast<uint16_t>(random());
    image[0] = 0xFFFF;
    image[1] = 0x0000;
    image[kPixels - 1] = 0xF81F;
    return image;
}

uint32_t rgbOf(uint16_t p) {
    uint32_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
    return (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

DisplayInfo infoOf(DisplayKind kind) {
    GXDisplayProperties p = platform::display::propertiesOf(kind);
    DisplayInfo info;
    info.bitsPerPixel = static_cast<int32_t>(p.cBPP);
    info.xPitch = static_cast<int32_t>(p.cbxPitch);
    info.yPitch = static_cast<int32_t>(p.cbyPitch);
    return info;
}

// Presents `image` on a display of `kind` and returns its frame-buffer memory.
std::vector<uint8_t> present(DisplayKind kind, const std::vector<uint16_t>& image) {
    auto layout = platform::display::layoutOf(kind);
    std::vector<uint8_t> memory(layout.bytes, 0xA5);
    if (kind == DisplayKind::Fixed) {
        gamekit::convertFrameFixed(image.data(), memory.data() + layout.topLeftOffset);
    } else {
        convertFrame(image.data(), infoOf(kind), memory.data() + layout.topLeftOffset);
    }
    return memory;
}

}  // namespace

TEST(Presentation, EverySixteenBitKindShowsTheImageExactly) {
    auto image = randomImage(1);
    for (DisplayKind kind : {DisplayKind::Portrait16, DisplayKind::Pitch512,
                             DisplayKind::Landscape16, DisplayKind::Fixed}) {
        auto memory = present(kind, image);
        platform::ScreenImage shown;
        platform::display::decode(kind, memory.data(), &shown);
        for (int i = 0; i < kPixels; ++i) {
            ASSERT_EQ(shown.pixels[i], rgbOf(image[i]))
                << platform::displayKindName(kind) << " pixel " << i % 240 << "," << i / 240;
        }
    }
}

// Pitch 480 (the default: 16 bpp, x pitch 2, y pitch 480) is an exact byte
// copy; rows of other pitches lie that many bytes apart with the gap untouched.
TEST(Presentation, SixteenBitRowsAreByteCopiesAtTheirPitch) {
    auto image = randomImage(3);
    for (int pitch : {480, 512}) {
        DisplayInfo info;
        if (pitch != 480) info.yPitch = pitch;
        std::vector<uint8_t> memory(pitch * 320, 0x5A);
        convertFrame(image.data(), info, memory.data());
        for (int y = 0; y < 320; ++y) {
            ASSERT_EQ(std::memcmp(memory.data() + y * pitch, image.data() + y * 240, 480), 0) << y;
            for (int b = 480; b < pitch; ++b) ASSERT_EQ(memory[y * pitch + b], 0x5A);
        }
    }
}

// Presenting only the rows a frame changed: on the kinds whose rows are
// the image's, those rows land as a whole present would put them and the
// rest stays as it was; every other kind takes whole frames.
TEST(Presentation, RowsAloneWhereTheLayoutKeepsTheImagesRows) {
    auto before = randomImage(5), after = randomImage(6);
    for (DisplayKind kind : {DisplayKind::Portrait16, DisplayKind::Pitch512,
                             DisplayKind::Landscape16, DisplayKind::Palette8, DisplayKind::Gray4}) {
        SCOPED_TRACE(platform::displayKindName(kind));
        auto layout = platform::display::layoutOf(kind);
        std::vector<uint8_t> memory = present(kind, before), untouched = memory;
        const bool rows = gamekit::convertRows(after.data(), infoOf(kind),
                                               memory.data() + layout.topLeftOffset, 100, 137);
        if (kind != DisplayKind::Portrait16 && kind != DisplayKind::Pitch512) {
            EXPECT_FALSE(rows);
            EXPECT_EQ(memory, untouched);
            continue;
        }
        ASSERT_TRUE(rows);
        std::vector<uint16_t> mixed = before;
        std::copy(after.begin() + 100 * 240, after.begin() + 137 * 240, mixed.begin() + 100 * 240);
        EXPECT_EQ(memory, present(kind, mixed));
    }
}

TEST(Presentation, LandscapeBufferSeenInPortraitIsUpright) {
    // x pitch -640, y pitch 2: the top-left pixel lies at the start of the
    // last landscape row; each source row becomes one landscape column.
    auto image = randomImage(4);
    DisplayInfo info;
    info.xPitch = -640;
    info.yPitch = 2;
    std::vector<uint8_t> memory(153600, 0);
    convertFrame(image.data(), info, memory.data() + 640 * 239);
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 240; ++x) {
            uint16_t cell;
            std::memcpy(&cell, memory.data() + 640 * (239 - x) + 2 * y, 2);
            ASSERT_EQ(cell, image[y * 240 + x]);
        }
    }
}

TEST(Presentation, OddPitchesAreUsedRoundedDownToEven) {
    auto image = randomImage(5);
    DisplayInfo odd;
    odd.xPitch = -641;  // used as -642
    odd.yPitch = 3;     // used as 2
    std::vector<uint8_t> memory(642 * 240 + 8, 0);
    uint8_t* topLeft = memory.data() + 642 * 239;
    convertFrame(image.data(), odd, topLeft);
    uint16_t cell;
    std::memcpy(&cell, topLeft - 642 * 5 + 2 * 7, 2);
    EXPECT_EQ(cell, image[7 * 240 + 5]);
}

TEST(Presentation, EightBitsAreTheSummedFieldsOfEveryPixel) {
    auto image = randomImage(6);
    auto memory = present(DisplayKind::Palette8, image);
    for (int i = 0; i < kPixels; ++i) {
        uint16_t p = image[i];
        int expected = ((p >> 9) & 0x60) + ((p >> 5) & 0x38) + ((p >> 3) & 0x03);
        ASSERT_EQ(memory[i], expected) << i;
    }
    EXPECT_EQ(memory[0], 0x9B);  // white: 0x60 + 0x38 + 0x03
    EXPECT_EQ(memory[1], 0x00);
}

TEST(Presentation, FourBitsAreALandscapeGreyScreenBottomRowFirst) {
    auto image = randomImage(7);
    auto memory = present(DisplayKind::Gray4, image);
    auto level = [&](int x, int y) {
        uint16_t p = image[y * 240 + x];
        return (((p >> 5) & 0x3F) + ((p >> 11) & 0x1F) + (p & 0x1F)) >> 3;
    };
    for (int k = 0; k < 240; ++k) {
        for (int j = 0; j < 160; ++j) {
            uint8_t byte = memory[k * 160 + j];
            ASSERT_EQ(byte >> 4, level(k, 319 - 2 * j));
            ASSERT_EQ(byte & 0x0F, level(k, 318 - 2 * j));
        }
    }
    // Source row 0 is the low nibble of each row's last byte.
    EXPECT_EQ(memory[0 * 160 + 159] & 0x0F, 15);  // pixel (0,0) is white: (63 + 31 + 31) >> 3
    EXPECT_EQ(memory[1 * 160 + 159] & 0x0F, 0);   // pixel (1,0) is black
}

TEST(Presentation, OtherDepthsReceiveNothing) {
    auto image = randomImage(8);
    for (int bpp : {2, 24, 32}) {
        DisplayInfo info;
        info.bitsPerPixel = bpp;
        std::vector<uint8_t> memory(153600, 0x77);
        convertFrame(image.data(), info, memory.data());
        for (uint8_t b : memory) ASSERT_EQ(b, 0x77) << bpp;
    }
}

TEST(Presentation, EightBitColoursShowTheAverageOfWhatTheyStandFor) {
    EXPECT_EQ(platform::display::paletteColour(0x00), 0x000000u);
    EXPECT_EQ(platform::display::paletteColour(0x9B), 0xFFFFFFu);  // only white sums to 0x9B
    // 0x20 is red's lowest step or green's fourth: a colour between them.
    uint32_t mixed = platform::display::paletteColour(0x20);
    EXPECT_GT(mixed >> 16, 0u);
    EXPECT_GT((mixed >> 8) & 0xFF, 0u);
}

// ---- The vector and the blocked paths against the plain per-pixel
// conversion they replaced, kept here as the reference.
namespace reference {

void store16(uint8_t* at, uint16_t p) { std::memcpy(at, &p, 2); }

void convertFrame(const uint16_t* back, const DisplayInfo& info, uint8_t* destination) {
    if (info.bitsPerPixel == 16) {
        if (info.xPitch != 2) {
            const long xp = info.xPitch & ~1, yp = info.yPitch & ~1;
            uint8_t* rowStart = destination;
            for (int y = 0; y < 320; ++y) {
                uint8_t* d = rowStart;
                for (int x = 0; x < 240; ++x, d += xp) store16(d, back[y * 240 + x]);
                rowStart += yp;
            }
        } else if (info.yPitch == 480) {
            std::memcpy(destination, back, 240 * 320 * 2);
        } else {
            for (int y = 0; y < 320; ++y) std::memcpy(destination + y * 512, back + y * 240, 240 * 2);
        }
    } else if (info.bitsPerPixel == 8) {
        for (int i = 0; i < 240 * 320; ++i) destination[i] = gamekit::eightBitValue(back[i]);
    } else if (info.bitsPerPixel == 4) {
        for (int k = 0; k < 240; ++k) {
            uint8_t* row = destination + k * 160;
            for (int j = 0; j < 160; ++j) {
                uint8_t high = gamekit::greyLevel(back[(319 - 2 * j) * 240 + k]);
                uint8_t low = gamekit::greyLevel(back[(318 - 2 * j) * 240 + k]);
                row[j] = static_cast<uint8_t>((high << 4) | low);
            }
        }
    }
}

void convertFrameFixed(const uint16_t* back, uint8_t* fixedAddress) {
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 240; ++x) store16(fixedAddress + 2L * y - 640L * x, back[y * 240 + x]);
    }
}

}  // namespace reference

TEST(Presentation, WideVectorAndBlockedPathsWriteTheReferenceBytesOnEveryKind) {
    const DisplayKind kinds[] = {DisplayKind::Portrait16, DisplayKind::Pitch512, DisplayKind::Landscape16,
                                 DisplayKind::Palette8,   DisplayKind::Gray4,    DisplayKind::Fixed};
    for (unsigned seed = 20; seed < 26; ++seed) {
        auto image = randomImage(seed);
        // Flat areas and single-bit fields too, as game tables have them.
        for (int i = 0; i < kPixels / 4; ++i) image[i] = static_cast<uint16_t>(1u << (i / 240 % 16));
        for (DisplayKind kind : kinds) {
            auto layout = platform::display::layoutOf(kind);
            std::vector<uint8_t> expected(layout.bytes, 0xA5);
            if (kind == DisplayKind::Fixed) {
                reference::convertFrameFixed(image.data(), expected.data() + layout.topLeftOffset);
            } else {
                reference::convertFrame(image.data(), infoOf(kind), expected.data() + layout.topLeftOffset);
            }
            for (auto path : {gamekit::PresentPath::Wide, gamekit::PresentPath::Vector, gamekit::PresentPath::Blocked}) {
                std::vector<uint8_t> memory(layout.bytes, 0xA5);
                if (kind == DisplayKind::Fixed) {
                    gamekit::convertFrameFixed(image.data(), memory.data() + layout.topLeftOffset, path);
                } else {
                    convertFrame(image.data(), infoOf(kind), memory.data() + layout.topLeftOffset, path);
                }
                ASSERT_EQ(memory, expected) << platform::displayKindName(kind) << " seed " << seed
                                            << " path " << static_cast<int>(path);
            }
        }
    }
}

TEST(Presentation, ThisBuildHasItsVectorPathWhereTheMachineHasOne) {
#if defined(__SSE2__) || defined(__ARM_NEON)
    EXPECT_TRUE(gamekit::hasVectorPresent());
#else
    EXPECT_FALSE(gamekit::hasVectorPresent());
#endif
}
