#include "tools/installer/InstallFiles.h"

#include "tools/installer/BmpWriter.h"
#include "tools/installer/CardBacksArt.h"
#include "tools/installer/SpriteSheets.h"
#include "tools/installer/WavWriter.h"
#include "tools/installer/WaveSynth.h"

namespace installer {

std::vector<InstallFile> installFiles() {
    std::vector<InstallFile> files;
    files.push_back(
        {"TarnwickSoftware_CardBacks.bmp", [] { return encodeBmp24(drawCardBacks()); }});
    int count = 0;
    const SheetGenerator* sheets = sheetGenerators(count);
    for (int i = 0; i < count; ++i) {
        const SheetGenerator* sheet = &sheets[i];
        files.push_back({sheet->fileName, [sheet] { return encodeBmp24(drawSheet(*sheet)); }});
    }
    files.push_back({"TarnwickSoftware_Shuffle.wav", [] { return encodeWav16(synthShuffle()); }});
    files.push_back(
        {"TarnwickSoftware_ButtonClick.wav", [] { return encodeWav16(synthButtonClick()); }});
    files.push_back(
        {"TarnwickSoftware_Cardflick.wav", [] { return encodeWav16(synthCardFlick()); }});
    files.push_back({"TarnwickSoftware_Knock.wav", [] { return encodeWav16(synthKnock()); }});
    return files;
}

}  // namespace installer
