#pragma once

// With DECKHOLLOW_DEBUG_TIMING=1, says on stderr how long after the process
// started its first frame reached the window.

namespace platform::sdl {

class StartTiming {
  public:
    StartTiming();
    void framePresented();

  private:
    bool enabled_ = false;
    bool reported_ = false;
};

// Milliseconds since the process was started, from the kernel's record of
// its start; negative when that cannot be read.
double processAgeMs();

}  // namespace platform::sdl
