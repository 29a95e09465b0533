#pragma once

// The pages every program shares: the start-up screen, About, Configure
// Appearance, the rules and help pager and the frame of the high-score list.
// Each is drawn whole into the screen image and answers taps; the program
// keeps the screen number and applies what a tap changed.

#include <cstdint>

#include "gamekit/containers/GArray.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"

namespace gamekit {

class BitmapFont;
class CardTheme;

// The "OK" and "Reset" buttons of every page, at their one place.
constexpr int kPageButtonWidth = 60;
constexpr int kPageButtonHeight = 20;
constexpr int kPageButtonTop = 280;
constexpr int kOkButtonLeft = 160;
constexpr int kResetButtonLeft = 15;

// A program's sprite sheet and where the shared pictures lie in it.
struct ScreenSprites {
    const uint16_t* sheet = nullptr;
    int stride = 0;
    Point logo{0, 0};          // 175 x 30, start-up screen
    Point aboutLogo{0, 33};    // 175 x 30, About
    Point nameArt{0, 66};      // 186 x 45
    Point emblem{178, 0};      // 10 x 10, start-up screen
    Point aboutEmblem{178, 10};
    Point boxOff{188, 0};      // 10 x 10 check boxes
    Point boxOn{188, 10};
};

// The maker's notice, four lines, and the name that follows the emblem.
extern const char* const kMakersNotice[4];
extern const char* const kMakersName;

// A white page with the title bar in the menu bar's colours.
void drawPage(Surface& surface, const MenuBar& bar, const char* title);
void drawTitleBar(Surface& surface, const MenuBar& bar, const char* title);

void drawStartupScreen(Surface& surface, const ScreenSprites& sprites);
void drawAboutScreen(Surface& surface, const MenuBar& bar, const ScreenSprites& sprites, int majorVersion,
                     int minorVersion, Button& ok);

// Configure Appearance: switch rows, an optional animation-speed row, the
// nine themes and a preview of the chosen one.
class AppearanceScreen {
public:
    struct Switch {
        const char* label;
        int y;          // row of the box and label
        int tapTop;     // taps with tapTop <= y <= tapBottom and 20 <= x < tapRight
        int tapBottom;
        int tapRight;
        bool* value;
    };
    struct Layout {
        Switch switches[4];
        int switchCount;
        int* animationSpeed;  // null: no speed row; -1 is "off"
        int speedRowY;        // the "Animation Speed" switch row; its speed boxes follow
        int themesLabelY;
        int themeListY;       // first theme row
        int themeTapTop;      // taps from here to here + 17 x 9 choose a theme
        int previewTop;       // the preview box's top; everything in it follows
    };

    AppearanceScreen(const Layout& layout, int* theme) : layout_(layout), theme_(theme) {}

    void draw(Surface& surface, const MenuBar& bar, const ScreenSprites& sprites,
              const GArray<CardTheme*>& themes, Button& ok) const;

    enum class Tap { None, Ok, Changed };
    // Applies a tap; Changed when a value changed (the caller clicks).
    Tap tap(Point p, Button& ok);

    // The standard layouts: the full one (three switches and the speed row)
    // and the one with up to three switches and no speed row.
    static Layout fullLayout(const char* labels[3], bool* values[3], int* animationSpeed);
    static Layout compactLayout(int switchCount, const char* const labels[], bool* values[],
                                const int tapRights[]);

private:
    Layout layout_;
    int* theme_;
};

// The rules and help pages: a table of lines, 17 a page; a line beginning
// with a blank is body text, any other a heading.
class Pager {
public:
    static constexpr int kLinesPerPage = 17;

    Pager(const char* title, const char* const* lines, int lineCount);

    void draw(Surface& surface, const MenuBar& bar, BitmapFont& bodyFont, BitmapFont& headingFont,
              Button& ok) const;
    enum class Tap { None, Ok, Turned };
    Tap tap(Point p, Button& ok);

    int page() const;
    int pageCount() const { return pageCount_; }
    void setPage(int page) { page_ = page; }

private:
    const char* title_;
    const char* const* lines_;
    int lineCount_;
    int page_ = 0;
    int pageCount_;
};

// The frame of a high-score list: the double frame, the heading centred at
// y 33 and the two column heads at (64, 80) and (125, 80). Rows start at
// y 97, 15 apart.
void drawHighScoreFrame(Surface& surface, const MenuBar& bar, const char* heading, const char* firstColumn,
                        const char* secondColumn);
constexpr int kHighScoreFirstRowY = 97;
constexpr int kHighScoreRowStep = 15;

}  // namespace gamekit
