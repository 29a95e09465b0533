#pragma once

namespace gamekit {

enum SoundIndex { kSoundShuffle = 0, kSoundClick = 1, kSoundCardFlick = 2, kSoundKnock = 3 };

// Plays sound `index` in the background when `soundOn` is true; looks in the
// Windows directory first, then in the install directory.
void playSound(int index, bool soundOn);

// The device path of sound `index` ("\TarnwickSoftware_....wav"), or null
// outside the table.
const wchar_t* soundFileName(int index);

}  // namespace gamekit
