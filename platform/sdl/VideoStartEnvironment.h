#pragma once

// The environment SDL's video start-up reads, trimmed for the span of that
// start-up to what the game uses: it takes no typed text and wants nothing
// from a desktop session bus. Everything set is put back afterwards, so the
// rest of the program and any process it starts see the user's environment.

#include <optional>
#include <string>
#include <vector>

namespace platform::sdl {

class VideoStartEnvironment {
  public:
    VideoStartEnvironment();
    ~VideoStartEnvironment();
    VideoStartEnvironment(const VideoStartEnvironment&) = delete;
    VideoStartEnvironment& operator=(const VideoStartEnvironment&) = delete;

  private:
    struct Saved {
        std::string name;
        std::optional<std::string> value;  // none: it was unset
    };
    void set(const char* name, const char* value);

    std::vector<Saved> saved_;
};

}  // namespace platform::sdl
