// What the play screen shows for a state: the hint markers' places, the
// turn button, and the table after the computer has knocked.

#include <gtest/gtest.h>

#include <vector>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/Surface.h"
#include "games/velloran/VelloranSprites.h"
#include "games/velloran/table/TableView.h"

using namespace velloran;

namespace {

// A hand the computer dealt, play begun: the person is offered the upcard.
VelloranGame offeredHand() {
    VelloranGame game;
    Action deal = Action::withSeed(Action::NewGame, 77);
    deal.index = 1;
    EXPECT_TRUE(game.apply(deal));
    EXPECT_TRUE(game.apply(Action::of(Action::BeginPlay)));
    return game;
}

}  // namespace

TEST(VelloranView, TheTakeMarkerStandsByThePileItPointsAt) {
    VelloranGame game = offeredHand();
    ASSERT_TRUE(game.playerOffered());
    game.hintTakeDiscard = false;
    EXPECT_EQ(hintMarks(game, true).takeAt, kTakeBesidePass);  // left of Pass
    EXPECT_FALSE(hintMarks(game, true).takeThisPile);
    game.hintTakeDiscard = true;
    EXPECT_EQ(hintMarks(game, true).takeAt, kTakeThisPileMark);
    EXPECT_TRUE(hintMarks(game, true).takeThisPile);
    EXPECT_FALSE(hintMarks(game, false).take);  // hints off

    ASSERT_TRUE(game.apply(Action::of(Action::Pass)));
    if (game.phase() == Phase::Play && game.playerActive && game.playerCardCount() == 10) {
        game.hintTakeDiscard = false;
        EXPECT_EQ(hintMarks(game, true).takeAt, kTakeBesideStock);
    }
}

TEST(VelloranView, TheTurnButtonFollowsTheOfferAndTheDeadwood) {
    VelloranGame game = offeredHand();
    EXPECT_EQ(turnButtonShown(game), TurnButton::Pass);
    game.upcardOffer = 0;
    game.playerDeadwood = 7;
    EXPECT_EQ(turnButtonShown(game), TurnButton::Knock);
    game.playerDeadwood = 0;
    EXPECT_EQ(turnButtonShown(game), TurnButton::Gin);
    game.playerDeadwood = 11;
    EXPECT_EQ(turnButtonShown(game), TurnButton::None);
}

// After the computer knocks the play screen shows the hands, the panel and
// the OK button, and no stock or discard pile.
TEST(VelloranView, AfterTheComputersKnockOnlyTheHandsAndOk) {
    std::vector<uint16_t> strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410);
    std::vector<uint16_t> sheet(velloran_sprites::kSheetWidth * velloran_sprites::kSheetHeight,
                                velloran_sprites::kKey);
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes(strip.data());
    VelloranGame game = offeredHand();
    TableScene scene;
    scene.game = &game;
    scene.theme = themes[5];
    scene.sheet = sheet.data();
    TableButtons buttons;
    gamekit::Surface screen(gamekit::kScreenWidth, gamekit::kScreenHeight);
    drawPlayScreen(screen, scene, buttons);
    const uint16_t table = themes[5]->tableColour;
    EXPECT_NE(screen.pixel(90, 165), table);  // the stock's back
    game.playerActive = false;
    game.upcardOffer = 0;
    drawPlayScreen(screen, scene, buttons);
    EXPECT_EQ(screen.pixel(90, 165), table);
    EXPECT_EQ(screen.pixel(148, 165), table);
    EXPECT_NE(screen.pixel(120, 215), table);  // the OK button's face
    gamekit::destroyThemes(themes);
}
