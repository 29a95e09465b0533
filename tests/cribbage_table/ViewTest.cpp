// The table as the view draws it, read back from the image: the pegs where
// the scores put them (hidden before a fresh game's first points, at 121
// for a score past it), the set pegs, the labels with and without scores,
// the hands face up or down in the counts, the message lists shown or not,
// and the deal's flights.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Screens.h"
#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/table/BoardGeometry.h"
#include "games/cribbage/table/TableLayout.h"
#include "games/cribbage/table/TableView.h"
#include "tests/cribbage_rules/CribbageTestSupport.h"

using namespace cribbage;
namespace sprites = cribbage_sprites;

namespace {

constexpr uint16_t kRedPegColour = 0xF81F;  // a colour nothing else on the table has
constexpr uint16_t kBluePegColour = 0x07FF;
constexpr uint16_t kBackColour = 0x8410;  // every card back of the test's strip

// A sheet of key with each peg a solid square of its own colour.
class Pictures {
  public:
    Pictures()
        : strip_(gamekit::kBackStripWidth * gamekit::kBackStripHeight, kBackColour),
          sheet_(sprites::kSheetWidth * sprites::kSheetHeight, gamekit::colours::kSheetKey),
          themes_(gamekit::makeStandardThemes(strip_.data())) {
        paint(sprites::kRedPeg, kRedPegColour);
        paint(sprites::kBluePeg, kBluePegColour);
    }
    ~Pictures() { gamekit::destroyThemes(themes_); }

    TableScene scene(const CribbageGame& game, GameState state) const {
        TableScene s;
        s.game = &game;
        s.state = state;
        s.theme = themes_[5];
        s.sheet = sheet_.data();
        s.sheetStride = sprites::kSheetWidth;
        return s;
    }

  private:
    void paint(const sprites::SheetRect& r, uint16_t colour) {
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) sheet_[y * sprites::kSheetWidth + x] = colour;
        }
    }
    std::vector<uint16_t> strip_;
    std::vector<uint16_t> sheet_;
    gamekit::GArray<gamekit::CardTheme*> themes_;
};

int countColour(const gamekit::Surface& s, uint16_t colour) {
    int n = 0;
    for (int i = 0; i < s.width() * s.height(); ++i) n += s.pixels()[i] == colour;
    return n;
}

bool pegAt(const gamekit::Surface& s, bool red, int hole) {
    const HolePlace at = holePlace(red, hole);
    return s.pixel(at.x + 4, at.y + 4) == (red ? kRedPegColour : kBluePegColour);
}

CribbageGame dealtGame() {
    CribbageGame game(11);
    game.apply(Action::simple(ActionKind::Continue));
    game.apply(Action::newGame(99, true));
    return game;
}

}  // namespace

TEST(TablePegs, StayHiddenOnTheTableAndInTheDealUntilSomeoneScores) {
    Pictures pictures;
    CribbageGame game = dealtGame();
    TableView view;
    gamekit::Surface screen(240, 320);
    for (GameState state : {GameState::Table, GameState::Dealing}) {
        view.draw(screen, pictures.scene(game, state));
        EXPECT_EQ(countColour(screen, kRedPegColour), 0);
        EXPECT_EQ(countColour(screen, kBluePegColour), 0);
    }
    // Once the cards are out, each player's two pegs stand at the start.
    game.apply(Action::simple(ActionKind::Deal));
    view.draw(screen, pictures.scene(game, GameState::Discarding));
    for (bool red : {true, false}) {
        EXPECT_TRUE(pegAt(screen, red, 0));
        EXPECT_TRUE(pegAt(screen, red, -1));
    }
}

TEST(TablePegs, AScorePast121StandsIn121AndNothingLeavesTheBoard) {
    Pictures pictures;
    CribbageGame game = dealtGame();
    game.apply(Action::simple(ActionKind::Deal));
    TableScene scene = pictures.scene(game, GameState::Discarding);
    scene.pegs[0] = {127, 119};
    scene.pegs[1] = {0, -1};
    TableView view;
    gamekit::Surface screen(240, 320);
    view.draw(screen, scene);
    EXPECT_TRUE(pegAt(screen, true, 121));
    EXPECT_TRUE(pegAt(screen, true, 119));
    // Every red peg pixel lies in one of those two holes' cells.
    int inCells = 0;
    for (int hole : {121, 119}) {
        const HolePlace at = holePlace(true, hole);
        for (int y = at.y; y < at.y + sprites::kPegSize; ++y) {
            for (int x = at.x; x < at.x + sprites::kPegSize; ++x) {
                inCells += screen.pixel(x, y) == kRedPegColour;
            }
        }
    }
    EXPECT_GT(inCells, 81);
    EXPECT_EQ(countColour(screen, kRedPegColour), inCells);
}

TEST(TablePegs, APegOnTheRightEdgeLosesNoPartOfItsHead) {
    Pictures pictures;
    CribbageGame game = dealtGame();
    game.apply(Action::simple(ActionKind::Deal));
    TableScene scene = pictures.scene(game, GameState::Discarding);
    scene.pegs[1] = {30, 29};  // Blue's outer lane on the right edge
    TableView view;
    gamekit::Surface screen(240, 320);
    view.draw(screen, scene);
    const HolePlace at = holePlace(false, 30);
    // The head (the cell less its one-pixel ring) ends on the last column.
    EXPECT_LE(at.x + sprites::kPegSize - 1 - sprites::kPegHeadInset, 239);
    EXPECT_TRUE(pegAt(screen, false, 30));
}

TEST(CribbageSheet, TheStandardPiecesLieWhereTheStandardScreensLookForThem) {
    const gamekit::ScreenSprites standard;
    const struct {
        gamekit::Point at;
        sprites::SheetRect piece;
    } pieces[] = {{standard.logo, sprites::kLogo},         {standard.aboutLogo, sprites::kAboutLogo},
                  {standard.nameArt, sprites::kNameArt},   {standard.emblem, sprites::kEmblem},
                  {standard.aboutEmblem, sprites::kAboutEmblem},
                  {standard.boxOff, sprites::kCheckBoxEmpty}, {standard.boxOn, sprites::kCheckBoxTicked}};
    for (const auto& p : pieces) {
        EXPECT_EQ(p.at.x, p.piece.x);
        EXPECT_EQ(p.at.y, p.piece.y);
    }
}

namespace {

// Whether the card in `slot` of a side's hand (its place outside the play)
// shows its back: a pixel near its left edge, where a face is plain white.
bool faceDown(const gamekit::Surface& s, bool red, int slot) {
    const ScreenPoint at = handCardPlace(red, slot, false);
    return s.pixel(at.x + 3, at.y + 23) == kBackColour;
}

// A deal played out by the first legal moves up to pone's count.
CribbageGame atPonesCount(bool computerDeals) {
    CribbageGame game;
    cribbage_test::startPlay(game,
                             cribbage_test::deal(computerDeals, 0, 0, "TS TC 2D 5H", "9S 9C 9D 9H",
                                                 "3C 4C 6S 7S", "KD"),
                             true);
    cribbage_test::playOn(game, [&] { return game.state() == GameState::CountingPone; });
    return game;
}

}  // namespace

TEST(TableHands, TheDealersHandWaitsFaceDownWhilePonesIsCountedThenTurnsUpCardByCard) {
    Pictures pictures;
    TableView view;
    gamekit::Surface screen(240, 320);
    for (bool computerDeals : {true, false}) {
        SCOPED_TRACE(computerDeals ? "the computer deals" : "the person deals");
        CribbageGame game = atPonesCount(computerDeals);
        ASSERT_EQ(game.state(), GameState::CountingPone);
        const bool dealerRed = !computerDeals;
        view.draw(screen, pictures.scene(game, GameState::CountingPone));
        for (int slot = 0; slot < 4; ++slot) {
            EXPECT_TRUE(faceDown(screen, dealerRed, slot)) << "dealer's slot " << slot;
            EXPECT_FALSE(faceDown(screen, !dealerRed, slot)) << "pone's slot " << slot;
        }
        ASSERT_TRUE(game.apply(Action::simple(ActionKind::CountNext)).accepted);
        TableScene scene = pictures.scene(game, GameState::CountingDealer);
        scene.deal.dealerCardsUp = 2;  // the turn half done
        view.draw(screen, scene);
        for (int slot = 0; slot < 4; ++slot) {
            EXPECT_EQ(faceDown(screen, dealerRed, slot), slot >= 2) << "dealer's slot " << slot;
        }
        view.draw(screen, pictures.scene(game, GameState::CountingDealer));
        for (int slot = 0; slot < 4; ++slot) EXPECT_FALSE(faceDown(screen, dealerRed, slot));
    }
}

TEST(TableMessages, AListIsDrawnOnlyWhileTheGameShowsIt) {
    Pictures pictures;
    CribbageGame game;
    cribbage_test::startPlay(game,
                             cribbage_test::deal(true, 0, 0, "TS TC 2D 5H", "9S 9C 9D 9H",
                                                 "3C 4C 6S 7S", "KD"),
                             false);
    for (const char* c : {"TS", "9S", "TC"}) cribbage_test::lay(game, c);
    ASSERT_TRUE(game.apply(Action::go(Side::Blue)).accepted);  // "go" in the computer's list
    const ScreenBox& box = kBlueMessages;
    gamekit::MessageLog log(box.left, box.top, box.right - box.left + 1, box.bottom - box.top + 1,
                            &gamekit::font1());
    log.addLine("\"go\"");
    TableView view;
    gamekit::Surface bare(240, 320), withLog(240, 320);
    auto differs = [&] {
        TableScene scene = pictures.scene(game, GameState::Playing);
        view.draw(bare, scene);
        scene.blueMessages = &log;
        view.draw(withLog, scene);
        int n = 0;
        for (int y = box.top; y <= box.bottom; ++y) {
            for (int x = box.left; x <= box.right; ++x) n += bare.pixel(x, y) != withLog.pixel(x, y);
        }
        return n;
    };
    EXPECT_GT(differs(), 0) << "the computer's go is shown";
    cribbage_test::lay(game, "2D");  // the person's move: the go is old news
    ASSERT_EQ(game.messageCount(Side::Blue), 1);
    EXPECT_EQ(differs(), 0) << "the computer's list, still holding its go, is not drawn";
}

TEST(DealFlights, ThePersonsCardsFlyInTheOrderOfHisSortedHand) {
    CribbageGame game = dealtGame();
    // Dealt to the person: 2H 5C 9D JS, then 3S KD.
    ASSERT_TRUE(game.arrangeDeal(cribbage_test::deal(false, 0, 0, "2H 5C 9D JS", "4S 6S 7C 8C",
                                                     "3S KD AC QC", "TH")));
    const ApplyResult r = game.apply(Action::simple(ActionKind::Deal));
    ASSERT_TRUE(r.accepted);
    const std::vector<DealtCard> flights = dealFlights(game, r.events);
    ASSERT_EQ(flights.size(), 12u);
    std::string person;
    for (const DealtCard& f : flights) {
        if (f.side != Side::Red) continue;
        EXPECT_TRUE(f.faceUp);
        EXPECT_EQ(f.card, game.hand(Side::Red)[f.slot]) << "slot " << f.slot;
        person += cardText(f.card) + " ";
    }
    EXPECT_EQ(person, "KD JS 9D 5C 3S 2H ");
    // The computer's six first, face down, in the order dealt.
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(flights[i].side, Side::Blue);
        EXPECT_FALSE(flights[i].faceUp);
        EXPECT_EQ(flights[i].slot, i);
    }
    EXPECT_EQ(cardText(flights[0].card), "4S");
}
