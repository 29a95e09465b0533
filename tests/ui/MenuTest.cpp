#include <gtest/gtest.h>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/ui/Menu.h"

using namespace gamekit;

namespace {

struct Menus {
    MenuBar bar{&font1()};
    MenuItem game{"Game", &bar};
    MenuItem help{"Help", &bar};
    int news = 0;
    int sound = -1;
    MenuCheckItem* soundItem = nullptr;
    Surface screen{240, 320};

    Menus() {
        game.setHasCheckColumn(true);
        game.addItem(new MenuCommand("New", &game, [this](Point, int) {
            ++news;
            return true;
        }));
        soundItem = new MenuCheckItem("Sound", &game, [this](Point, int state) {
            sound = state;
            return true;
        }, true);
        game.addItem(soundItem);
        help.addItem(new MenuCommand("About a very long entry...", &help, [](Point, int) { return true; }));
        bar.addMenu(&game, 0);
        bar.addMenu(&help, 1);
        bar.draw(screen);
    }
    void tap(int x, int y) {
        bar.handleTap({x, y});
        bar.draw(screen);
    }
};

}  // namespace

TEST(MenuBar, ATapOnAClosedTitleOpensItAndASecondTapClosesIt) {
    Menus m;
    m.tap(5, 5);
    EXPECT_TRUE(m.game.isOpen());
    m.tap(235, 5);  // the right-hand title: opening it closes the other
    EXPECT_TRUE(m.help.isOpen());
    EXPECT_FALSE(m.game.isOpen());
    m.tap(235, 5);
    EXPECT_FALSE(m.bar.anyOpen());
}

TEST(MenuBar, TitlesAreLaidOutByTheirMeasuredWidths) {
    Menus m;
    const int gameWidth = 10 + font1().measure("Game");
    EXPECT_EQ(m.game.getWidth(), gameWidth);
    EXPECT_EQ(m.game.titleRect().left, 0);
    EXPECT_EQ(m.game.titleRect().right, gameWidth);
    // The bar's hit test: the first title whose right end exceeds x.
    m.tap(gameWidth - 1, 5);
    EXPECT_TRUE(m.game.isOpen());
    m.tap(gameWidth - 1, 5);
    m.tap(gameWidth + 1, 5);  // between the titles: nothing opens
    EXPECT_FALSE(m.bar.anyOpen());
}

TEST(MenuBar, TheFirstRightDropDownEndsAtTheLastColumnWhateverItsWidth) {
    Menus m;
    m.tap(235, 5);
    EXPECT_EQ(m.help.dropRight(), 239);
    EXPECT_GT(m.help.dropWidth(), m.help.getWidth());
}

TEST(MenuBar, EntriesRunTheirCallbackAndCloseTheMenus) {
    Menus m;
    m.tap(5, 5);
    const MenuRect& row = m.game.child(0)->titleRect();
    EXPECT_EQ(row.top, 18 + 4);
    EXPECT_EQ(row.bottom, 18 + 16 + 3);
    m.tap(row.left + 3, row.top);  // the row's first pixel
    EXPECT_EQ(m.news, 1);
    EXPECT_FALSE(m.bar.anyOpen());
}

TEST(MenuBar, ATapOnTheDropDownFrameIsConsumedAndChangesNothing) {
    Menus m;
    m.tap(5, 5);
    const MenuRect drop = m.game.dropRect();
    EXPECT_TRUE(m.bar.handleTap({drop.left + 2, drop.bottom}));  // below the last row, on the frame
    EXPECT_TRUE(m.game.isOpen());
    EXPECT_EQ(m.news, 0);
    EXPECT_EQ(m.sound, -1);
}

TEST(MenuBar, TheSoundEntryFlipsItsMarkBeforeTheCallbackGetsTheNewState) {
    Menus m;
    m.tap(5, 5);
    const MenuRect row = m.game.child(1)->titleRect();
    m.tap(row.left + 20, row.top + 5);
    EXPECT_FALSE(m.soundItem->ticked());
    EXPECT_EQ(m.sound, 0);
    m.tap(5, 5);
    m.tap(row.left + 20, row.top + 5);
    EXPECT_EQ(m.sound, 1);
}

TEST(MenuBar, ADisabledEntryIsDrawnEngravedButStillRunsItsCallback) {
    Menus m;
    m.game.child(0)->setEnabled(false);
    m.tap(5, 5);
    const MenuRect row = m.game.child(0)->titleRect();
    bool engraved = false;
    for (int y = row.top; y <= row.bottom; ++y) {
        for (int x = row.left; x <= row.right; ++x) engraved |= m.screen.pixel(x, y) == 0x8410;
    }
    EXPECT_TRUE(engraved);
    m.tap(row.left + 3, row.top + 3);
    EXPECT_EQ(m.news, 1);
}

TEST(MenuBar, ATapBelowTheBarThatNoDropDownTakesClosesEverything) {
    Menus m;
    m.tap(5, 5);
    EXPECT_FALSE(m.bar.handleTap({200, 300}));
    EXPECT_FALSE(m.bar.anyOpen());
    EXPECT_FALSE(m.bar.addMenu(&m.game, 2));
}
