#pragma once

#include <cstdint>
#include <vector>

namespace installer {

constexpr int kSampleRate = 22050;

// Mono 16-bit PCM samples as a RIFF/WAVE file: "fmt " chunk of 16 bytes and
// one "data" chunk.
std::vector<uint8_t> encodeWav16(const std::vector<int16_t>& samples, int sampleRate = kSampleRate);

}  // namespace installer
