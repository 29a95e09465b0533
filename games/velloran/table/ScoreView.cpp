#include "games/velloran/table/ScoreView.h"

#include <algorithm>
#include <cstdio>

#include "gamekit/cards/CardTheme.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"

namespace velloran {

namespace {

using gamekit::Surface;

constexpr int kResultNumberRight = 43;
constexpr int kResultLabelX = 53;
constexpr int kResultRuleLeft = 24, kResultRuleRight = 215;
constexpr int kTitleRuleMargin = 10;
constexpr int kHollywoodTitleRuleLeft = 35, kHollywoodTitleRuleRight = 205;
constexpr int kLabelCentreX = 120;  // the plain sheet's labels between the two columns
constexpr int kColumnThird = 80;
constexpr int kColumnTitleY = 45, kColumnRuleY = 58, kColumnHeadY = 62;
constexpr int kArrowHalf = 3;

struct Ink {
    gamekit::Colour line;
    gamekit::Colour text;
};

Ink inkOf(const TableScene& scene) {
    return {themeOf(scene).lineColour, themeOf(scene).textColour};
}

void rule(Surface& s, const TableScene& scene, int x1, int x2, int y) {
    gamekit::drawLine(s, x1, y, x2, y, inkOf(scene).line);
}

void number(Surface& s, const TableScene& scene, gamekit::BitmapFont& font, int right, int y,
            const char* format, int value) {
    char text[24];
    std::snprintf(text, sizeof text, format, value);
    drawRight(s, scene, font, right, y, text);
}

void drawTitle(Surface& s, const TableScene& scene, const char* title, int ruleLeft, int ruleRight) {
    drawCentred(s, scene, gamekit::font2(), kSheetTitleY, title);
    for (int y : kSheetTitleRuleYs) rule(s, scene, ruleLeft, ruleRight, y);
}

// A bar at the box's right edge: a double arrow up (to the first row) and a
// single one below it at the top, the same pointing down at the bottom.
void drawScrollBar(Surface& s, const TableScene& scene, int x1, int top, int x2, int bottom) {
    const Ink ink = inkOf(scene);
    gamekit::drawRect(s, x1, top, x2, bottom, gamekit::kShapeOutline, ink.line, ink.line);
    const int cx = (x1 + x2) / 2;
    auto up = [&](int y) {
        gamekit::drawTriangle(s, cx, y, cx - kArrowHalf, y + kArrowHalf, cx + kArrowHalf,
                              y + kArrowHalf, gamekit::kShapeFilled, ink.text, ink.text);
    };
    auto down = [&](int y) {
        gamekit::drawTriangle(s, cx - kArrowHalf, y, cx + kArrowHalf, y, cx, y + kArrowHalf,
                              gamekit::kShapeFilled, ink.text, ink.text);
    };
    up(top + 2);
    gamekit::drawLine(s, x1 + 2, top + 1, x2 - 2, top + 1, ink.text);
    up(top + 15);
    down(bottom - 5);
    gamekit::drawLine(s, x1 + 2, bottom - 1, x2 - 2, bottom - 1, ink.text);
    down(bottom - 18);
}

// The rows of hands a column shows from its scroll row, at most `rows`.
template <class Draw>
void forShownRows(const ScoreBook& book, int column, int rows, Draw draw) {
    const ColumnScore& col = book.columns[column];
    int line = 0;
    for (int r = std::max(0, col.scrollRow); r < col.endRow && line < rows; ++r) {
        if (!rowShown(book, column, r)) continue;
        draw(r, line++);
    }
}

void entry(Surface& s, const TableScene& scene, int right, int y, int points) {
    if (points > 0) {
        number(s, scene, gamekit::font1(), right, y, "%d", points);
    } else {
        drawRight(s, scene, gamekit::font1(), right, y, "-");
    }
}

void drawPlainSheet(Surface& s, const TableScene& scene) {
    const ScoreBook& book = scene.game->scores;
    const ColumnScore& col = book.columns[0];
    const int R = book.rowsShown();
    const int H = sheetBoxHeight(R);
    const char* title = col.won[kComputerSide] ? "Computer Wins Game!"
                        : col.won[kPlayerSide]  ? "You Won!!"
                                                : "Current Game Score";
    const int half = gamekit::font2().measure(title) / 2;
    drawTitle(s, scene, title, kScreenWidth / 2 - half - kTitleRuleMargin,
              kScreenWidth / 2 + half + kTitleRuleMargin);
    drawCentred(s, scene, gamekit::font2(), kPlainHeadY, "Computer", kPlainComputerHeadX);
    drawCentred(s, scene, gamekit::font2(), kPlainHeadY, "You", kPlainPlayerHeadX);
    const Ink ink = inkOf(scene);
    gamekit::drawRect(s, kPlainBoxLeft, kPlainBoxTop, kPlainBoxRight, 60 + H, gamekit::kShapeOutline,
                      ink.line, ink.line);
    gamekit::drawLine(s, kPlainColumnRule, kPlainBoxTop, kPlainColumnRule, 60 + H, ink.line);
    if (columnScrolls(col, R)) {
        drawScrollBar(s, scene, kPlainBoxRight - kScrollBarWidth, kPlainBoxTop, kPlainBoxRight, 60 + H);
    }
    forShownRows(book, 0, R, [&](int r, int line) {
        const int y = kPlainFirstRowY + kSheetRowStep * line;
        entry(s, scene, kPlainComputerRight, y, book.computerHands[r]);
        entry(s, scene, kPlainPlayerRight, y, book.playerHands[r]);
    });
    rule(s, scene, kPlainBoxLeft, kPlainBoxRight, H + 62);
    gamekit::BitmapFont& f1 = gamekit::font1();
    gamekit::BitmapFont& f2 = gamekit::font2();
    number(s, scene, f2, kPlainComputerRight, H + 65, "%d", col.total[kComputerSide]);
    number(s, scene, f2, kPlainPlayerRight, H + 65, "%d", col.total[kPlayerSide]);
    drawCentred(s, scene, f1, H + 65, col.over() ? "hand total" : "total", kLabelCentreX);
    if (!col.over()) return;

    const int w = col.won[kPlayerSide] ? kPlayerSide : kComputerSide;
    const int l = 1 - w;
    const int rightOf[2] = {kPlainPlayerRight, kPlainComputerRight};
    number(s, scene, f1, kPlainComputerRight, H + 76, "%d", kBoxBonus * col.boxes[kComputerSide]);
    number(s, scene, f1, kPlainPlayerRight, H + 76, "%d", kBoxBonus * col.boxes[kPlayerSide]);
    drawCentred(s, scene, f1, H + 76, "box bonus", kLabelCentreX);
    number(s, scene, f1, rightOf[w], H + 87, "+ %d", kGameBonus);
    drawCentred(s, scene, f1, H + 87, "win bonus", kLabelCentreX);
    rule(s, scene, kPlainBoxLeft, kPlainBoxRight, H + 100);
    int sum[2];
    for (int side = 0; side < 2; ++side) {
        sum[side] = col.total[side] + kBoxBonus * col.boxes[side] + (side == w ? kGameBonus : 0);
        number(s, scene, f1, rightOf[side], H + 103, "%d", sum[side]);
    }
    number(s, scene, f1, rightOf[w], H + 114, "- %d", sum[l]);
    rule(s, scene, kPlainBoxLeft, kPlainBoxRight, H + 127);
    number(s, scene, f1, rightOf[w], H + 130, "%d", col.margin[w]);
    if (!col.blitzed[l]) {
        drawCentred(s, scene, f1, H + 130, "game total", kLabelCentreX);
        return;
    }
    number(s, scene, f1, rightOf[w], H + 141, "+ %d", col.finalScore[w] - col.margin[w]);
    drawCentred(s, scene, f1, H + 141, "blitz bonus", kLabelCentreX);
    rule(s, scene, kPlainBoxLeft, kPlainBoxRight, H + 154);
    number(s, scene, f1, rightOf[w], H + 157, "%d", col.finalScore[w]);
    drawCentred(s, scene, f1, H + 157, "game total", kLabelCentreX);
}

void drawHollywoodColumn(Surface& s, const TableScene& scene, int c) {
    const ScoreBook& book = scene.game->scores;
    const ColumnScore& col = book.columns[c];
    const int x1 = hollywoodLeft(c), x2 = hollywoodRight(c);
    char title[24];
    std::snprintf(title, sizeof title, "Column %d", c + 1);
    drawCentred(s, scene, gamekit::font2(), kColumnTitleY, title, kColumnThird * c + kColumnThird / 2);
    rule(s, scene, x1, x2, kColumnRuleY);
    if (col.total[kPlayerSide] == 0 && col.total[kComputerSide] == 0) return;
    drawText(s, scene, gamekit::font2(), x1 + 17, kColumnHeadY, "C");
    drawText(s, scene, gamekit::font2(), x1 + 37, kColumnHeadY, "You");
    const int R = book.rowsShown();
    const int H = sheetBoxHeight(R);
    const Ink ink = inkOf(scene);
    gamekit::drawRect(s, x1, kHollywoodBoxTop, x2, H + 73, gamekit::kShapeOutline, ink.line, ink.line);
    const bool bar = columnScrolls(col, R);
    if (bar) drawScrollBar(s, scene, x2 - kScrollBarWidth, kHollywoodBoxTop, x2, H + 73);
    const int cRight = x1 + 26;
    const int pRight = bar ? x1 + 54 : x1 + 64;
    forShownRows(book, c, R, [&](int r, int line) {
        const int y = kHollywoodFirstRowY + kSheetRowStep * line;
        const bool playerWon = book.playerHands[r] > 0;
        entry(s, scene, cRight, y, playerWon ? 0 : book.computerHands[r]);
        entry(s, scene, pRight, y, playerWon ? book.playerHands[r] : 0);
    });
    gamekit::BitmapFont& f1 = gamekit::font1();
    gamekit::BitmapFont& f2 = gamekit::font2();
    rule(s, scene, x1, x2, H + 75);
    number(s, scene, f2, x1 + 26, H + 78, "%d", col.total[kComputerSide]);
    number(s, scene, f2, x1 + 64, H + 78, "%d", col.total[kPlayerSide]);
    if (!col.over()) return;

    const int w = col.won[kPlayerSide] ? kPlayerSide : kComputerSide;
    const int l = 1 - w;
    const int rightOf[2] = {x1 + 64, x1 + 26};
    // Labels on the loser's side.
    auto label = [&](int y, const char* text) {
        if (w == kPlayerSide) {
            drawText(s, scene, f1, x1, y, text);
        } else {
            drawRight(s, scene, f1, x2 + 1, y, text);
        }
    };
    const int netBox = kBoxBonus * (col.boxes[w] - col.boxes[l]);
    number(s, scene, f1, rightOf[w], H + 89, "%d", netBox);
    label(H + 89, "(box)");
    number(s, scene, f1, rightOf[w], H + 100, "+%d", kGameBonus);
    label(H + 100, "(win)");
    rule(s, scene, x1, x2, H + 113);
    number(s, scene, f1, rightOf[w], H + 116, "%d", col.total[w] + netBox + kGameBonus);
    number(s, scene, f1, rightOf[l], H + 116, "%d", col.total[l]);
    number(s, scene, f1, rightOf[w], H + 127, "-%d", col.total[l]);
    rule(s, scene, x1, x2, H + 140);
    number(s, scene, f1, rightOf[w], H + 143, "%d", col.margin[w]);
    if (!col.blitzed[l]) {
        label(H + 143, "(total)");
        return;
    }
    number(s, scene, f1, rightOf[w], H + 154, "+%d", col.finalScore[w] - col.margin[w]);
    label(H + 154, "(blitz)");
    rule(s, scene, x1, x2, H + 167);
    number(s, scene, f1, rightOf[w], H + 170, "%d", col.finalScore[w]);
    label(H + 170, "(total)");
}

}  // namespace

bool columnScrolls(const ColumnScore& column, int rows) {
    for (int side = 0; side < 2; ++side) {
        if (column.firstRow[side] != kNoFirstRow && column.endRow - column.firstRow[side] > rows) {
            return true;
        }
    }
    return false;
}

bool rowShown(const ScoreBook& book, int column, int row) {
    const ColumnScore& col = book.columns[column];
    if (row < 0 || row >= col.endRow || row >= book.handsRecorded()) return false;
    const bool playerWon = book.playerHands[row] > 0;
    const int first = col.firstRow[playerWon ? kPlayerSide : kComputerSide];
    return row >= first;
}

void scrollColumn(ColumnScore& column, ScrollZone zone, int rows) {
    const int first = std::min(column.firstRow[0], column.firstRow[1]);
    const int last = column.endRow - rows;
    switch (zone) {
        case ScrollZone::First: column.scrollRow = first; break;
        case ScrollZone::Up:
            if (column.scrollRow > first) --column.scrollRow;
            break;
        case ScrollZone::Down:
            if (column.scrollRow < last) ++column.scrollRow;
            break;
        case ScrollZone::Last: column.scrollRow = last; break;
        case ScrollZone::None: break;
    }
}

void drawHandResult(Surface& s, const TableScene& scene, TableButtons& buttons) {
    drawTableBackground(s, scene);
    drawCentred(s, scene, gamekit::font2(), kComputerLabelY, "Computer");
    drawLaidOutSides(s, scene, false);
    drawCentred(s, scene, gamekit::font2(), kPlayerLabelY, "You");
    const HandResultLines lines = scene.game->handResultLines();
    for (const ResultLine& line : lines.lines) {
        drawRight(s, scene, gamekit::font2(), kResultNumberRight, line.y, line.number.c_str());
        drawText(s, scene, gamekit::font2(), kResultLabelX, line.y, line.label.c_str());
    }
    rule(s, scene, kResultRuleLeft, kResultRuleRight, lines.ruleY);
    buttons.tableOk.draw(s);
}

void drawScoreSheet(Surface& s, const TableScene& scene, TableButtons& buttons) {
    s.fill(themeOf(scene).tableColour);
    if (scene.game->options().hollywood) {
        drawTitle(s, scene, "Hollywood Scoring", kHollywoodTitleRuleLeft, kHollywoodTitleRuleRight);
        for (int c = 0; c < 3; ++c) drawHollywoodColumn(s, scene, c);
    } else {
        drawPlainSheet(s, scene);
    }
    buttons.sheetOk.draw(s);
}

}  // namespace velloran
