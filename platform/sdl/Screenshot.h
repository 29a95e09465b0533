#pragma once

// Screenshots of the device's screen taken from the desktop window (F12).

#include <ctime>
#include <string>

namespace platform::sdl {

// A file name for a screenshot taken at `when` (local time, to the
// millisecond) in `directory`, which exists: "<title>-YYYYMMDD-HHMMSS-mmm.png",
// with "-2", "-3", ... added while a file of that name is already there.
std::string screenshotPath(const std::string& directory, const std::string& title, std::time_t when,
                           int milliseconds);

// Writes the decoded screen to a new file under <root>/screenshots/ and says
// where on stderr. False when it cannot be written (also said on stderr).
bool saveScreenshot(const std::string& title);

}  // namespace platform::sdl
