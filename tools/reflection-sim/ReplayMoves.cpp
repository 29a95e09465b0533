#include "tools/reflection-sim/ReplayMoves.h"

#include <cstdio>
#include <sstream>

#include "gamekit/cards/CardText.h"
#include "games/reflection/rules/Commands.h"

namespace reflection_sim {

using reflection::Move;

namespace {

std::vector<std::string> splitMoves(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    auto flush = [&] {
        const size_t a = current.find_first_not_of(" \t\r");
        if (a != std::string::npos) {
            const size_t b = current.find_last_not_of(" \t\r");
            out.push_back(current.substr(a, b - a + 1));
        }
        current.clear();
    };
    for (char c : text) {
        if (c == ',' || c == ';' || c == '\n') {
            flush();
        } else {
            current += c;
        }
    }
    flush();
    return out;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s;
}

// A pile number 1 to 4 as the index 0 to 3.
bool pileNumber(const std::string& word, int& index) {
    if (word.size() != 1 || word[0] < '1' || word[0] > '4') return false;
    index = word[0] - '1';
    return true;
}

bool isSequenceWord(const std::string& w) {
    return w == "seq" || w == "sequence";
}

// One move's words, "to" left out; false with `why` when they make no move.
bool readMove(const std::vector<std::string>& w, ReplayMove& m, std::string& why) {
    const size_t n = w.size();
    int a = 0, b = 0;
    if (n == 1 && (w[0] == "undo" || w[0] == "redo")) {
        m.kind = w[0] == "undo" ? ReplayMove::Kind::Undo : ReplayMove::Kind::Redo;
        return true;
    }
    if (n == 1 && (w[0] == "deal" || w[0] == "kings")) {
        m.move = w[0] == "deal" ? Move::dealCard() : Move::dealtToKings();
        return true;
    }
    const bool fromTalon = n >= 2 && w[0] == "talon";
    if (fromTalon && !pileNumber(w[1], a)) {
        why = "the talon is 1 to 4";
        return false;
    }
    if (fromTalon && n == 2) {
        m.move = Move::dealtToTalon(a);
        return true;
    }
    // The sequence at the end: "seq M", "kings seq M", "talon N seq M".
    const size_t head = fromTalon ? 2 : n >= 1 && w[0] == "kings" ? 1 : 0;
    if (n == head + 2 && isSequenceWord(w[head])) {
        if (!pileNumber(w[head + 1], b)) {
            why = "the sequence is 1 to 4";
            return false;
        }
        m.move = head == 0   ? Move::dealtToSequence(b)
                 : head == 1 ? Move::kingsToSequence(b)
                             : Move::talonToSequence(a, b);
        return true;
    }
    why = "not a move (deal, seq N, talon N, kings, talon N seq M, kings seq M, undo, redo)";
    return false;
}

std::string cardsText(const reflection::CardList& cards) {
    if (cards.iSize == 0) return "-";
    std::string text;
    for (int i = 0; i < cards.iSize; ++i) {
        if (i > 0) text += ' ';
        text += gamekit::cardCodeText(*cards[i]);
    }
    return text;
}

}  // namespace

bool parseReplayMoves(const std::string& text, std::vector<ReplayMove>& out, std::string& error) {
    out.clear();
    const std::vector<std::string> items = splitMoves(text);
    for (size_t i = 0; i < items.size(); ++i) {
        std::istringstream in(lower(items[i]));
        std::vector<std::string> words;
        for (std::string w; in >> w;) {
            if (w != "to") words.push_back(w);
        }
        ReplayMove m;
        m.text = items[i];
        std::string why;
        if (!readMove(words, m, why)) {
            error = "bad move " + std::to_string(i + 1) + " \"" + items[i] + "\": " + why;
            return false;
        }
        out.push_back(m);
    }
    return true;
}

void printPosition(const reflection::ReflectionGame& game) {
    for (int s = 0; s < reflection::kSequenceCount; ++s) {
        std::printf("sequence %d: %s\n", s + 1, cardsText(game.sequence(s)).c_str());
    }
    for (int t = 0; t < reflection::kStoreTalonCount; ++t) {
        std::printf("talon %d: %s\n", t + 1, cardsText(game.storeTalon(t)).c_str());
    }
    if (game.kingsTalonInUse()) {
        std::printf("kings talon: %s\n", cardsText(game.kingsTalon()).c_str());
    } else {
        std::printf("kings talon: not in use (expert mode)\n");
    }
    const gamekit::PlayingCard* dealt = game.dealtCard();
    std::printf("dealt card: %s\n", dealt ? gamekit::cardCodeText(*dealt).c_str() : "-");
    std::printf("deck: %d cards\n", game.cardsLeftInDeck());
    std::printf("score: %d\n", game.score());
}

void playAndPrint(reflection::ReflectionGame& game, reflection::CommandHistory& history,
                  const std::vector<ReplayMove>& moves) {
    std::printf("start\n");
    printPosition(game);
    for (size_t i = 0; i < moves.size(); ++i) {
        const ReplayMove& m = moves[i];
        bool accepted = false;
        switch (m.kind) {
            case ReplayMove::Kind::Undo:
                accepted = history.undoLast();
                break;
            case ReplayMove::Kind::Redo:
                accepted = history.redoNext();
                break;
            case ReplayMove::Kind::Table:
                accepted = history.doCommand(reflection::makeCommand(game, m.move));
                break;
        }
        std::printf("\nmove %zu %s: %s\n", i + 1, m.text.c_str(), accepted ? "accepted" : "refused");
        printPosition(game);
    }
}

}  // namespace reflection_sim
