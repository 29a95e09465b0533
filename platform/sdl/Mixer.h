#pragma once

// Sounds playing at once, summed into the audio device's buffer. The device
// calls mix() from its own thread while the frame loop calls play(), so the
// list is guarded; neither side waits for more than a few additions.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace platform::sdl {

// Interleaved signed 16-bit samples already in the device's format.
using SoundData = std::shared_ptr<const std::vector<int16_t>>;

class Mixer {
  public:
    // Beyond this many sounds at once the oldest one is dropped: the sum of
    // many would only clip, and the list stays short for the audio thread.
    static constexpr size_t kMaxVoices = 16;

    void play(SoundData sound);
    // Fills `count` samples with the sum of the playing sounds, clipped to
    // the 16-bit range; silence when none plays. Finished sounds leave the
    // list.
    void mix(int16_t* out, size_t count);
    size_t playing() const;

  private:
    struct Voice {
        SoundData data;
        size_t position = 0;
    };
    mutable std::mutex mutex_;
    std::vector<Voice> voices_;
};

}  // namespace platform::sdl
