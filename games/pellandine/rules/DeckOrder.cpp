#include "games/pellandine/rules/DeckOrder.h"

namespace pellandine {

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int suitOf(char c) {
    const char* suits = "SCHD";
    for (int s = 0; s < 4; ++s) {
        if (upper(c) == suits[s]) return s;
    }
    return -1;
}

int rankOf(std::string_view r) {
    if (r == "10") return 9;
    if (r.size() != 1) return -1;
    const char* ranks = "A23456789TJQK";
    for (int k = 0; k < 13; ++k) {
        if (upper(r[0]) == ranks[k]) return k;
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

std::string cardCodeName(const CardCode& code) {
    static const char* const kRanks[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                           "8", "9", "10", "J", "Q", "K"};
    static const char kSuits[4] = {'S', 'C', 'H', 'D'};
    if (code.rank < 0 || code.rank > 12 || code.suit < 0 || code.suit > 3) return "??";
    return std::string(kRanks[code.rank]) + kSuits[code.suit];
}

std::string cardCodeName(const gamekit::PlayingCard& card) {
    return cardCodeName(CardCode{card.rank, card.suit});
}

bool parseDeckOrder(std::string_view text, std::vector<CardCode>& out, std::string& error) {
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
            error = "\"" + std::string(word) +
                    "\" is not a card (rank A 2-10 T J Q K, then suit S C H D, e.g. AS 10H QD)";
            return false;
        }
        bool& already = seen[code.suit * 13 + code.rank];
        if (already) {
            error = "the card " + cardCodeName(code) + " is given twice";
            return false;
        }
        already = true;
        out.push_back(code);
    }
    if (out.empty()) {
        error = "the deck order names no card";
        return false;
    }
    return true;
}

bool arrangeShoe(gamekit::PokerShoe& shoe, const std::vector<CardCode>& topFirst) {
    const int n = shoe.count();
    if (static_cast<int>(topFirst.size()) > n) return false;
    std::vector<gamekit::PlayingCard*> ordered;
    std::vector<bool> taken(static_cast<size_t>(n), false);
    for (const CardCode& code : topFirst) {
        int found = -1;
        for (int k = 0; k < n && found < 0; ++k) {
            const gamekit::PlayingCard* c = shoe.cards[k];
            if (!taken[static_cast<size_t>(k)] && c->rank == code.rank && c->suit == code.suit) {
                found = k;
            }
        }
        if (found < 0) return false;
        taken[static_cast<size_t>(found)] = true;
        ordered.push_back(shoe.cards[found]);
    }
    for (int k = 0; k < n; ++k) {
        if (!taken[static_cast<size_t>(k)]) ordered.push_back(shoe.cards[k]);
    }
    for (int k = 0; k < n; ++k) shoe.cards[k] = ordered[static_cast<size_t>(k)];
    shoe.nextCard = 0;
    return true;
}

}  // namespace pellandine
