#include "ControlsPage.h"

#include <cstdio>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Controls.h"

namespace gallery {

using namespace gamekit;

void drawControlsPage(Surface& s, Button& hello, Button& disabled, MessageLog& log, int taps) {
    constexpr Colour kPaper = 0xEF7D;
    s.fill(kPaper);
    FontStyle one(font1(), colours::kBlack, kPaper, true);
    FontStyle two(font2(), colours::kBlack, kPaper, true);
    FontStyle three(font3(), 0x0010, kPaper, true);
    font3().draw(s, 8, 24, "Font 3: Large 0123");
    font2().draw(s, 8, 44, "Font 2: Bold ABCabc 0123");
    font1().draw(s, 8, 60, "Font 1: Regular ABCabc 0123");
    font1().draw(s, 8, 76, "The quick brown fox jumps over");
    font1().draw(s, 8, 90, "the lazy dog. !\"#$%&'()*+,-./:;<=>?@");
    font2().draw(s, 8, 106, "[\\]^_` ~ 456789");
    font1().setTransparent(false);
    font1().setColours(colours::kWhite, 0x0010);
    font1().draw(s, 8, 124, " Opaque cells: text on its own ground ");
    font1().setTransparent(true);
    font1().setForeground(colours::kBlack);
    drawLine(s, 8, 150, 231, 150, colours::kMidGrey);
    font1().draw(s, 8, 154, "Buttons and a message log:");
    hello.draw(s);
    disabled.draw(s);
    log.draw(s);
    char count[32];
    std::snprintf(count, sizeof count, "Taps: %d", taps);
    font1().draw(s, 8, 290, count);
}

}  // namespace gallery
