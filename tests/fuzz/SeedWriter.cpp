// Writes the fuzzers' seed corpus: a few well-formed inputs of each kind,
// made here so that no binary file is kept in the source tree.

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

void put32(std::string& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string bitmap(int width, int height, int colourEntries) {
    std::string out(54, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 10, 54 + 4 * colourEntries);
    put32(out, 14, 40);
    put32(out, 18, static_cast<uint32_t>(width));
    put32(out, 22, static_cast<uint32_t>(height));
    out[26] = 1;
    out[28] = 24;
    put32(out, 46, static_cast<uint32_t>(colourEntries));
    out.append(static_cast<size_t>(4 * colourEntries), '\x40');
    int padding = (4 - (3 * width) % 4) % 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 3 * width; ++x) out.push_back(static_cast<char>(x * 7 + y * 13));
        out.append(static_cast<size_t>(padding), '\0');
    }
    put32(out, 2, static_cast<uint32_t>(out.size()));
    return out;
}

bool write(const std::string& directory, const char* name, const std::string& bytes) {
    std::string path = directory + "/" + name;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s bitmap|registry DIRECTORY\n", argv[0]);
        return 2;
    }
    std::string kind = argv[1];
    std::string directory = argv[2];
    bool ok = true;
    if (kind == "bitmap") {
        ok = write(directory, "rows84", bitmap(28, 4, 0)) &&
             write(directory, "rows92", bitmap(30, 3, 0)) &&
             write(directory, "table", bitmap(5, 2, 3)) && write(directory, "one", bitmap(1, 1, 0));
    } else if (kind == "registry") {
        ok = write(directory, "settings",
                   "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\"
                   "Velloran]\n\"CardBack\"=dword:00000005\n\"PointsToWin\"=dword:0000012c\n"
                   "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarnwick Software\\Deckhollow\\Pellandine]\n"
                   "\"PairsScores\"=\"52 40 38 0 0 0 0 0 0 0 \"\n") &&
             write(directory, "install",
                   "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Apps\\Tarnwick Software, Inc. "
                   "Deckhollow]\r\n\"InstallDir\"=\"\\\\Program Files\\\\\\\"Q\\\"\"\r\n") &&
             write(directory, "damaged",
                   "REGEDIT4\n[HKEY_CURRENT_USER\\X]\n\"A\"=dword:1\n; note\n[HKEY_LOCAL_MACHINE]\n"
                   "\"\"=\"\"\n\"B\"=hex:00\ngarbage\n\"C\"=dword:FFFFFFFF");
    } else {
        return 2;
    }
    return ok ? 0 : 1;
}
