// The three classic backs: blue and navy patterns of the traditional kind.
#include <cmath>

#include "tools/installer/CardBacksArt.h"

namespace installer {

namespace {

const Rgb kBlue = rgb(0x1838D8);
const Rgb kNavy = rgb(0x081870);
const Rgb kLightBlue = rgb(0x88A8F8);
const Rgb kWhite = rgb(0xFFFFFF);

// A diamond (|dx|/rx + |dy|/ry <= 1) centred on (cx, cy).
void fillDiamond(Canvas& c, float cx, float cy, float rx, float ry, Rgb colour) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const float u = (x + 0.5f - cx) / rx, v = (y + 0.5f - cy) / ry;
            if ((u < 0 ? -u : u) + (v < 0 ? -v : v) <= 1.0f) c.set(x, y, colour);
        }
    }
}

}  // namespace

// Blue with a white diagonal lattice and a medallion in the middle.
void drawStandardLattice(Canvas& c) {
    c.fill(kBlue);
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if ((x + y) % 4 == 0 || (x - y + 400) % 4 == 0) c.set(x, y, kLightBlue);
        }
    }
    const float cx = c.width() / 2.0f, cy = c.height() / 2.0f;
    c.fillEllipse(cx, cy, 8.5f, 11.5f, kWhite);
    c.fillEllipse(cx, cy, 7.0f, 10.0f, kBlue);
    fillDiamond(c, cx, cy, 4.5f, 7.0f, kWhite);
    fillDiamond(c, cx, cy, 2.0f, 3.5f, kBlue);
}

// Navy with a grid of blue threads and a four-petal rose at the centre.
void drawStandardRose(Canvas& c) {
    c.fill(kNavy);
    const float cx = c.width() / 2.0f, cy = c.height() / 2.0f;
    // A fine grid of blue threads, lighter where they cross.
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const bool across = y % 4 == 1, down = x % 4 == 1;
            if (across && down) {
                c.set(x, y, kLightBlue);
            } else if (across || down) {
                c.set(x, y, kBlue);
            }
        }
    }
    c.fillCircle(cx, cy, 6.0f, kNavy);
    for (int i = 0; i < 4; ++i) {
        const float dx = (i == 0) ? 2.5f : (i == 1) ? -2.5f : 0.0f;
        const float dy = (i == 2) ? 2.5f : (i == 3) ? -2.5f : 0.0f;
        c.fillCircle(cx + dx, cy + dy, 2.4f, kLightBlue);
    }
    c.fillCircle(cx, cy, 1.6f, kWhite);
    // Small corner roses echo the centre.
    for (float px : {4.0f, c.width() - 4.0f}) {
        for (float py : {4.0f, c.height() - 4.0f}) {
            c.fillCircle(px, py, 2.5f, kLightBlue);
            c.fillCircle(px, py, 1.0f, kWhite);
        }
    }
}

// Blue with offset rows of white dots inside a double border.
void drawStandardDots(Canvas& c) {
    c.fill(kBlue);
    for (int row = 0; row * 4 < c.height() + 4; ++row) {
        for (int col = 0; col * 4 < c.width() + 4; ++col) {
            const int x = col * 4 + (row % 2) * 2, y = row * 4 + 1;
            c.set(x, y, kWhite);
            c.set(x + 1, y, kLightBlue);
            c.set(x, y + 1, kLightBlue);
        }
    }
    c.frameRect(2, 2, c.width() - 4, c.height() - 4, kWhite);
    c.frameRect(3, 3, c.width() - 6, c.height() - 6, kNavy);
    const float cx = c.width() / 2.0f, cy = c.height() / 2.0f;
    fillDiamond(c, cx, cy, 7.0f, 10.0f, kWhite);
    fillDiamond(c, cx, cy, 5.5f, 8.0f, kNavy);
    fillDiamond(c, cx, cy, 3.0f, 4.5f, kLightBlue);
}

}  // namespace installer
