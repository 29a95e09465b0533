// The replay tools: a given deck played move by move, or a position read
// from standard input and played on, printing the table after every move.

#include "tools/reflection-sim/Replay.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gamekit/cards/CardText.h"
#include "games/reflection/rules/DeckText.h"
#include "tools/reflection-sim/ReplayMoves.h"
#include "tools/sim-options/SimArguments.h"

namespace reflection_sim {

using reflection::Move;
using reflection::ReflectionGame;

namespace {

int refuse(const std::string& why) {
    std::fprintf(stderr, "reflection-sim: %s\n", why.c_str());
    return 2;
}

const char* kReplayUsage =
    "usage: reflection-sim replay --deck \"<52 cards top first>\" [--expert] --moves \"<moves>\"\n"
    "       reflection-sim position < position.txt\n"
    "  moves, separated by commas: deal, seq N (the dealt card to sequence N),\n"
    "  talon N, kings, talon N seq M, kings seq M, undo, redo; piles numbered from 1\n";

int runReplay(int argc, char** argv) {
    bool expert = false, haveDeck = false;
    int deck[reflection::kDeckSize] = {};
    std::vector<ReplayMove> moves;
    const std::vector<sim_options::SimOption> table = {
        sim_options::flagOption("--expert", nullptr, expert),
        {"--deck", nullptr, true,
         [&](const std::string& v, std::string& why) {
             std::string fault;
             haveDeck = reflection::parseDeckOrder(v, deck, fault);
             if (!haveDeck) why = "bad deck: " + fault;
             return haveDeck;
         }},
        {"--moves", nullptr, true,
         [&](const std::string& v, std::string& why) { return parseReplayMoves(v, moves, why); }},
    };
    const int status = sim_options::readSubcommand(argc, argv, table, "reflection-sim", kReplayUsage);
    if (status >= 0) return status;
    if (!haveDeck) return refuse("replay needs --deck");
    ReflectionGame game;
    game.setExpertMode(expert);
    game.arrangeDeck(deck);
    game.dealOpeningCards();
    reflection::CommandHistory history;
    playAndPrint(game, history, moves);
    return 0;
}

// A position as read: each pile's cards bottom first, the deck top first.
struct PositionText {
    std::vector<gamekit::CardCode> sequences[reflection::kSequenceCount];
    std::vector<gamekit::CardCode> talons[reflection::kStoreTalonCount];
    std::vector<gamekit::CardCode> kings;
    std::vector<gamekit::CardCode> dealt;
    std::vector<gamekit::CardCode> deck;
    bool expert = false;
    std::string moves;
};

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

// "talon 2" -> the list of talon 2; null for a name that is no item.
std::vector<gamekit::CardCode>* itemNamed(PositionText& p, const std::string& name) {
    std::istringstream in(name);
    std::string word, number, extra;
    in >> word >> number >> extra;
    if (!extra.empty()) return nullptr;
    if (number.size() == 1 && number[0] >= '1' && number[0] <= '4') {
        const int i = number[0] - '1';
        if (word == "sequence" || word == "seq") return &p.sequences[i];
        if (word == "talon") return &p.talons[i];
        return nullptr;
    }
    if (word == "kings" && number == "talon") return &p.kings;
    if (word == "dealt" && number == "card") return &p.dealt;
    if (word == "deck" && number.empty()) return &p.deck;
    return nullptr;
}

bool readPosition(std::istream& in, PositionText& p, std::string& error) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = "line " + std::to_string(number) + ": ";
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        if (trimmed(line).empty()) continue;
        const size_t colon = line.find(':');
        if (colon == std::string::npos) {
            error = where + "expected \"item: value\"";
            return false;
        }
        std::string name = trimmed(line.substr(0, colon));
        for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        const std::string value = trimmed(line.substr(colon + 1));
        if (name == "moves") {
            p.moves += value + "\n";
            continue;
        }
        if (name == "mode") {
            if (value != "normal" && value != "expert") {
                error = where + "mode is normal or expert";
                return false;
            }
            p.expert = value == "expert";
            continue;
        }
        std::vector<gamekit::CardCode>* item = itemNamed(p, name);
        if (item == nullptr) {
            error = where + "no item \"" + name + "\" (sequence N, talon N, kings talon, " +
                    "dealt card, deck, mode, moves)";
            return false;
        }
        std::string fault;
        if (value != "-" && !gamekit::parseCardList(value, *item, fault, {false, 0, 52})) {
            error = where + fault;
            return false;
        }
        if (item == &p.dealt && p.dealt.size() > 1) {
            error = where + "one dealt card at most";
            return false;
        }
    }
    return true;
}

// The deck that deals the position, with the moves that lay it out: the
// opening cards, then each sequence's cards, each talon's, the kings, the
// dealt card, then the deck as given.
struct Layout {
    std::vector<gamekit::CardCode> order;
    std::vector<std::pair<Move, std::string>> steps;  // with what each card is
};

Layout layoutOf(const PositionText& p) {
    Layout l;
    auto place = [&](const gamekit::CardCode& c, const Move& m, const std::string& what) {
        l.order.push_back(c);
        l.steps.push_back({Move::dealCard(), what});
        l.steps.push_back({m, what});
    };
    for (int s = 0; s < reflection::kSequenceCount; ++s) {
        if (!p.sequences[s].empty()) l.order.push_back(p.sequences[s][0]);
    }
    for (int s = 0; s < reflection::kSequenceCount; ++s) {
        for (size_t i = 1; i < p.sequences[s].size(); ++i) {
            place(p.sequences[s][i], Move::dealtToSequence(s),
                  "sequence " + std::to_string(s + 1));
        }
    }
    for (int t = 0; t < reflection::kStoreTalonCount; ++t) {
        for (const auto& c : p.talons[t]) {
            place(c, Move::dealtToTalon(t), "talon " + std::to_string(t + 1));
        }
    }
    for (const auto& c : p.kings) place(c, Move::dealtToKings(), "kings talon");
    for (const auto& c : p.dealt) {
        l.order.push_back(c);
        l.steps.push_back({Move::dealCard(), "dealt card"});
    }
    l.order.insert(l.order.end(), p.deck.begin(), p.deck.end());
    return l;
}

// Sets the game to the position; false with `error` naming what cannot be.
bool setUpPosition(const PositionText& p, ReflectionGame& game, std::string& error) {
    for (int s = 0; s < reflection::kSequenceCount; ++s) {
        if (p.sequences[s].empty() ||
            p.sequences[s][0].rank != reflection::requiredRank(s, 0)) {
            error = "sequence " + std::to_string(s + 1) + " must begin with its opening card (" +
                    "an ace, a two, a three and a four)";
            return false;
        }
    }
    const Layout l = layoutOf(p);
    int seen[reflection::kDeckSize] = {};
    for (const auto& c : l.order) ++seen[c.index()];
    std::string twice, missing;
    for (int i = 0; i < reflection::kDeckSize; ++i) {
        const std::string card = " " + gamekit::cardCodeText(gamekit::CardCode::fromIndex(i));
        if (seen[i] > 1) twice += card;
        if (seen[i] == 0) missing += card;
    }
    if (!twice.empty() || !missing.empty()) {
        error = "the position must hold each of the 52 cards once";
        if (!twice.empty()) error += "; given twice:" + twice;
        if (!missing.empty()) error += "; missing:" + missing;
        return false;
    }
    int codes[reflection::kDeckSize];
    for (int i = 0; i < reflection::kDeckSize; ++i) codes[i] = l.order[i].index();
    game.setExpertMode(p.expert);
    game.arrangeDeck(codes);
    game.dealOpeningCards();
    for (const auto& [move, what] : l.steps) {
        if (!game.tryMove(move)) {
            const gamekit::PlayingCard* card = game.dealtCard();
            error = "the " + what + " cannot hold " +
                    (card ? gamekit::cardCodeText(*card) : std::string("its card")) +
                    " there (the rules refuse it)";
            return false;
        }
    }
    return true;
}

int runPosition(int argc, char** argv) {
    if (argc > 1) {
        if (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
            std::printf("%s", kReplayUsage);
            return 0;
        }
        return refuse("position reads standard input and takes no arguments");
    }
    PositionText p;
    std::string error;
    if (!readPosition(std::cin, p, error)) return refuse("position: " + error);
    std::vector<ReplayMove> moves;
    if (!parseReplayMoves(p.moves, moves, error)) return refuse(error);
    ReflectionGame game;
    if (!setUpPosition(p, game, error)) return refuse("position: " + error);
    // A history of its own: undo goes back no further than the position.
    reflection::CommandHistory history;
    playAndPrint(game, history, moves);
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

}  // namespace reflection_sim
