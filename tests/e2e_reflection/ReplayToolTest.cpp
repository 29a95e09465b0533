// The replay tool against the real program: a game played with the stylus
// and the keys is screenshotted, the same deck and moves are given to
// reflection-sim replay, and the table it prints is the table on the
// screen, card for card.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ReflectionRun.h"
#include "gamekit/cards/CardText.h"
#include "gamekit/cards/CardTheme.h"
#include "games/reflection/rules/GreedyPlayer.h"
#include "games/reflection/table/TableLayout.h"
#include "games/reflection/table/TableView.h"

using namespace reflection_e2e;
using reflection::Move;
using reflection::MoveKind;
using testing_support::PngImage;

namespace {

// A move as the tool reads it.
std::string moveText(const Move& m) {
    const std::string to = std::to_string(m.to + 1);
    switch (m.kind) {
        case MoveKind::DealCard:
            return "deal";
        case MoveKind::DealtToTalon:
            return "talon " + to;
        case MoveKind::DealtToKings:
            return "kings";
        case MoveKind::DealtToSequence:
            return "seq " + to;
        case MoveKind::TalonToSequence:
            return "talon " + std::to_string(m.from + 1) + " seq " + to;
        case MoveKind::KingsToSequence:
            return "kings seq " + to;
    }
    return "";
}

std::string pileText(const reflection::CardList& cards) {
    std::string text;
    for (int i = 0; i < cards.iSize; ++i) text += " " + gamekit::cardCodeText(*cards[i]);
    return text.empty() ? " -" : text;
}

// The lines the tool prints for the game's table (README format).
std::string expectedTable(const reflection::ReflectionGame& game) {
    std::string text;
    for (int s = 0; s < reflection::kSequenceCount; ++s) {
        text += "sequence " + std::to_string(s + 1) + ":" + pileText(game.sequence(s)) + "\n";
    }
    for (int t = 0; t < reflection::kStoreTalonCount; ++t) {
        text += "talon " + std::to_string(t + 1) + ":" + pileText(game.storeTalon(t)) + "\n";
    }
    text += "kings talon:" + pileText(game.kingsTalon()) + "\n";
    const gamekit::PlayingCard* dealt = game.dealtCard();
    text += "dealt card: " + (dealt ? gamekit::cardCodeText(*dealt) : std::string("-")) + "\n";
    text += "deck: " + std::to_string(game.cardsLeftInDeck()) + " cards\n";
    text += "score: " + std::to_string(game.score()) + "\n";
    return text;
}

std::string runTool(const std::string& arguments) {
    std::string out;
    FILE* pipe = popen((std::string(REFLECTION_SIM_PATH) + " " + arguments).c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The rectangles of every face-up card of the table.
std::vector<reflection::ScreenPoint> cardPlaces(const reflection::ReflectionGame& game) {
    std::vector<reflection::ScreenPoint> places;
    for (int s = 0; s < reflection::kSequenceCount; ++s) {
        for (int i = 0; i < game.sequence(s).iSize; ++i) {
            places.push_back(reflection::sequenceCardPlace(s, i));
        }
    }
    for (int t = 0; t < reflection::kStoreTalonCount; ++t) {
        const int n = game.storeTalon(t).iSize;
        for (int i = 0; i < n; ++i) places.push_back(reflection::storeCardPlace(t, i, n));
    }
    for (int i = 0; i < game.kingsTalon().iSize; ++i) {
        places.push_back(reflection::kingsCardPlace(i));
    }
    if (game.dealtCard() != nullptr) places.push_back(reflection::kDealtPlace);
    return places;
}

}  // namespace

TEST(ReflectionReplayTool, PrintsTheTableOfAPlayedGameCardForCard) {
    InstalledRoot root;
    ASSERT_TRUE(root.installed());
    DealPredictor deal;
    deal.nextGame();
    reflection::ReflectionGame& game = deal.game();
    std::vector<gamekit::CardCode> deck;
    for (int i = 0; i < reflection::kDeckSize; ++i) {
        const gamekit::PlayingCard* c = game.deck().cards[i];
        deck.push_back({c->rank, c->suit});
    }

    // Careful moves until 30 are made, then two undos and a redo on the keys.
    std::string script = kStartAndDeal, moves;
    Move m;
    for (int n = 0; n < 30 && nextGreedyMove(game, reflection::ParkingRule::Careful, m); ++n) {
        script += deal.play(m);
        moves += (moves.empty() ? "" : ", ") + moveText(m);
    }
    script += "key left\nwait 100\nkey left\nwait 100\nkey right\nwait 100\n";
    moves += ", undo, undo, redo";
    ASSERT_TRUE(deal.session().undoLast());
    ASSERT_TRUE(deal.session().undoLast());
    ASSERT_TRUE(deal.session().redoNext());
    const std::string tableShot = root.file("table.png");
    RunResult r = runReflection(root, script + shot(tableShot) + kEnd);
    ASSERT_EQ(r.exitCode, 0);

    // The tool's last table is the predicted one.
    const std::string out =
        runTool("replay --deck \"" + gamekit::cardListText(deck) + "\" --moves \"" + moves + "\"");
    const size_t last = out.rfind("\nmove 33 redo: accepted\n");
    ASSERT_NE(last, std::string::npos) << out;
    EXPECT_EQ(out.substr(last + 24), expectedTable(game));

    // And the predicted table, drawn as the program draws it, is the
    // screenshot's in every card's rectangle.
    PngImage screen;
    ASSERT_TRUE(screen.load(tableShot));
    // The deck's back is not compared: any strip will do.
    std::vector<uint16_t> strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight);
    auto themes = gamekit::makeStandardThemes(strip.data());
    const gamekit::CardTheme* theme = nullptr;
    for (int i = 0; i < themes.size(); ++i) {
        if (screenColour(themes[i]->tableColour) == screen.at(236, 76)) theme = themes[i];
    }
    ASSERT_NE(theme, nullptr);
    std::vector<uint16_t> pixels(reflection::kScreenWidth * reflection::kScreenHeight);
    gamekit::Surface surface(pixels.data(), reflection::kScreenWidth, reflection::kScreenHeight);
    reflection::TableScene scene;
    scene.game = &game;
    scene.theme = theme;
    reflection::drawTable(surface, scene);
    int compared = 0, differing = 0;
    for (const reflection::ScreenPoint& at : cardPlaces(game)) {
        for (int y = at.y; y < at.y + gamekit::kCardHeight - 1; ++y) {
            for (int x = at.x; x < at.x + gamekit::kCardWidth && x < reflection::kScreenWidth; ++x) {
                ++compared;
                differing += screenColour(pixels[y * reflection::kScreenWidth + x]) != screen.at(x, y);
            }
        }
    }
    gamekit::destroyThemes(themes);
    EXPECT_GE(compared, 15 * 30 * 45);
    EXPECT_EQ(differing, 0);
}
