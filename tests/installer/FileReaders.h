#pragma once

// Small independent readers for the files the installer writes, following
// the formats byte by byte rather than reusing the installer's writers.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace test_files {

inline std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

inline uint32_t le16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}
inline uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

struct Bitmap {
    bool valid = false;
    std::string problem;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0xRRGGBB, top row first
    uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
    uint16_t at565(int x, int y) const {
        const uint32_t p = at(x, y);
        return static_cast<uint16_t>((((p >> 16) & 0xFF) >> 3) << 11 |
                                     (((p >> 8) & 0xFF) >> 2) << 5 | ((p & 0xFF) >> 3));
    }
};

// Accepts only what the games' reader turns into pictures: "BM", zero
// reserved fields, a 40-byte info header, one plane, 24 bits, no compression,
// bottom-up rows padded to 4 bytes.
inline Bitmap decodeBmp(const std::vector<uint8_t>& b) {
    Bitmap bmp;
    auto fail = [&bmp](const char* why) {
        bmp.problem = why;
        return bmp;
    };
    if (b.size() < 54) return fail("shorter than the headers");
    if (le16(b, 0) != 0x4D42) return fail("not BM");
    if (le32(b, 2) != b.size()) return fail("size field is not the file size");
    if (le16(b, 6) != 0 || le16(b, 8) != 0) return fail("reserved fields not zero");
    const uint32_t offset = le32(b, 10);
    if (le32(b, 14) != 40) return fail("info header is not 40 bytes");
    const int32_t width = static_cast<int32_t>(le32(b, 18));
    const int32_t height = static_cast<int32_t>(le32(b, 22));
    if (le16(b, 26) != 1) return fail("planes not 1");
    if (le16(b, 28) != 24) return fail("not 24 bits per pixel");
    if (le32(b, 30) != 0) return fail("compressed");
    if (width <= 0 || height <= 0) return fail("not a bottom-up image");
    const size_t row = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    if (offset + row * height != b.size()) return fail("pixel data is not rows x height");
    bmp.width = width;
    bmp.height = height;
    bmp.rgb.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const size_t start = offset + row * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const size_t p = start + 3 * x;
            bmp.rgb[static_cast<size_t>(y) * width + x] = b[p + 2] << 16 | b[p + 1] << 8 | b[p];
        }
        for (size_t pad = start + 3 * width; pad < start + row; ++pad) {
            if (b[pad] != 0) return fail("padding not zero");
        }
    }
    bmp.valid = true;
    return bmp;
}

struct Wave {
    bool valid = false;
    std::string problem;
    uint32_t sampleRate = 0;
    std::vector<int16_t> samples;
    double seconds() const { return sampleRate ? samples.size() / double(sampleRate) : 0; }
};

inline Wave decodeWav(const std::vector<uint8_t>& b) {
    Wave wave;
    auto fail = [&wave](const char* why) {
        wave.problem = why;
        return wave;
    };
    auto tag = [&b](size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); };
    if (b.size() < 44) return fail("shorter than the headers");
    if (tag(0) != "RIFF" || tag(8) != "WAVE") return fail("not RIFF/WAVE");
    if (le32(b, 4) != b.size() - 8) return fail("RIFF size is not the file size - 8");
    if (tag(12) != "fmt " || le32(b, 16) != 16) return fail("no 16-byte fmt chunk");
    if (le16(b, 20) != 1) return fail("not PCM");
    if (le16(b, 22) != 1) return fail("not mono");
    wave.sampleRate = le32(b, 24);
    if (le32(b, 28) != wave.sampleRate * 2 || le16(b, 32) != 2) return fail("bad byte rate");
    if (le16(b, 34) != 16) return fail("not 16-bit");
    if (tag(36) != "data" || le32(b, 40) != b.size() - 44) return fail("bad data chunk");
    for (size_t p = 44; p + 1 < b.size(); p += 2) {
        wave.samples.push_back(static_cast<int16_t>(le16(b, p)));
    }
    wave.valid = true;
    return wave;
}

}  // namespace test_files
