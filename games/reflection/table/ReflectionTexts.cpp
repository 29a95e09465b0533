#include "games/reflection/table/ReflectionTexts.h"

namespace reflection {

const char* const kRulesLines[] = {
    "Goal:",
    " Build the whole deck onto the four",
    " rows of the table. Each card put on",
    " a row scores 4 points. The game is",
    " won at 200 points, when all 52",
    " cards lie on the rows.",
    " ",
    "Game Play:",
    " The ace, two, three and four start",
    " the four rows. Each row steps",
    " through the ranks by its own count,",
    " going on past the king as round a",
    " clock face:",
    "  Row 1: A 2 3 4 5 6 7 8 9 10 J Q K",
    "  Row 2: 2 4 6 8 10 Q A 3 5 7 9 J K",
    "  Row 3: 3 6 9 Q 2 5 8 J A 4 7 10 K",
    "  Row 4: 4 8 Q 3 7 J 2 6 10 A 5 9 K",
    " Suits play no part.",
    " Tap the deck to turn up its next",
    " card. Put it on a row that needs",
    " its rank next, or park it on one of",
    " the four store talons (20 cards at",
    " most). The top card of a talon may",
    " later go onto a row, never onto",
    " another talon.",
    " Every row ends with a king. In",
    " normal mode a king that cannot go",
    " out yet waits on the kings talon",
    " until a row holds twelve cards; it",
    " may not be parked on a store talon.",
    " In expert mode there is no kings",
    " talon and kings are parked on the",
    " store talons like any other card.",
    " The deck is turned over only once.",
};
const int kRulesLineCount = static_cast<int>(sizeof kRulesLines / sizeof kRulesLines[0]);

const char* const kHelpLines[] = {
    "Hardware Keys:",
    " leftarrow - undo",
    " rightarrow - redo",
    " uparrow - new game",
    " downarrow - exit",
    "Moving Cards:",
    " A move takes two taps. First tap",
    " the dealt card or the top card of a",
    " store talon or of the kings talon:",
    " it is highlighted, and marks show",
    " where its rank goes in each row (a",
    " yellow mark: it fits there now).",
    " Then tap the row or the store talon",
    " it should go to. A move the rules do",
    " not allow leaves the card in place.",
    " Tap the deck to turn up a card. Undo",
    " and redo step through every move.",
};
const int kHelpLineCount = static_cast<int>(sizeof kHelpLines / sizeof kHelpLines[0]);

}  // namespace reflection
