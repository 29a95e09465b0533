#include "gamekit/cards/CardText.h"

namespace gamekit {

namespace {

constexpr char kRankLetters[] = "A23456789TJQK";
constexpr char kSuitLetters[] = "SCHD";

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int suitOf(char c) {
    for (int s = 0; s < 4; ++s) {
        if (upper(c) == kSuitLetters[s]) return s;
    }
    return -1;
}

int rankOf(std::string_view r) {
    if (r == "10") return 9;
    if (r.size() != 1) return -1;
    for (int k = 0; k < 13; ++k) {
        if (upper(r[0]) == kRankLetters[k]) return k;
    }
    return -1;
}

bool isSeparator(char c) {
    return c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

bool parseCardCode(std::string_view text, CardCode& out) {
    if (text.size() < 2 || text.size() > 3) return false;
    const int suit = suitOf(text.back());
    const int rank = rankOf(text.substr(0, text.size() - 1));
    if (suit < 0 || rank < 0) return false;
    out = CardCode{rank, suit};
    return true;
}

std::string cardCodeText(const CardCode& code) {
    if (code.rank < 0 || code.rank > 12 || code.suit < 0 || code.suit > 3) return "??";
    return std::string{kRankLetters[code.rank], kSuitLetters[code.suit]};
}

std::string cardCodeText(const PlayingCard& card) {
    return cardCodeText(CardCode{card.rank, card.suit});
}

bool parseCardList(std::string_view text, std::vector<CardCode>& out, std::string& error,
                   const CardListRules& rules) {
    out.clear();
    bool seen[52] = {};
    size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && !isSeparator(text[end])) ++end;
        const std::string_view word = text.substr(i, end - i);
        i = end;
        CardCode code;
        if (!parseCardCode(word, code)) {
            error = "card " + std::to_string(out.size() + 1) + ": \"" + std::string(word) +
                    "\" is not a card (rank A 2-9 T J Q K, then suit S C H D, e.g. AS TH QD)";
            return false;
        }
        bool& already = seen[code.index()];
        if (already && !rules.allowRepeats) {
            error = "the card " + cardCodeText(code) + " is given twice";
            return false;
        }
        already = true;
        out.push_back(code);
    }
    const int count = static_cast<int>(out.size());
    if (count < rules.minCount || count > rules.maxCount) {
        error = rules.minCount == rules.maxCount
                    ? "expected " + std::to_string(rules.minCount) + " cards, found " +
                          std::to_string(count)
                    : "expected " + std::to_string(rules.minCount) + " to " +
                          std::to_string(rules.maxCount) + " cards, found " +
                          std::to_string(count);
        return false;
    }
    return true;
}

std::string cardListText(const std::vector<CardCode>& cards) {
    std::string text;
    for (const CardCode& c : cards) {
        if (!text.empty()) text += ' ';
        text += cardCodeText(c);
    }
    return text;
}

}  // namespace gamekit
