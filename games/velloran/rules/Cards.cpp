#include "games/velloran/rules/Cards.h"

namespace velloran {

std::string cardText(Card c) {
    if (c < 0 || c >= kDeckSize) return "--";
    return gamekit::cardCodeText(toCode(c));
}

std::string cardsText(const Card* cards, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (cards[i] == kNoCard) continue;
        if (!text.empty()) text += ' ';
        text += cardText(cards[i]);
    }
    return text;
}

bool parseCards(std::string_view text, std::vector<Card>& out, std::string& error, int minCount,
                int maxCount) {
    std::vector<gamekit::CardCode> codes;
    gamekit::CardListRules rules;
    rules.minCount = minCount;
    rules.maxCount = maxCount;
    out.clear();
    if (!gamekit::parseCardList(text, codes, error, rules)) return false;
    for (const auto& code : codes) out.push_back(fromCode(code));
    return true;
}

}  // namespace velloran
