#include "GalleryTexts.h"

namespace gallery {

const char* const kRulesLines[] = {
    "Goal:",
    "   See every piece of the toolkit",
    "   at work.",
    "Pages:",
    "   Shapes: lines, rectangles, round",
    "   rectangles, circles, triangles",
    "   and boxes. Tap and drag to move",
    "   the ball, a sprite.",
    "   Cards: every card face up, the",
    "   backs and a selected card, in",
    "   the chosen theme.",
    "   Controls: the three fonts,",
    "   buttons and a message log.",
    "Menus:",
    "   Gallery: the pages, a showing of",
    "   the error reporter, Suspend and",
    "   Exit.",
    "   Configure: Appearance and Sound.",
    "   Help: these pages, the frame of",
    "   a high-score list and About.",
    "Appearance:",
    "   Three switches, the animation",
    "   speed and the nine card themes",
    "   with a preview. Every change is",
    "   kept when the gallery ends.",
};
const int kRulesLineCount = sizeof kRulesLines / sizeof kRulesLines[0];

const char* const kHelpLines[] = {
    "Hardware Keys:",
    "   leftarrow - previous page",
    "   rightarrow - next page",
    "   uparrow - start the gallery anew",
    "   downarrow - exit",
    "Stylus:",
    "   Tap a menu title to open it,",
    "   then tap an entry. Tap OK to",
    "   leave a page.",
};
const int kHelpLineCount = sizeof kHelpLines / sizeof kHelpLines[0];

}  // namespace gallery
