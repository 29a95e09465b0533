#pragma once

// With DECKHOLLOW_DEBUG_TIMING=1, says on stderr how long after the process
// started the window opened, the audio device was tried and the first frame
// reached the window.

namespace platform::sdl {

class StartTiming {
  public:
    StartTiming();
    // Notes how long after the start a step of the start-up ended.
    void step(const char* what);
    void framePresented();

  private:
    bool enabled_ = false;
    bool reported_ = false;
};

// Milliseconds since the process was started, from the kernel's record of
// its start; negative when that cannot be read.
double processAgeMs();

}  // namespace platform::sdl
