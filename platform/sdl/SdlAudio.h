#pragma once

// Wave files played through the desktop's audio device. Files are decoded and
// converted to the device's format once, on the frame loop's thread, and kept
// by path; the device's thread only sums what is playing. Without an audio
// device every sound is quietly skipped.

#include <SDL.h>

#include <map>
#include <string>

#include "Mixer.h"

namespace platform::sdl {

class SdlAudio {
  public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    SdlAudio() = default;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;
    ~SdlAudio() { close(); }

    // False when there is no audio device; the object then skips sounds.
    bool open();
    void close();
    bool isOpen() const { return device_ != 0; }

    // Starts the wave file at `path` alongside whatever already plays. False
    // only when the file cannot be read or converted; true when there is no
    // device to play it on.
    bool play(const std::string& path);

    // Decodes a wave file to interleaved 16-bit samples at kRate, kChannels.
    // Empty when the file is missing or not a wave file SDL can convert.
    static SoundData load(const std::string& path);

    size_t playing() const { return mixer_.playing(); }

  private:
    static void callback(void* mixer, Uint8* stream, int length);

    SDL_AudioDeviceID device_ = 0;
    bool subsystem_ = false;
    Mixer mixer_;
    std::map<std::string, SoundData> cache_;
};

}  // namespace platform::sdl
