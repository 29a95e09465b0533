#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "SdlAudio.h"

namespace platform::sdl {
namespace {

void put32(std::vector<uint8_t>* out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out->push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void put16(std::vector<uint8_t>* out, uint16_t v) {
    out->push_back(static_cast<uint8_t>(v));
    out->push_back(static_cast<uint8_t>(v >> 8));
}

// A PCM wave file, written the way the installer's synthesiser writes one.
std::string writeWave(const std::string& name, int rate, int channels, int bits,
                      const std::vector<uint8_t>& data) {
    std::vector<uint8_t> file = {'R', 'I', 'F', 'F'};
    put32(&file, static_cast<uint32_t>(36 + data.size()));
    for (char c : std::string("WAVEfmt ")) file.push_back(static_cast<uint8_t>(c));
    put32(&file, 16);
    put16(&file, 1);
    put16(&file, static_cast<uint16_t>(channels));
    put32(&file, static_cast<uint32_t>(rate));
    put32(&file, static_cast<uint32_t>(rate * channels * bits / 8));
    put16(&file, static_cast<uint16_t>(channels * bits / 8));
    put16(&file, static_cast<uint16_t>(bits));
    for (char c : std::string("data")) file.push_back(static_cast<uint8_t>(c));
    put32(&file, static_cast<uint32_t>(data.size()));
    file.insert(file.end(), data.begin(), data.end());
    std::string path = ::testing::TempDir() + "/" + name + "-" + std::to_string(getpid()) + ".wav";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    return path;
}

// Samples within `tolerance` of `value`: a resampled constant keeps its level
// except for a few samples at its ends.
size_t countNear(const std::vector<int16_t>& samples, int value, int tolerance) {
    size_t n = 0;
    for (int16_t s : samples) n += std::abs(s - value) <= tolerance ? 1 : 0;
    return n;
}

TEST(WaveLoading, KeepsADeviceFormatFileAsItIs) {
    std::vector<uint8_t> data;
    const std::vector<int16_t> samples = {100, -100, 32767, -32768, 0, 7};
    for (int16_t s : samples) put16(&data, static_cast<uint16_t>(s));
    SoundData sound = SdlAudio::load(writeWave("exact", 44100, 2, 16, data));
    ASSERT_TRUE(sound);
    EXPECT_EQ(*sound, samples);
}

TEST(WaveLoading, ConvertsEightBitMonoAtHalfRateToTheDeviceFormat) {
    // 0.1 s of unsigned 8-bit 0xC0, which is +0x40 << 8 in signed 16 bits.
    SoundData sound =
        SdlAudio::load(writeWave("mono8", 22050, 1, 8, std::vector<uint8_t>(2205, 0xC0)));
    ASSERT_TRUE(sound);
    // Twice the frames, two channels each.
    EXPECT_NEAR(static_cast<double>(sound->size()), 2205.0 * 2 * 2, 16);
    EXPECT_EQ(sound->size() % 2, 0u);
    EXPECT_GT(countNear(*sound, 16384, 256), sound->size() * 9 / 10);
}

TEST(WaveLoading, RefusesMissingAndDamagedFiles) {
    EXPECT_FALSE(SdlAudio::load(::testing::TempDir() + "/no-such-sound.wav"));
    std::string path = ::testing::TempDir() + "/damaged-" + std::to_string(getpid()) + ".wav";
    std::ofstream(path) << "RIFF\x10\0\0\0WAVEjunk and more junk";
    EXPECT_FALSE(SdlAudio::load(path));
    std::string cut = writeWave("cut", 44100, 2, 16, {});
    std::ofstream(cut, std::ios::binary | std::ios::trunc).write("RIFF", 4);
    EXPECT_FALSE(SdlAudio::load(cut));
}

TEST(AudioWithoutDevice, SkipsSoundsQuietly) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlAudio audio;
    EXPECT_FALSE(audio.open());
    EXPECT_FALSE(audio.isOpen());
    std::string good = writeWave("quiet", 44100, 2, 16, std::vector<uint8_t>(400, 1));
    EXPECT_TRUE(audio.play(good));
    EXPECT_EQ(audio.playing(), 0u);
    EXPECT_FALSE(audio.play(::testing::TempDir() + "/no-such-sound.wav"));
    unsetenv("SDL_AUDIODRIVER");
}

// SDL's disk driver stands in for a sound card: whatever the device plays is
// appended to a file, in real time.
TEST(AudioOnADevice, PlaysTheConvertedSoundToTheDevice) {
    std::string output = ::testing::TempDir() + "/device-" + std::to_string(getpid()) + ".raw";
    std::remove(output.c_str());
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    std::string wave = writeWave("tone", 22050, 1, 8, std::vector<uint8_t>(2205, 0xC0));
    {
        SdlAudio audio;
        ASSERT_TRUE(audio.open()) << SDL_GetError();
        ASSERT_TRUE(audio.play(wave));
        ASSERT_TRUE(audio.play(wave));  // from the cache, summed with the first
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (audio.playing() > 0 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_EQ(audio.playing(), 0u);
        audio.close();
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    std::ifstream in(output, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> played(bytes.size() / 2);
    std::memcpy(played.data(), bytes.data(), played.size() * 2);
    // Two copies of 16384 sum to 32768, clipped to 32767. They start in the
    // same or in neighbouring device buffers, so some of the tone may play
    // alone; all of it plays, once or doubled.
    size_t doubled = countNear(played, 32767, 256);
    size_t single = countNear(played, 16384, 256);
    EXPECT_GT(doubled, 0u);
    EXPECT_GT(doubled * 2 + single, 2u * 8820u * 9 / 10);
    std::remove(output.c_str());
}

}  // namespace
}  // namespace platform::sdl
