// The table as the view draws it, read back from the image: the pegs where
// the scores put them (hidden before a fresh game's first points, at 121
// for a score past it), the set pegs, the labels with and without scores.

#include <gtest/gtest.h>

#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Screens.h"
#include "games/cribbage/CribbageSprites.h"
#include "games/cribbage/table/BoardGeometry.h"
#include "games/cribbage/table/TableView.h"

using namespace cribbage;
namespace sprites = cribbage_sprites;

namespace {

constexpr uint16_t kRedPegColour = 0xF81F;  // a colour nothing else on the table has
constexpr uint16_t kBluePegColour = 0x07FF;

// A sheet of key with each peg a solid square of its own colour.
class Pictures {
  public:
    Pictures()
        : strip_(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410),
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
