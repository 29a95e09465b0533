#include "games/pellandine/RulesText.h"

namespace pellandine {

// Seventeen lines make a page.
const char* const kRulesLines[] = {
    // Page 1
    "Goal:",
    "   Clear all cards off the table.",
    "Game Play: ",
    "   Cards are dealt face up onto a grid. Tap",
    "   the cards of a group to remove it; what",
    "   makes a group depends on the variation.",
    "   A card that does not fit is unselected.",
    "   Tap the deck to fill the gaps with new",
    "   cards. In Pairs and Sum 11 the cards on",
    "   the table first move up to close the",
    "   gaps, so new cards arrive at the end.",
    "Scoring:",
    "   Your score is the number of cards you",
    "   removed. Remove all 52 to win. Each",
    "   variation keeps its own top ten list.",
    "   Start a new game when no group is left.",
    "",
    // Page 2
    "Pairs:",
    "   Remove two cards of the same rank that",
    "   touch: side by side, above and below, or",
    "   corner to corner. Twenty cards are dealt.",
    "Sum 10:",
    "   Remove any two cards whose values add up",
    "   to 10 (Ace counts 1), or the 10, Jack,",
    "   Queen and King of one suit together. The",
    "   cards need not touch. Thirteen are dealt.",
    "Sum 11:",
    "   Remove two touching cards that add up to",
    "   11. Jacks, Queens and Kings are covered",
    "   by the next card dealt and go with it.",
    "Sum 14:",
    "   Remove two to six cards adding up to 14",
    "   (J=11, Q=12, K=13, A=1). Ten are dealt.",
    "",
    // Page 3
    "Refill:",
    "   Normally the cards move up in reading",
    "   order: a card at the start of a row may",
    "   move to the end of the row above.",
    "   The challenge refill moves each card",
    "   straight up its own column only, so",
    "   gaps stay at the bottom of the columns.",
    "Options:",
    "   Show or hide the cards left, the prompts",
    "   and the end game dialog under Configure",
    "   -> Appearance. Pick the variation and the",
    "   refill there too (see",
    "   Configure -> Game Settings...)!",
};
const int kRulesLineCount = sizeof kRulesLines / sizeof kRulesLines[0];

const char* const kHelpLines[] = {
    "Hardware Keys:",
    "   uparrow: start a new game.",
    "   downarrow: leave the game.",
    "   leftarrow: restart the same deal.",
    "   rightarrow: show the high scores.",
    "Stylus:",
    "   Tap a card to select it, tap it again to",
    "   unselect it. Tap empty table to clear",
    "   the whole selection. A group is removed",
    "   as soon as its last card is tapped.",
    "   Tap the deck to deal more cards.",
    "Menus:",
    "   Game, Configure and Help at the top.",
    "Tip:",
    "   Plan ahead: remove the groups that free",
    "   the most cards first.",
};
const int kHelpLineCount = sizeof kHelpLines / sizeof kHelpLines[0];

}  // namespace pellandine
