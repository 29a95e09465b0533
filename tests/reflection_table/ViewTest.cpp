#include <gtest/gtest.h>

#include <vector>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/Surface.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/reflection/table/TableLayout.h"
#include "games/reflection/table/TableView.h"

using namespace reflection;

namespace {

constexpr uint16_t kGuard = 0x1234;
constexpr int kGuardRows = 64;

// A table drawn into the top 320 rows of a taller buffer, so that anything
// drawn below the screen lands in rows the test can see.
class GuardedScreen {
  public:
    GuardedScreen()
        : pixels_(kScreenWidth * (kScreenHeight + kGuardRows), kGuard),
          surface_(pixels_.data(), kScreenWidth, kScreenHeight) {}
    gamekit::Surface& surface() { return surface_; }
    bool guardIntact() const {
        for (size_t i = kScreenWidth * kScreenHeight; i < pixels_.size(); ++i) {
            if (pixels_[i] != kGuard) return false;
        }
        return true;
    }
    uint16_t at(int x, int y) const { return pixels_[y * kScreenWidth + x]; }

  private:
    std::vector<uint16_t> pixels_;
    gamekit::Surface surface_;
};

struct Look {
    Look()
        : strip(gamekit::kBackStripWidth * gamekit::kBackStripHeight, 0x8410),
          sheet(reflection_sprites::kSheetWidth * reflection_sprites::kSheetHeight, 0x07E0),
          themes(gamekit::makeStandardThemes(strip.data())) {}
    ~Look() { gamekit::destroyThemes(themes); }
    TableScene scene(const ReflectionGame& game) const {
        TableScene s;
        s.game = &game;
        s.theme = themes[5];
        s.sheet = sheet.data();
        s.sheetStride = reflection_sprites::kSheetWidth;
        s.showScore = s.showTime = true;
        return s;
    }
    std::vector<uint16_t> strip;
    std::vector<uint16_t> sheet;
    gamekit::GArray<gamekit::CardTheme*> themes;
};

// Parks every card on the store talons, from the last talon back, 20 each.
void parkEverything(ReflectionGame& game) {
    int talon = kStoreTalonCount - 1;
    while (game.tryMove(Move::dealCard())) {
        while (!game.tryMove(Move::dealtToTalon(talon))) --talon;
    }
}

// Talon 0 holds 20 cards, talon 1 18 and talon 2 10; talon 3 is empty. Both
// wide talons have five columns 11 px apart and rows 16 px apart, so talon
// 0's right column (x 46 to 75) lies under talon 1's left one (x 62 on).
void layWideTalons(ReflectionGame& game) {
    game.setExpertMode(true);
    game.newGame(31);
    game.dealOpeningCards();
    const int counts[3] = {20, 18, 10};
    for (int t = 0; t < 3; ++t) {
        for (int i = 0; i < counts[t]; ++i) {
            game.tryMove(Move::dealCard());
            game.tryMove(Move::dealtToTalon(t));
        }
    }
}

}  // namespace

TEST(WideStoreTalons, ATapOnADrawnCardPicksItsOwnTalon) {
    ReflectionGame game;
    layWideTalons(game);
    ASSERT_EQ(game.storeTalon(0).iSize, 20);
    ASSERT_EQ(game.storeTalon(1).iSize, 18);
    ASSERT_EQ(game.storeTalon(2).iSize, 10);
    // Talon 0's top card: column 4, row 3.
    const ScreenPoint top = storeCardPlace(0, 19, 20);
    ASSERT_EQ(top.x, 46);
    ASSERT_EQ(top.y, 273);
    struct Case {
        int x, y, talon;
        const char* what;
    } cases[] = {
        {70, 290, 0, "talon 0's top card, right of x = 60"},
        {75, 317, 0, "the top card's last drawn pixel"},
        {60, 260, 0, "the visible part of talon 0's row-2 card beyond its column"},
        {65, 260, 1, "talon 1's left card lying over talon 0's row 2"},
        {80, 290, 1, "talon 1's card beside talon 0's top"},
        {76, 300, 1, "beside the top card: talon 1's card"},
        {50, 230, 0, "talon 0's first card"},
        {230, 300, 3, "bare table under the empty talon: by column"},
        {119, 318, 1, "bare table below talon 1's cards: by column"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(storeTalonPickAt(game, c.x, c.y), c.talon) << c.what;
        const Destination to = destinationAt(game, c.x, c.y);
        EXPECT_EQ(to.kind, TargetKind::StoreTalon) << c.what;
        EXPECT_EQ(to.index, c.talon) << c.what;
    }
    // Above the talons' band the Part's areas still hold.
    EXPECT_EQ(storeTalonPickAt(game, 70, 225), -1);
    EXPECT_EQ(destinationAt(game, 70, 225).kind, TargetKind::KingsTalon);
}

TEST(WideStoreTalons, NoTalonsTopCardLiesUnderTheNextTalonsCards) {
    ReflectionGame game;
    layWideTalons(game);
    Look look;
    for (bool picked : {false, true}) {
        TableScene scene = look.scene(game);
        scene.pick.source = PickKind::StoreTalon;
        scene.pick.index = 0;
        scene.pick.waiting = picked;
        GuardedScreen screen;
        drawTable(screen.surface(), scene);
        // Each top card drawn alone on bare table: every pixel it sets must
        // show the same on the whole table.
        for (int t = 0; t < 3; ++t) {
            const CardList& talon = game.storeTalon(t);
            const ScreenPoint at = storeCardPlace(t, talon.iSize - 1, talon.iSize);
            GuardedScreen alone;
            alone.surface().fill(scene.theme->tableColour);
            gamekit::drawCard(alone.surface(), *talon[talon.iSize - 1], scene.theme, at.x, at.y, 0,
                              0, picked && t == 0);
            int differing = 0;
            for (int y = at.y - 2; y < at.y + kCardHeight + 2 && y < kScreenHeight; ++y) {
                for (int x = at.x - 2; x < at.x + kCardWidth + 2; ++x) {
                    if (alone.at(x, y) == scene.theme->tableColour) continue;
                    differing += alone.at(x, y) != screen.at(x, y);
                }
            }
            EXPECT_EQ(differing, 0) << "talon " << t << (picked ? ", picked" : "");
        }
    }
}

TEST(TableView, FullStoreTalonsAreDrawnWithinTheScreen) {
    ReflectionGame game;
    game.setExpertMode(true);  // kings may be parked too
    game.newGame(77);
    game.dealOpeningCards();
    parkEverything(game);
    ASSERT_EQ(game.storeTalon(3).iSize, 20);
    ASSERT_EQ(game.storeTalon(2).iSize, 20);
    ASSERT_EQ(game.storeTalon(1).iSize, 8);
    Look look;
    GuardedScreen screen;
    TableScene scene = look.scene(game);
    scene.pick.source = PickKind::StoreTalon;
    scene.pick.index = 3;
    scene.pick.waiting = true;  // the highlight block reaches 2 px beyond the card
    drawTable(screen.surface(), scene);
    EXPECT_TRUE(screen.guardIntact());
    // The last card of a full talon is drawn, low on the screen.
    const ScreenPoint last = storeCardPlace(2, 19, 20);
    EXPECT_EQ(screen.at(last.x + 15, last.y + 40), 0xE71C);
}

TEST(TableView, APickedCardIsHighlightedAndItsRankMarked) {
    ReflectionGame game;
    game.newGame(5);
    game.dealOpeningCards();
    ASSERT_TRUE(game.tryMove(Move::dealCard()));
    const int rank = game.dealtCard()->rank;
    Look look;
    GuardedScreen plain, picked;
    TableScene scene = look.scene(game);
    drawTable(plain.surface(), scene);
    scene.pick.source = PickKind::DealtCard;
    scene.pick.waiting = true;
    drawTable(picked.surface(), scene);
    const uint16_t highlight = look.themes[5]->highlightColour;
    EXPECT_EQ(picked.at(33, 60), highlight);
    EXPECT_NE(plain.at(33, 60), highlight);
    RankMarkPlace places[kSequenceCount];
    const int count = rankMarkPlaces(game, rank, places);
    for (int i = 0; i < count; ++i) {
        // The sheet stand-in is all green: a mark shows as green.
        const ScreenPoint at = rankMarkPlace(places[i].sequence, places[i].position);
        EXPECT_EQ(picked.at(at.x + 5, at.y + 20), 0x07E0);
        EXPECT_NE(plain.at(at.x + 5, at.y + 20), 0x07E0);
    }
}

TEST(RankMarks, EachSequenceMarksTheOnePlaceOfTheRankStillAhead) {
    ReflectionGame game;
    game.newGame(9);
    game.dealOpeningCards();  // A | 2 | 3 | 4
    RankMarkPlace places[kSequenceCount];
    // A two: next on sequence 0; already out on sequence 1; sequence 2 takes
    // it fifth (3 6 9 Q 2), sequence 3 seventh (4 8 Q 3 7 J 2).
    ASSERT_EQ(rankMarkPlaces(game, 1, places), 3);
    EXPECT_EQ(places[0].sequence, 0);
    EXPECT_EQ(places[0].position, 1);
    EXPECT_TRUE(places[0].fitsNow);
    EXPECT_EQ(places[1].sequence, 2);
    EXPECT_EQ(places[1].position, 4);
    EXPECT_FALSE(places[1].fitsNow);
    EXPECT_EQ(places[2].sequence, 3);
    EXPECT_EQ(places[2].position, 6);
    // A king: last on every sequence.
    ASSERT_EQ(rankMarkPlaces(game, 12, places), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(places[i].position, 12);
    // The last mark ends inside the screen.
    EXPECT_LE(rankMarkPlace(3, 12).x + 11, kScreenWidth);
}
