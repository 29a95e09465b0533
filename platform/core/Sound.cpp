#include <sys/stat.h>

#include <string>

#include "platform/Backend.h"
#include "platform/Device.h"
#include "platform/Windows.h"

// Plays a wave file given by its device path. Only file names are supported
// (SND_FILENAME), always in the background; a missing file fails, which the
// callers use to try a second place.
BOOL PlaySoundW(LPCWSTR sound, HINSTANCE, DWORD flags) {
    if (sound == nullptr || (flags & SND_FILENAME) == 0) return FALSE;
    std::string path = platform::hostPath(sound);
    struct stat info;
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return FALSE;
    platform::logEvent("sound\t" + platform::narrow(sound));
    return platform::backend().playWave(path) ? TRUE : FALSE;
}
