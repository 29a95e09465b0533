#include "gamekit/sound/Sound.h"

#include <cwchar>

#include "gamekit/settings/InstallDir.h"
#include "platform/Windows.h"

namespace gamekit {

namespace {
const wchar_t* const kSoundFiles[] = {
    L"\\TarnwickSoftware_Shuffle.wav",
    L"\\TarnwickSoftware_ButtonClick.wav",
    L"\\TarnwickSoftware_Cardflick.wav",
    L"\\TarnwickSoftware_Knock.wav",
};
}  // namespace

const wchar_t* soundFileName(int index) {
    if (index < 0 || index >= static_cast<int>(sizeof kSoundFiles / sizeof kSoundFiles[0])) return nullptr;
    return kSoundFiles[index];
}

void playSound(int index, bool soundOn) {
    if (!soundOn) return;
    const wchar_t* name = soundFileName(index);
    if (name == nullptr) return;
    wchar_t path[400];
    // The name brings its own leading backslash: "\Windows\\Tarnwick...".
    std::swprintf(path, sizeof path / sizeof path[0], L"\\Windows\\%ls", name);
    if (PlaySoundW(path, nullptr, SND_FILENAME | SND_NODEFAULT | SND_ASYNC)) return;
    std::swprintf(path, sizeof path / sizeof path[0], L"%ls%ls", installDir, name);
    PlaySoundW(path, nullptr, SND_FILENAME | SND_ASYNC);
}

}  // namespace gamekit
