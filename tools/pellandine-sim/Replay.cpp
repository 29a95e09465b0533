// The replay tools: a stacked deck played tap by tap, or a table read from
// standard input and played on, printing the table after every tap.

#include "tools/pellandine-sim/Replay.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gamekit/cards/CardText.h"
#include "tools/pellandine-sim/ReplayTaps.h"
#include "tools/sim-options/SimArguments.h"

namespace pellandine_sim {

using gamekit::CardCode;

namespace {

const char* kReplayUsage =
    "usage: pellandine-sim replay --variation pairs|sum10|sum11|sum14 --slide zigzag|straight\n"
    "                             --deck \"<cards top first>\" --moves \"<taps>\"\n"
    "       pellandine-sim position < table.txt\n"
    "  taps, separated by blanks: R,C (row 1 to 4, column 1 to 5), deck, space\n";

int refuse(const std::string& why) {
    std::fprintf(stderr, "pellandine-sim: %s\n", why.c_str());
    return 2;
}

sim_options::SimOption variationOption(int& target) {
    return sim_options::choiceOption<int>("--variation", "variation", target,
                                          {{"pairs", pellandine::kPairs},
                                           {"sum10", pellandine::kSum10},
                                           {"sum11", pellandine::kSum11},
                                           {"sum14", pellandine::kSum14}});
}

sim_options::SimOption slideOption(int& target) {
    return sim_options::choiceOption<int>(
        "--slide", "refill mode", target,
        {{"zigzag", pellandine::kSlideZigZag}, {"straight", pellandine::kSlideStraightUp}});
}

// The given cards first, then every other card in new-deck order, so that a
// short deck names one deal whatever the program's start shuffles did.
std::vector<CardCode> wholeDeck(const std::vector<CardCode>& topFirst) {
    std::vector<CardCode> order = topFirst;
    bool given[52] = {};
    for (const CardCode& c : topFirst) given[c.index()] = true;
    for (int k = 0; k < 52; ++k) {
        if (!given[k]) order.push_back(CardCode::fromIndex(k));
    }
    return order;
}

int runReplay(int argc, char** argv) {
    int gameType = pellandine::kPairs, slideMode = pellandine::kSlideZigZag;
    bool haveDeck = false;
    std::vector<CardCode> deck;
    std::vector<ReplayTap> taps;
    const std::vector<sim_options::SimOption> table = {
        variationOption(gameType),
        slideOption(slideMode),
        {"--deck", nullptr, true,
         [&](const std::string& v, std::string& why) {
             std::string fault;
             haveDeck = gamekit::parseCardList(v, deck, fault, {false, 1, 52});
             if (!haveDeck) why = "bad deck order: " + fault;
             return haveDeck;
         }},
        {"--moves", nullptr, true,
         [&](const std::string& v, std::string& why) { return parseReplayTaps(v, taps, why); }},
    };
    const int status = sim_options::readSubcommand(argc, argv, table, "pellandine-sim", kReplayUsage);
    if (status >= 0) return status;
    if (!haveDeck) return refuse("replay needs --deck");
    pellandine::PellandineRules rules(0, gameType, slideMode);
    rules.newGameWithOrder(wholeDeck(deck));
    playAndPrint(rules, taps);
    return 0;
}

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

// One row's five places: a card, "JH/QS/5D" for cards covered (bottom
// first), "--" or ".." for none.
bool readRow(const std::string& value, pellandine::TablePosition& p, int row, std::string& why) {
    std::istringstream in(value);
    std::vector<std::string> cells;
    for (std::string cell; in >> cell;) cells.push_back(cell);
    if (cells.size() != pellandine::kColumns) {
        why = "a row has 5 places (\"--\" or \"..\" for none), found " +
              std::to_string(cells.size());
        return false;
    }
    for (int c = 0; c < pellandine::kColumns; ++c) {
        std::vector<CardCode>& stack = p.stacks[row * pellandine::kColumns + c];
        stack.clear();
        if (cells[c] == "--" || cells[c] == "..") continue;
        std::string cards = cells[c];
        for (char& ch : cards) ch = ch == '/' ? ' ' : ch;
        if (!gamekit::parseCardList(cards, stack, why, {false, 1, 52})) {
            why = "column " + std::to_string(c + 1) + ": " + why;
            return false;
        }
    }
    return true;
}

bool readItem(const std::string& name, const std::string& value, pellandine::TablePosition& p,
              std::string& taps, std::string& why) {
    std::vector<std::string> names;
    size_t index = 0;
    if (name == "variation") {
        if (!sim_options::pickChoice(value, {"pairs", "sum10", "sum11", "sum14"}, "variation",
                                     index, why)) {
            return false;
        }
        p.gameType = pellandine::kPairs + static_cast<int>(index);
        return true;
    }
    if (name == "slide") {
        if (!sim_options::pickChoice(value, {"zigzag", "straight"}, "refill mode", index, why)) {
            return false;
        }
        p.slideMode = index == 0 ? pellandine::kSlideZigZag : pellandine::kSlideStraightUp;
        return true;
    }
    if (name == "taps") {
        taps += value + "\n";
        return true;
    }
    if (name == "shoe") {
        return value == "-" || gamekit::parseCardList(value, p.shoe, why, {false, 0, 52});
    }
    if (name == "score") {
        unsigned long long n = 0;
        if (!sim_options::parseBounded(value, 52, n)) {
            why = "the score is 0 to 52";
            return false;
        }
        p.score = static_cast<int>(n);
        return true;
    }
    if (name.size() == 5 && name.rfind("row ", 0) == 0 && name[4] >= '1' && name[4] <= '4') {
        return readRow(value, p, name[4] - '1', why);
    }
    why = "no item \"" + name + "\" (variation, slide, row 1 to row 4, shoe, score, taps)";
    return false;
}

int runPosition(int argc, char** argv) {
    if (argc > 1) {
        if (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
            std::printf("%s", kReplayUsage);
            return 0;
        }
        return refuse("position reads standard input and takes no arguments");
    }
    pellandine::TablePosition position;
    std::string tapText, line, why;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        if (trimmed(line).empty()) continue;
        const size_t colon = line.find(':');
        why.clear();
        if (colon == std::string::npos) {
            why = "expected \"item: value\"";
        } else {
            std::string name = trimmed(line.substr(0, colon));
            for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
            readItem(name, trimmed(line.substr(colon + 1)), position, tapText, why);
        }
        if (!why.empty()) return refuse("position: line " + std::to_string(number) + ": " + why);
    }
    std::vector<ReplayTap> taps;
    if (!parseReplayTaps(tapText, taps, why)) return refuse(why);
    pellandine::PellandineRules rules(0, position.gameType, position.slideMode);
    if (!rules.setUpPosition(position, why)) return refuse("position: " + why);
    playAndPrint(rules, taps);
    return 0;
}

}  // namespace

bool isReplayCommand(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string word = argv[1];
    return word == "replay" || word == "position";
}

int runReplayCommand(int argc, char** argv) {
    return std::string(argv[0]) == "replay" ? runReplay(argc, argv) : runPosition(argc, argv);
}

}  // namespace pellandine_sim
