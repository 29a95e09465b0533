#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "FileReaders.h"
#include "TempRoot.h"
#include "tools/installer/Installer.h"
#include "tools/installer/WaveSynth.h"

using test_files::decodeWav;
using test_files::readBytes;
using test_files::runInstall;
using test_files::TempRoot;
using test_files::Wave;

namespace {

Wave installedWave(const std::string& name) {
    static TempRoot root;
    static bool installed = runInstall(root).ok();
    EXPECT_TRUE(installed);
    return decodeWav(readBytes(root.installed(name)));
}

int peakOf(const std::vector<int16_t>& s, size_t from, size_t to) {
    int peak = 0;
    for (size_t i = from; i < to && i < s.size(); ++i) peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

// Loudness of 5 ms windows, for counting separate events.
std::vector<int> windowPeaks(const std::vector<int16_t>& s, size_t window) {
    std::vector<int> peaks;
    for (size_t i = 0; i < s.size(); i += window) peaks.push_back(peakOf(s, i, i + window));
    return peaks;
}

// Times the loudness rises past `threshold` after having fallen below half
// of it.
int onsets(const std::vector<int>& peaks, int threshold) {
    int count = 0;
    bool quiet = true;
    for (int p : peaks) {
        if (quiet && p >= threshold) {
            ++count;
            quiet = false;
        } else if (p < threshold / 2) {
            quiet = true;
        }
    }
    return count;
}

}  // namespace

TEST(WaveFiles, AllFourAreShortNormalisedMonoPcmThatStartAndEndAtZero) {
    for (const char* name : {"TarnwickSoftware_Shuffle.wav", "TarnwickSoftware_ButtonClick.wav",
                             "TarnwickSoftware_Cardflick.wav", "TarnwickSoftware_Knock.wav"}) {
        const Wave wave = installedWave(name);
        ASSERT_TRUE(wave.valid) << name << ": " << wave.problem;
        EXPECT_EQ(wave.sampleRate, 22050u) << name;
        ASSERT_GT(wave.samples.size(), 100u) << name;
        const int peak = peakOf(wave.samples, 0, wave.samples.size());
        EXPECT_GE(peak, 0.85 * 32767) << name;  // normalised near full scale
        EXPECT_LE(peak, 32767) << name;
        EXPECT_LE(std::abs(int(wave.samples.front())), 64) << name;
        EXPECT_LE(std::abs(int(wave.samples.back())), 64) << name;
        // No jump at either end: the first and last 1 ms stay small.
        EXPECT_LT(peakOf(wave.samples, 0, 5), 0.2 * 32767) << name;
        EXPECT_LT(peakOf(wave.samples, wave.samples.size() - 5, wave.samples.size()), 0.2 * 32767)
            << name;
        if (std::string(name) == "TarnwickSoftware_Shuffle.wav") {
            EXPECT_GE(wave.seconds(), 0.8) << name;
            EXPECT_LE(wave.seconds(), 1.5) << name;
        } else {
            EXPECT_LT(wave.seconds(), 1.0) << name;
        }
    }
}

TEST(WaveFiles, ClickIsVeryShortAndFlickShort) {
    EXPECT_LE(installedWave("TarnwickSoftware_ButtonClick.wav").seconds(), 0.06);
    EXPECT_LE(installedWave("TarnwickSoftware_Cardflick.wav").seconds(), 0.25);
}

TEST(WaveFiles, ShuffleIsARiffleOfManyBursts) {
    const Wave wave = installedWave("TarnwickSoftware_Shuffle.wav");
    ASSERT_TRUE(wave.valid) << wave.problem;
    const std::vector<int> peaks = windowPeaks(wave.samples, 22050 / 500);  // 2 ms
    EXPECT_GE(onsets(peaks, 8000), 20);
}

TEST(WaveFiles, KnockIsTwoSeparateKnocks) {
    const Wave wave = installedWave("TarnwickSoftware_Knock.wav");
    ASSERT_TRUE(wave.valid) << wave.problem;
    const std::vector<int> peaks = windowPeaks(wave.samples, 22050 / 100);  // 10 ms
    EXPECT_EQ(onsets(peaks, 12000), 2);
}

TEST(WaveSynth, TheSameSoundEveryTime) {
    EXPECT_EQ(installer::synthShuffle(), installer::synthShuffle());
    EXPECT_EQ(installer::synthCardFlick(), installer::synthCardFlick());
}
