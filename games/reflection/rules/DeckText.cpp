#include "games/reflection/rules/DeckText.h"

#include <cctype>

namespace reflection {

namespace {
const char* const kRankNames[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                    "8", "9", "10", "J", "Q", "K"};
const char kSuitNames[4] = {'S', 'C', 'H', 'D'};
}  // namespace

std::string cardName(int code) {
    if (code < 0 || code >= kDeckSize) return "??";
    return std::string(kRankNames[code % 13]) + kSuitNames[code / 13];
}

int parseCardName(const std::string& name) {
    if (name.size() < 2 || name.size() > 3) return -1;
    std::string upper;
    for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string rankText = upper.substr(0, upper.size() - 1);
    const char suitText = upper.back();
    int rank = -1;
    for (int r = 0; r < 13; ++r) {
        if (rankText == kRankNames[r]) rank = r;
    }
    int suit = -1;
    for (int s = 0; s < 4; ++s) {
        if (suitText == kSuitNames[s]) suit = s;
    }
    if (rank < 0 || suit < 0) return -1;
    return suit * 13 + rank;
}

bool parseDeckOrder(const std::string& text, int codes[kDeckSize], std::string& error) {
    bool seen[kDeckSize] = {};
    int count = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < text.size() && text[j] != ' ' && text[j] != ',' && text[j] != '\t' &&
               text[j] != '\n' && text[j] != '\r') {
            ++j;
        }
        const std::string name = text.substr(i, j - i);
        i = j;
        const int code = parseCardName(name);
        if (code < 0) {
            error = "card " + std::to_string(count + 1) + " \"" + name +
                    "\" is not a card (ranks A 2-10 J Q K, suits S C H D)";
            return false;
        }
        if (seen[code]) {
            error = "card " + std::to_string(count + 1) + " \"" + name + "\" appears twice";
            return false;
        }
        if (count >= kDeckSize) {
            error = "more than 52 cards";
            return false;
        }
        seen[code] = true;
        codes[count++] = code;
    }
    if (count != kDeckSize) {
        error = "a deck has 52 cards, got " + std::to_string(count);
        return false;
    }
    for (int k = 0; k < kOpeningCards; ++k) {
        if (codes[k] % 13 != requiredRank(k, 0)) {
            error =
                "the first four cards must be an ace, a two, a three and a four in that "
                "order (card " +
                std::to_string(k + 1) + " is " + cardName(codes[k]) + ")";
            return false;
        }
    }
    return true;
}

std::string formatDeckOrder(const int codes[kDeckSize]) {
    std::string text;
    for (int i = 0; i < kDeckSize; ++i) {
        if (i > 0) text += ' ';
        text += cardName(codes[i]);
    }
    return text;
}

}  // namespace reflection
