#include "ShapesPage.h"

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Surface.h"

namespace gallery {

using namespace gamekit;

namespace {
constexpr Colour kPaper = 0x0010;  // navy
constexpr Colour kInk = colours::kWhite;
constexpr Colour kGold = 0xFE60;
constexpr Colour kTeal = 0x0578;
constexpr Colour kRose = 0xF8B2;

void label(Surface& s, int x, int y, const char* text) { font1().draw(s, x, y, text); }
}  // namespace

void drawShapesPage(Surface& s) {
    s.fill(kPaper);
    FontStyle style(font1(), kInk, kPaper, true);
    font3().setColours(kGold, kPaper);
    font3().setTransparent(true);
    font3().draw(s, 8, 4, "Shapes");
    font3().setTransparent(false);

    // Lines: a fan from one corner, steep and shallow.
    for (int i = 0; i <= 6; ++i) drawLine(s, 8, 30, 8 + i * 10, 90, i % 2 ? kGold : kInk);
    for (int i = 0; i <= 6; ++i) drawLine(s, 8, 30, 70, 30 + i * 10, i % 2 ? kTeal : kRose);
    label(s, 8, 94, "lines");

    // Rectangles in the three modes.
    drawRect(s, 84, 30, 112, 58, kShapeFilled, kInk, kTeal);
    drawRect(s, 118, 30, 146, 58, kShapeOutline, kGold, kInk);
    drawRect(s, 152, 30, 180, 58, kShapeOutlineFilled, kInk, kRose);
    label(s, 84, 62, "rectangles");

    // Round rectangles, the card shape among them.
    drawRoundRect(s, 188, 30, 217, 76, 5, kShapeOutlineFilled, 0x001F, 0xE71C);
    drawRoundRect(s, 84, 76, 126, 104, 8, kShapeOutline, kGold, kInk);
    drawRoundRect(s, 132, 76, 180, 104, 12, kShapeFilled, kTeal, kTeal);
    label(s, 188, 80, "round");

    // Circles: filled, outlined, outlined and filled.
    drawCircle(s, 30, 140, 20, kShapeFilled, kRose, kRose);
    drawCircle(s, 80, 140, 20, kShapeOutline, kGold, kInk);
    drawCircle(s, 130, 140, 20, kShapeOutlineFilled, kInk, kTeal);
    drawCircle(s, 180, 140, 7, kShapeOutlineFilled, kInk, kGold);
    drawCircle(s, 210, 140, 1, kShapeFilled, kInk, kInk);
    label(s, 8, 164, "circles");

    // Triangles, with a flat top, a flat bottom and neither.
    drawTriangle(s, 10, 230, 40, 180, 70, 230, kShapeFilled, kInk, kGold);
    drawTriangle(s, 80, 180, 130, 180, 105, 230, kShapeOutline, kRose, kInk);
    drawTriangle(s, 140, 185, 200, 200, 160, 232, kShapeOutlineFilled, kInk, kTeal);
    label(s, 8, 236, "triangles");

    // The button look, raised and sunken.
    drawRaisedBox(s, 10, 256, 100, 280, colours::kLightGrey, colours::kWhite, colours::kDarkGrey, 2);
    drawSunkenBox(s, 110, 256, 200, 280, colours::kLightGrey, colours::kWhite, colours::kDarkGrey, 2);
    font1().setColours(colours::kBlack, colours::kLightGrey);
    font1().drawCentred(s, 55, 263, "raised");
    font1().drawCentred(s, 155, 263, "sunken");

    font1().setForeground(kInk);
    font1().draw(s, 8, 290, "Regular font 1");
    font2().setColours(kGold, kPaper);
    font2().setTransparent(true);
    font2().draw(s, 100, 290, "Bold font 2");
    font2().setTransparent(false);
    font1().draw(s, 8, 304, "Tap and drag: the ball follows.");
}

}  // namespace gallery
