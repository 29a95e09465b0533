#include <gtest/gtest.h>

#include <vector>

#include "Mixer.h"

namespace platform::sdl {
namespace {

SoundData constant(int16_t value, size_t count) {
    return std::make_shared<const std::vector<int16_t>>(count, value);
}

TEST(Mixer, IgnoresEmptySoundsAndIsSilentWithNothingPlaying) {
    Mixer mixer;
    mixer.play(nullptr);
    mixer.play(constant(1, 0));
    EXPECT_EQ(mixer.playing(), 0u);
    std::vector<int16_t> out(8, 123);
    mixer.mix(out.data(), out.size());
    EXPECT_EQ(out, std::vector<int16_t>(8, 0));
}

TEST(Mixer, PlaysASoundToItsEndThenSilence) {
    Mixer mixer;
    mixer.play(std::make_shared<const std::vector<int16_t>>(std::vector<int16_t>{1, -2, 3}));
    std::vector<int16_t> out(2);
    mixer.mix(out.data(), out.size());
    EXPECT_EQ(out, (std::vector<int16_t>{1, -2}));
    EXPECT_EQ(mixer.playing(), 1u);
    out.assign(3, 99);
    mixer.mix(out.data(), out.size());
    EXPECT_EQ(out, (std::vector<int16_t>{3, 0, 0}));
    EXPECT_EQ(mixer.playing(), 0u);
}

TEST(Mixer, SumsSoundsPlayingAtOnce) {
    Mixer mixer;
    mixer.play(constant(1000, 4));
    mixer.play(constant(-300, 2));
    std::vector<int16_t> out(5);
    mixer.mix(out.data(), out.size());
    EXPECT_EQ(out, (std::vector<int16_t>{700, 700, 1000, 1000, 0}));
}

TEST(Mixer, ClipsTheSumToSixteenBits) {
    Mixer mixer;
    mixer.play(constant(30000, 2));
    mixer.play(constant(30000, 2));
    mixer.play(constant(-30000, 4));
    mixer.play(constant(-30000, 4));
    std::vector<int16_t> out(4);
    mixer.mix(out.data(), out.size());
    // 30000 + 30000 - 30000 - 30000 = 0 before the first two end.
    EXPECT_EQ(out, (std::vector<int16_t>{0, 0, -32768, -32768}));

    mixer.play(constant(30000, 1));
    mixer.play(constant(30000, 1));
    mixer.mix(out.data(), 1);
    EXPECT_EQ(out[0], 32767);
}

TEST(Mixer, TheSameSoundCanPlayTwiceOverlapping) {
    Mixer mixer;
    SoundData s = constant(5, 3);
    mixer.play(s);
    std::vector<int16_t> out(1);
    mixer.mix(out.data(), 1);
    mixer.play(s);
    out.resize(4);
    mixer.mix(out.data(), 4);
    EXPECT_EQ(out, (std::vector<int16_t>{10, 10, 5, 0}));
}

TEST(Mixer, DropsTheOldestSoundWhenFull) {
    Mixer mixer;
    mixer.play(constant(1000, 10));
    for (size_t i = 0; i < Mixer::kMaxVoices; ++i) mixer.play(constant(1, 10));
    EXPECT_EQ(mixer.playing(), Mixer::kMaxVoices);
    int16_t out = 0;
    mixer.mix(&out, 1);
    EXPECT_EQ(out, static_cast<int16_t>(Mixer::kMaxVoices));
}

}  // namespace
}  // namespace platform::sdl
