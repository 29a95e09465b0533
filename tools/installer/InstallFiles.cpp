#include "tools/installer/InstallFiles.h"

#include "tools/installer/BmpWriter.h"
#include "tools/installer/CardBacksArt.h"
#include "tools/installer/SpriteSheets.h"
#include "tools/installer/WavWriter.h"
#include "tools/installer/WaveSynth.h"

namespace installer {

namespace {

uint32_t u16At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint32_t>(b[at] | (b[at + 1] << 8));
}

uint32_t u32At(const std::vector<uint8_t>& b, size_t at) {
    return u16At(b, at) | (u16At(b, at + 2) << 16);
}

bool textAt(const std::vector<uint8_t>& b, size_t at, const char* text) {
    for (size_t i = 0; text[i] != '\0'; ++i) {
        if (at + i >= b.size() || b[at + i] != static_cast<uint8_t>(text[i])) return false;
    }
    return true;
}

bool endsWith(const std::string& name, const char* tail) {
    std::string t(tail);
    return name.size() >= t.size() && name.compare(name.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

bool looksWhole(const InstallFile& file, const std::vector<uint8_t>& bytes) {
    const uint64_t size = bytes.size();
    if (endsWith(file.name, ".bmp")) {
        if (size < 54 || !textAt(bytes, 0, "BM") || u32At(bytes, 2) != size ||
            u32At(bytes, 10) != 54 || u32At(bytes, 14) != 40 || u16At(bytes, 26) != 1 ||
            u16At(bytes, 28) != 24 || u32At(bytes, 30) != 0) {
            return false;
        }
        const uint64_t width = u32At(bytes, 18), height = u32At(bytes, 22);
        if (width == 0 || height == 0 || width > 65535 || height > 65535) return false;
        if (file.width != 0 && (width != static_cast<uint64_t>(file.width) ||
                                height != static_cast<uint64_t>(file.height))) {
            return false;
        }
        return size == 54 + (width * 3 + 3) / 4 * 4 * height;
    }
    if (endsWith(file.name, ".wav")) {
        return size >= 44 && textAt(bytes, 0, "RIFF") && u32At(bytes, 4) + 8 == size &&
               textAt(bytes, 8, "WAVEfmt ") && u32At(bytes, 16) == 16 && u16At(bytes, 20) == 1 &&
               u16At(bytes, 34) == 16 && textAt(bytes, 36, "data") &&
               u32At(bytes, 40) + 44 == size;
    }
    return size > 0;
}

std::vector<InstallFile> installFiles() {
    std::vector<InstallFile> files;
    files.push_back(
        {"TarnwickSoftware_CardBacks.bmp", [] { return encodeBmp24(drawCardBacks()); }});
    int count = 0;
    const SheetGenerator* sheets = sheetGenerators(count);
    for (int i = 0; i < count; ++i) {
        const SheetGenerator* sheet = &sheets[i];
        files.push_back({sheet->fileName, [sheet] { return encodeBmp24(drawSheet(*sheet)); },
                         sheet->width, sheet->height});
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
