#pragma once

#include <cstdint>

// With DECKHOLLOW_DEBUG_TIMING=1, says on stderr how long after the process
// started the window opened, the audio device was tried and the first frame
// reached the window, and how much processor time it had used by then.

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

// The desktop's tick count: milliseconds since the machine started, as the
// device counts from its own start. Not the time since the program started,
// which is nearly the same at every start and would make the random seed
// taken from it nearly the same too.
uint32_t uptimeMs();

// The processor time the process has used so far, its threads together, in
// milliseconds: on a busy machine the share of the wait that was its own.
double processCpuMs();

// Milliseconds since the process was started, from the kernel's record of
// its start; negative when that cannot be read.
double processAgeMs();

}  // namespace platform::sdl
