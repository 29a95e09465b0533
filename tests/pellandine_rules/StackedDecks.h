#pragma once

#include <string>
#include <vector>

// Deck orders that let a test play a whole game by plan.
namespace pellandine_test {

// The 26 pairs of one deck that sum to 14.
inline std::vector<std::pair<std::string, std::string>> sum14Pairs() {
    std::vector<std::pair<std::string, std::string>> pairs;
    const char* suits[4] = {"S", "C", "H", "D"};
    const char* high[6] = {"K", "Q", "J", "10", "9", "8"};
    const char* low[6] = {"A", "2", "3", "4", "5", "6"};
    for (int v = 0; v < 6; ++v) {
        for (const char* s : suits)
            pairs.push_back({std::string(high[v]) + s, std::string(low[v]) + s});
    }
    pairs.push_back({"7S", "7C"});
    pairs.push_back({"7H", "7D"});
    return pairs;
}

// The 20 pairs of one deck that sum to 11.
inline std::vector<std::pair<std::string, std::string>> sum11Pairs() {
    std::vector<std::pair<std::string, std::string>> pairs;
    const char* suits[4] = {"S", "C", "H", "D"};
    const char* high[5] = {"10", "9", "8", "7", "6"};
    const char* low[5] = {"A", "2", "3", "4", "5"};
    for (int v = 0; v < 5; ++v) {
        for (const char* s : suits)
            pairs.push_back({std::string(low[v]) + s, std::string(high[v]) + s});
    }
    return pairs;
}

// Two rows dealt from pairs [first, first + 5): the first cards of the pairs
// on the upper row and their partners straight below.
inline std::string twoRowsOfPairs(const std::vector<std::pair<std::string, std::string>>& pairs,
                                  int first) {
    std::string out;
    for (int k = first; k < first + 5; ++k) out += pairs[k].first + " ";
    for (int k = first; k < first + 5; ++k) out += pairs[k].second + " ";
    return out;
}

inline std::string sum11FaceCards() {
    return "JS QS KS JC QC KC JH QH KH JD QD KD ";
}

}  // namespace pellandine_test
