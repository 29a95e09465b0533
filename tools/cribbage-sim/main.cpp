// cribbage-sim: the cribbage rules without a screen. Counts hands from
// standard input or all of them, replays a given play or deal, and plays
// computer levels against each other. Exit codes: 0 done, 2 refused input.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "games/cribbage/rules/HandCount.h"
#include "tools/cribbage-sim/SimCommon.h"

using namespace cribbage;

namespace cribbage_sim {

void refuse(const std::string& message) {
    std::fflush(stdout);
    std::fprintf(stderr, "cribbage-sim: %s\n", message.c_str());
    std::exit(2);
}

std::vector<Card> parseCards(const std::string& text, int count, const char* what) {
    std::vector<gamekit::CardCode> codes;
    std::string error;
    gamekit::CardListRules rules;
    rules.minCount = rules.maxCount = count;
    if (!gamekit::parseCardList(text, codes, error, rules)) refuse(std::string(what) + ": " + error);
    std::vector<Card> cards;
    for (const auto& code : codes) cards.push_back(fromCardCode(code));
    return cards;
}

std::string Arguments::value(const char* name) const {
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i] == name) return words[i + 1];
    }
    return "";
}

bool Arguments::has(const char* name) const {
    for (const std::string& w : words) {
        if (w == name) return true;
    }
    return false;
}

void Arguments::allowOnly(std::initializer_list<const char*> names,
                          std::initializer_list<const char*> flags) const {
    for (size_t i = 0; i < words.size(); ++i) {
        bool known = false;
        for (const char* f : flags) known = known || words[i] == f;
        if (known) continue;
        for (const char* n : names) {
            if (words[i] == n) {
                if (i + 1 >= words.size()) refuse(std::string(n) + " needs a value");
                known = true;
                ++i;
                break;
            }
        }
        if (!known) refuse("unknown argument \"" + words[i] + "\" (see --help)");
    }
}

}  // namespace cribbage_sim

using namespace cribbage_sim;

namespace {

const char* const kHelp =
    "cribbage-sim: the cribbage rules, computer player and advice without a screen.\n"
    "Cards are written rank A 2-9 T J Q K (10 also reads as T) then suit S C H D: AS TD 5h.\n"
    "\n"
    "  cribbage-sim count\n"
    "      Reads lines \"<four cards> [| <starter>] [crib]\" from standard input, for example\n"
    "      \"5H 5C 5S JD | 5D\" or \"4D 5D 7D QD | 3C crib\", and prints for each\n"
    "      total=<n> fifteens=<n> pairs=<n> pairroyals=<n> dblpairroyals=<n> runs=<n>\n"
    "      runlength=<n> flush=<n> fivecardflush=<n> knobs=<n>\n"
    "      A bad line (wrong count, a card twice, no card) is named on stderr: exit 2.\n"
    "      Blank lines and lines starting with # are skipped.\n"
    "\n"
    "  cribbage-sim all\n"
    "      Counts every four-card hand with every starter (12,994,800 counts) as hand\n"
    "      and as crib; prints the means, the histogram of totals and the time.\n"
    "\n"
    "  cribbage-sim peg --pone \"<4 cards>\" --dealer \"<4 cards>\" --order \"<8 cards laid>\"\n"
    "      Plays that order by the program's play rules (pone leads; who can lay must\n"
    "      lay; never past 31) and prints a line per event:\n"
    "      <pone|dealer> <card> count=<n> points=<n> <messages>  for a card laid,\n"
    "      <pone|dealer> go                                  for a go said,\n"
    "      <pone|dealer> go points=<n> <message>             for a go pegged,\n"
    "      then totals pone=<n> dealer=<n>. An order the rules refuse: exit 2 naming the card.\n"
    "\n"
    "  cribbage-sim deal --dealer red|blue --scores <red>,<blue> --red \"<4>\" --blue \"<4>\"\n"
    "                    --crib \"<4>\" --starter <card> --order \"<cards laid>\"\n"
    "      One whole deal from the given scores: his heels, the play in that order, the\n"
    "      counts of pone, dealer and crib, stopping the moment a player reaches 121.\n"
    "      Prints each scoring event <red|blue> <points> <what>, then\n"
    "      winner=<red|blue|none> red=<n> blue=<n>.\n"
    "\n"
    "  cribbage-sim play --levels <a>,<b> --games N --seed S [--sets]\n"
    "      Levels beginning|standard|expert. Whole games (or sets to five wins) between\n"
    "      two computer players through the same rules; seats and first dealer\n"
    "      alternate. A line per game, then each side's win share with a 95 % Wilson\n"
    "      interval, deals per game, mean points per hand, per crib and pegged per deal,\n"
    "      and decisions per second.\n"
    "\n"
    "  cribbage-sim --help\n";

int runCount() {
    std::string line;
    int lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        std::string text = line;
        bool isCrib = false;
        // A trailing word "crib" marks the crib.
        size_t last = text.find_last_not_of(" \t\r");
        text.erase(last + 1);
        if (text.size() >= 4) {
            std::string tail = text.substr(text.size() - 4);
            for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const bool separated = text.size() == 4 || text[text.size() - 5] == ' ' ||
                                   text[text.size() - 5] == '\t' || text[text.size() - 5] == '|';
            if (tail == "crib" && separated) {
                isCrib = true;
                text.erase(text.size() - 4);
            }
        }
        std::string handText = text, starterText;
        const size_t bar = text.find('|');
        if (bar != std::string::npos) {
            handText = text.substr(0, bar);
            starterText = text.substr(bar + 1);
            if (starterText.find('|') != std::string::npos) refuse(where + "more than one |");
        }
        std::vector<gamekit::CardCode> hand, starter;
        std::string error;
        gamekit::CardListRules four;
        four.minCount = four.maxCount = 4;
        if (!gamekit::parseCardList(handText, hand, error, four)) refuse(where + error);
        Card starterCard;
        if (bar != std::string::npos) {
            gamekit::CardListRules one;
            one.minCount = one.maxCount = 1;
            if (!gamekit::parseCardList(starterText, starter, error, one))
                refuse(where + "starter: " + error);
            for (const auto& c : hand) {
                if (c == starter[0])
                    refuse(where + "the card " + gamekit::cardCodeText(c) + " is given twice");
            }
            starterCard = fromCardCode(starter[0]);
        }
        Card cards[4];
        for (int i = 0; i < 4; ++i) cards[i] = fromCardCode(hand[i]);
        const HandCount h = countHand(cards, starterCard, isCrib);
        std::printf(
            "total=%d fifteens=%d pairs=%d pairroyals=%d dblpairroyals=%d runs=%d runlength=%d "
            "flush=%d fivecardflush=%d knobs=%d\n",
            h.total, h.fifteens, h.pairs, h.pairRoyals, h.doublePairRoyals, h.runCount, h.runLength,
            h.flush, h.fiveCardFlush, h.hisKnobs);
    }
    return 0;
}

int runAll() {
    long long histogram[2][30] = {};
    long long sum[2] = {0, 0};
    long long counts = 0;
    const auto t0 = std::chrono::steady_clock::now();
    Card cards[4];
    for (int a = 0; a < 52; ++a) {
        cards[0] = Card::fromIndex(a);
        for (int b = a + 1; b < 52; ++b) {
            cards[1] = Card::fromIndex(b);
            for (int c = b + 1; c < 52; ++c) {
                cards[2] = Card::fromIndex(c);
                for (int d = c + 1; d < 52; ++d) {
                    cards[3] = Card::fromIndex(d);
                    for (int s = 0; s < 52; ++s) {
                        if (s == a || s == b || s == c || s == d) continue;
                        const Card starter = Card::fromIndex(s);
                        for (int crib = 0; crib < 2; ++crib) {
                            const int total = countHand(cards, starter, crib == 1).total;
                            ++histogram[crib][total];
                            sum[crib] += total;
                        }
                        ++counts;
                    }
                }
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("hands with starter=%lld counts=%lld\n", counts, 2 * counts);
    std::printf("mean hand=%.4f crib=%.4f\n", static_cast<double>(sum[0]) / counts,
                static_cast<double>(sum[1]) / counts);
    std::printf("total hand crib\n");
    for (int t = 0; t < 30; ++t)
        std::printf("%d %lld %lld\n", t, histogram[0][t], histogram[1][t]);
    std::printf("time=%.3f s (%.1f ns a count)\n", seconds, seconds * 1e9 / (2.0 * counts));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kHelp, stderr);
        return 2;
    }
    const std::string command = argv[1];
    Arguments args;
    for (int i = 2; i < argc; ++i) args.words.push_back(argv[i]);
    if (command == "--help" || command == "-h" || command == "help" || args.has("--help")) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (command == "count") {
        args.allowOnly({}, {});
        return runCount();
    }
    if (command == "all") {
        args.allowOnly({}, {});
        return runAll();
    }
    if (command == "peg") return runPeg(args);
    if (command == "deal") return runDeal(args);
    if (command == "play") return runPlay(args);
    refuse("unknown command \"" + command + "\" (count, all, peg, deal, play or --help)");
}
