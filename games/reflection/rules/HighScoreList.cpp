#include "games/reflection/rules/HighScoreList.h"

#include <cstdio>

namespace reflection {

std::string formatListText(const int values[kListEntries]) {
    std::string text;
    char number[16];
    for (int i = 0; i < kListEntries; ++i) {
        std::snprintf(number, sizeof number, "%d ", values[i]);
        text += number;
    }
    return text;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// One optionally signed decimal number; saturates instead of overflowing.
// Returns false (and leaves `p`) when no digits follow.
bool readNumber(const char*& p, long long& value) {
    const char* q = p;
    bool negative = false;
    if (*q == '-' || *q == '+') negative = *q++ == '-';
    if (*q < '0' || *q > '9') return false;
    long long v = 0;
    for (; *q >= '0' && *q <= '9'; ++q) {
        if (v < 1000000000000LL) v = v * 10 + (*q - '0');
    }
    value = negative ? -v : v;
    p = q;
    return true;
}

}  // namespace

ListText parseListText(const char* text, int low, int high, int missing, int out[kListEntries]) {
    for (int i = 0; i < kListEntries; ++i) out[i] = missing;
    if (text == nullptr) return ListText::Unreadable;
    bool valid = true;
    const char* p = text;
    int count = 0;
    while (true) {
        while (isBlank(*p)) ++p;
        if (*p == '\0') break;
        long long value = 0;
        // Numbers must be separated by blanks: "12x" or "1-2" is damage.
        if (!readNumber(p, value) || (*p != '\0' && !isBlank(*p))) return ListText::Unreadable;
        if (count >= kListEntries) return ListText::Unreadable;
        if (value < low) {
            value = low;
            valid = false;
        } else if (value > high) {
            value = high;
            valid = false;
        }
        out[count++] = static_cast<int>(value);
    }
    return valid && count == kListEntries ? ListText::Valid : ListText::Unreadable;
}

void HighScoreList::reset() {
    for (int i = 0; i < kListEntries; ++i) {
        scores_[i] = kEmptyScore;
        times_[i] = kEmptyTime;
    }
    highlighted_ = -1;
}

int HighScoreList::placeFor(int score, int seconds) const {
    int i = 0;
    while (i < kListEntries && scores_[i] > score) ++i;
    while (i < kListEntries && scores_[i] == score && times_[i] < seconds) ++i;
    return i < kListEntries ? i : -1;
}

int HighScoreList::insert(int score, int seconds) {
    const int row = placeFor(score, seconds);
    if (row < 0) return -1;
    for (int i = kListEntries - 1; i > row; --i) {
        scores_[i] = scores_[i - 1];
        times_[i] = times_[i - 1];
    }
    scores_[row] = score;
    times_[row] = seconds;
    highlighted_ = row;
    return row;
}

bool HighScoreList::load(const char* scoresText, const char* timesText) {
    const ListText s =
        parseListText(scoresText, kMinListScore, kMaxListScore, kEmptyScore, scores_);
    const ListText t = parseListText(timesText, kMinListTime, kMaxListTime, kEmptyTime, times_);
    highlighted_ = -1;
    return s == ListText::Valid && t == ListText::Valid;
}

}  // namespace reflection
