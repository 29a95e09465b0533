#pragma once

// The three score screens: the hand result over the laid-out table, and the
// score sheet plain or in three Hollywood columns, with its scroll bars.

#include "gamekit/graphics/Surface.h"
#include "games/velloran/rules/Scoring.h"
#include "games/velloran/table/TableLayout.h"
#include "games/velloran/table/TableView.h"

namespace velloran {

void drawHandResult(gamekit::Surface& surface, const TableScene& scene, TableButtons& buttons);
void drawScoreSheet(gamekit::Surface& surface, const TableScene& scene, TableButtons& buttons);

// Whether a side has more rows in the column than the sheet shows, so the
// column gets its scroll bar.
bool columnScrolls(const ColumnScore& column, int rows);
// Whether hand `row` has an entry in the column: the winner's hand counts in
// it from the winner's first row on.
bool rowShown(const ScoreBook& book, int column, int row);

// Applies a tap in a scroll zone to the column's first shown row: the first
// row, one up (not above the first), one down (not past the last R rows),
// the last R rows.
void scrollColumn(ColumnScore& column, ScrollZone zone, int rows);

}  // namespace velloran
