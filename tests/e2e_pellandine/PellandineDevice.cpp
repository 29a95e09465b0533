#include "PellandineDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/Surface.h"
#include "games/pellandine/TableLayout.h"
#include "platform/Device.h"
#include "platform/Registry.h"
#include "platform/RegistryStore.h"

namespace pellandine_e2e {

namespace {

const wchar_t* const kProgramKey = L"Software\\Tarnwick Software\\Deckhollow\\Pellandine";

void setString(HKEY key, const wchar_t* name, const std::wstring& value) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

HKEY openForWriting(const std::string& root, const wchar_t* path) {
    platform::setDeviceRootForTesting(root);
    platform::registry::discardRegistryForTesting();
    HKEY key = nullptr;
    DWORD disposition = 0;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                    nullptr, &key, &disposition);
    return key;
}

// The 52 faces as the table draws them, to compare with a screenshot.
struct Faces {
    std::vector<gamekit::PlayingCard> cards;
    std::vector<std::vector<uint16_t>> pictures;
    explicit Faces(uint16_t border) {
        gamekit::CardTheme theme(0, 0, 28, 43, 252, 43);
        theme.borderColour = border;
        cards.reserve(52);
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 13; ++rank) {
                cards.emplace_back(rank, suit, true);
                gamekit::Surface s(30, 46);
                s.fill(0x1234);
                drawCard(s, cards.back(), &theme, 0, 0, 0, 0, false);
                pictures.emplace_back(s.pixels(), s.pixels() + 30 * 46);
            }
        }
    }
};

const Faces& faces(uint16_t border) {
    static std::map<uint16_t, Faces> cache;
    auto it = cache.find(border);
    if (it == cache.end()) it = cache.emplace(border, Faces(border)).first;
    return it->second;
}

// The glyph corner of the card: rank and suit.
constexpr int kLeft = 1, kTop = 1, kRight = 11, kBottom = 28;

}  // namespace

Device::Device() {
    const std::string command =
        std::string("\"") + INSTALLER_PATH + "\" --root \"" + root_.path() + "\" >/dev/null";
    // The installer draws the files and writes "InstallDir", as the
    // device's installer does.
    installed_ = std::system(command.c_str()) == 0 &&
                 registryText().find("\"InstallDir\"") != std::string::npos;
}

testing_support::RunResult Device::run(const std::string& script, unsigned tick0) {
    return testing_support::runHeadless(PELLANDINE_PATH, root_, script,
                                        {{"DECKHOLLOW_TICK0", std::to_string(tick0)}});
}

std::string Device::registryText() const {
    std::ifstream in(root_.file("registry.reg"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

long Device::dword(const std::string& name) const {
    const std::string text = registryText();
    const std::string prefix = "\"" + name + "\"=dword:";
    const size_t at = text.find(prefix);
    if (at == std::string::npos) return -1;
    return std::strtol(text.c_str() + at + prefix.size(), nullptr, 16);
}

std::string Device::text(const std::string& name) const {
    const std::string text = registryText();
    const std::string prefix = "\"" + name + "\"=\"";
    const size_t at = text.find(prefix);
    if (at == std::string::npos) return "<missing>";
    const size_t end = text.find('"', at + prefix.size());
    return text.substr(at + prefix.size(), end - at - prefix.size());
}

void Device::writeSettings(const std::map<std::wstring, unsigned>& dwords) {
    HKEY key = openForWriting(root_.path(), kProgramKey);
    for (const auto& [name, value] : dwords) {
        DWORD v = value;
        RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), 4);
    }
    for (const wchar_t* list : {L"PairsScores", L"Sum10Scores", L"Sum11Scores", L"Sum14Scores"}) {
        setString(key, list, L"0 0 0 0 0 0 0 0 0 0 ");
    }
    RegCloseKey(key);
}

std::string Device::shot(const std::string& name) const {
    return root_.file(name + ".png");
}

void Device::keep(const std::string& name) const {
    std::error_code error;
    std::filesystem::create_directories(SHOTS_DIR, error);
    std::filesystem::copy_file(shot(name), std::string(SHOTS_DIR) + "/" + name + ".png",
                               std::filesystem::copy_options::overwrite_existing, error);
}

bool Device::load(const std::string& name, testing_support::PngImage* image) const {
    keep(name);
    return image->load(shot(name));
}

ReadTable dealAndRead(Device& device, const std::string& name) {
    const testing_support::RunResult r = device.run(kDealScript + device.shotLine(name));
    EXPECT_EQ(r.exitCode, 0) << r.stderrText;
    testing_support::PngImage image;
    if (r.exitCode != 0 || !device.load(name, &image)) return ReadTable{};
    ReadTable table = readTable(image, pellandine::kSum14);
    EXPECT_EQ(table.cardsRead, 10);
    table.ok = table.ok && table.cardsRead == 10;
    return table;
}

std::vector<pellandine::Group> groupsOn(const pellandine::TableGrid& grid) {
    std::vector<pellandine::Group> groups;
    pellandine::findGroups(grid, groups);
    return groups;
}

int countColour(const testing_support::PngImage& image, int x1, int y1, int x2, int y2,
                uint16_t colour) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += pixel565(image, x, y) == colour;
    return n;
}

uint16_t pixel565(const testing_support::PngImage& image, int x, int y) {
    const uint32_t rgb = image.at(x, y);
    const uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

ReadTable readTable(const testing_support::PngImage& image, int gameType, uint16_t border) {
    ReadTable table;
    table.grid.setLayout(gameType);
    table.ok = true;
    const Faces& f = faces(border);
    for (int i = 0; i < pellandine::kSlotCount; ++i) {
        pellandine::TableSlot& slot = table.grid.at(i);
        if (!slot.active) continue;
        const pellandine::ScreenPoint at = pellandine::slotPlace(gameType, slot);
        // A face shows the card's body colour beside its glyphs.
        if (pixel565(image, at.x + 20, at.y + 30) != 0xE71C) continue;
        int found = -1;
        for (size_t c = 0; c < f.pictures.size() && found < 0; ++c) {
            bool same = true;
            for (int y = kTop; y <= kBottom && same; ++y) {
                for (int x = kLeft; x <= kRight && same; ++x) {
                    same = f.pictures[c][y * 30 + x] == pixel565(image, at.x + x, at.y + y);
                }
            }
            if (same) found = static_cast<int>(c);
        }
        if (found < 0) {
            table.ok = false;
            continue;
        }
        table.grid.place(slot, const_cast<gamekit::PlayingCard*>(&f.cards[found]), 1);
        ++table.cardsRead;
    }
    return table;
}

std::string tapsFor(const pellandine::TableGrid& grid, const int* indices, int count) {
    std::string script;
    for (int k = 0; k < count; ++k) {
        const pellandine::ScreenPoint at =
            pellandine::slotPlace(grid.gameType(), grid.at(indices[k]));
        script +=
            "tap " + std::to_string(at.x + 15) + " " + std::to_string(at.y + 22) + "\nwait 200\n";
    }
    return script;
}

}  // namespace pellandine_e2e
