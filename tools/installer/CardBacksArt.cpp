#include "tools/installer/CardBacksArt.h"

namespace installer {

namespace {

constexpr int kMargin = 2;

struct BackStyle {
    void (*draw)(Canvas&);
    Rgb margin;
    Rgb edge;  // the line between margin and field
};

// Theme order: the strip is read back by theme index.
const BackStyle kBackStyles[kBackCount] = {
    {drawStandardLattice, rgb(0xFFFFFF), rgb(0x0020C0)},
    {drawStandardRose, rgb(0xFFFFFF), rgb(0x000070)},
    {drawStandardDots, rgb(0xFFFFFF), rgb(0x0020C0)},
    {drawMardiGras, rgb(0xF8E8B0), rgb(0x502070)},
    {drawSouthWest, rgb(0xF4E4C8), rgb(0x883818)},
    {drawAstrology, rgb(0xE8E8F8), rgb(0x101040)},
    {drawWineAndArt, rgb(0xF4ECDC), rgb(0x501020)},
    {drawZen, rgb(0xF8F8F4), rgb(0x8898A4)},
    {drawIslandNight, rgb(0xE8F0F8), rgb(0x081830)},
};

}  // namespace

Canvas drawCardBack(int index) {
    Canvas back(kBackWidth, kBackHeight, rgb(0xFFFFFF));
    if (index < 0 || index >= kBackCount) return back;
    const BackStyle& style = kBackStyles[index];
    back.fill(style.margin);
    Canvas field(kBackWidth - 2 * kMargin, kBackHeight - 2 * kMargin);
    style.draw(field);
    back.blit(field, kMargin, kMargin);
    back.frameRect(kMargin - 1, kMargin - 1, kBackWidth - 2 * kMargin + 2,
                   kBackHeight - 2 * kMargin + 2, style.edge);
    // The card frame is a round rectangle over the back, so the corner
    // pixels outside its arc show the margin colour; keep the edge line off
    // those corners.
    for (int cx : {kMargin - 1, kBackWidth - kMargin}) {
        for (int cy : {kMargin - 1, kBackHeight - kMargin}) back.set(cx, cy, style.margin);
    }
    return back;
}

Canvas drawCardBacks() {
    Canvas strip(kBackWidth * kBackCount, kBackHeight);
    for (int i = 0; i < kBackCount; ++i) strip.blit(drawCardBack(i), kBackWidth * i, 0);
    return strip;
}

}  // namespace installer
