#include "games/pellandine/rules/ScoreLists.h"

#include <cstdio>

#include "games/pellandine/rules/Variation.h"

namespace pellandine {

namespace {
// The registry value is read into a buffer of 100 wide characters.
constexpr size_t kMaxStoredLength = 99;
}  // namespace

ScoreLists::ScoreLists()
    : lists_{gamekit::GArray<int>(kScoreListSize), gamekit::GArray<int>(kScoreListSize),
             gamekit::GArray<int>(kScoreListSize), gamekit::GArray<int>(kScoreListSize)} {}

gamekit::GArray<int>& ScoreLists::list(int gameType) {
    return lists_[normalizeGameType(gameType) - 1];
}

const gamekit::GArray<int>& ScoreLists::list(int gameType) const {
    return lists_[normalizeGameType(gameType) - 1];
}

int ScoreLists::recordScore(int gameType, int score) {
    if (score < 1 || score > kDeckCards) return -1;
    gamekit::GArray<int>& entries = list(gameType);
    for (int place = 0; place < kScoreListSize; ++place) {
        if (entries[place] >= score) continue;
        for (int k = kScoreListSize - 1; k > place; --k) entries[k] = entries[k - 1];
        entries[place] = score;
        return place;
    }
    return -1;
}

void ScoreLists::resetScores(int gameType) {
    gamekit::GArray<int>& entries = list(gameType);
    for (int place = 0; place < kScoreListSize; ++place) entries[place] = 0;
}

std::string formatScoreList(const gamekit::GArray<int>& list) {
    std::string text;
    char number[16];
    for (int place = 0; place < kScoreListSize; ++place) {
        std::snprintf(number, sizeof number, "%d ", list[place]);
        text += number;
    }
    return text;
}

bool parseScoreList(std::string_view text, gamekit::GArray<int>& list) {
    if (text.size() > kMaxStoredLength) return false;
    int values[kScoreListSize];
    int found = 0;
    size_t i = 0;
    while (true) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i == text.size()) break;
        if (text[i] < '0' || text[i] > '9') return false;
        int value = 0;
        int digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value = value * 10 + (text[i] - '0');
            if (++digits > 2) return false;  // nothing above 52 has three digits
            ++i;
        }
        if (value > kDeckCards || found == kScoreListSize) return false;
        values[found++] = value;
    }
    if (found != kScoreListSize) return false;
    for (int place = 0; place < kScoreListSize; ++place) list[place] = values[place];
    return true;
}

bool parseScoreList(std::wstring_view text, gamekit::GArray<int>& list) {
    if (text.size() > kMaxStoredLength) return false;
    std::string narrow;
    for (wchar_t c : text) {
        if (c < 0 || c > 0x7e) return false;
        narrow += static_cast<char>(c);
    }
    return parseScoreList(std::string_view(narrow), list);
}

}  // namespace pellandine
