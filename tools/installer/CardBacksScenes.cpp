// The six picture backs: each shows its theme's name in shapes and colours.
#include <cmath>
#include <cstdint>
#include <utility>

#include "tools/installer/CardBacksArt.h"

namespace installer {

namespace {

constexpr float kPi = 3.14159265f;

// A few stars that land in the same places on every run.
uint32_t nextSeed(uint32_t& s) {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
}

}  // namespace

// Harlequin diamonds in purple and green with gold studs, and a gold mask.
void drawMardiGras(Canvas& c) {
    const Rgb purple = rgb(0x6A1E9A), green = rgb(0x1E9A3A), gold = rgb(0xF0C020);
    const Rgb dark = rgb(0x301048);
    // Harlequin: diamonds alternating purple and green, gold studs where
    // four of them meet.
    const float w = 6.0f, h = 8.0f;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const float a = (x + 0.5f) / w + (y + 0.5f) / h;
            const float b = (x + 0.5f) / w - (y + 0.5f) / h;
            const int i = static_cast<int>(std::floor(a)), j = static_cast<int>(std::floor(b));
            c.set(x, y, ((i + j) & 1) != 0 ? purple : green);
        }
    }
    for (int i = -8; i < 16; ++i) {
        for (int j = -8; j < 16; ++j) {
            const float x = w * (i + j) / 2.0f, y = h * (i - j) / 2.0f;
            c.set(static_cast<int>(x), static_cast<int>(y), gold);
            c.set(static_cast<int>(x) - 1, static_cast<int>(y), gold);
        }
    }
    const float cx = c.width() / 2.0f, cy = 19.0f;
    // The mask: a wide band with two pointed wings, two eye holes and a
    // purple trim.
    c.fillEllipse(cx, cy, 10.0f, 4.5f, dark);
    c.fillEllipse(cx, cy, 9.0f, 3.5f, gold);
    c.fillTriangle(cx - 9.5f, cy - 1.0f, cx - 12.0f, cy - 7.0f, cx - 5.0f, cy - 3.0f, gold);
    c.fillTriangle(cx + 9.5f, cy - 1.0f, cx + 12.0f, cy - 7.0f, cx + 5.0f, cy - 3.0f, gold);
    c.fillEllipse(cx - 4.0f, cy, 2.5f, 1.6f, dark);
    c.fillEllipse(cx + 4.0f, cy, 2.5f, 1.6f, dark);
    c.set(static_cast<int>(cx) - 1, static_cast<int>(cy) + 2, dark);
    c.set(static_cast<int>(cx), static_cast<int>(cy) + 2, dark);
}

// Terracotta with turquoise stepped bands and a stepped diamond.
void drawSouthWest(Canvas& c) {
    const Rgb terracotta = rgb(0xC0582C), turquoise = rgb(0x30C0B0), cream = rgb(0xF4E4C8);
    const Rgb brown = rgb(0x6A2C10);
    c.fill(terracotta);
    // Stepped zig-zag bands across the top and bottom.
    for (int band : {3, c.height() - 8}) {
        for (int x = 0; x < c.width(); ++x) {
            const int phase = x % 8;
            const int step = phase < 4 ? phase : 7 - phase;
            const int top = band + (step / 2) * 2;
            c.fillRect(x, top, 1, 2, turquoise);
            c.set(x, top + 3, brown);
        }
    }
    // The stepped diamond: rectangles of shrinking width, like a pueblo
    // pattern, mirrored top and bottom.
    const int cx = c.width() / 2;
    const int cy = c.height() / 2;
    for (int i = 0; i < 5; ++i) {
        const int half = 10 - 2 * i;
        const int height = 2 * (11 - 2 * i);
        const Rgb colour = i % 2 == 0 ? cream : (i % 4 == 1 ? turquoise : brown);
        c.fillRect(cx - half, cy - height / 2, 2 * half, height, colour);
    }
    c.fillRect(cx - 1, cy - 1, 2, 2, terracotta);
}

// Night blue, a scatter of stars, a ring of twelve zodiac marks and a
// crescent moon.
void drawAstrology(Canvas& c) {
    const Rgb night = rgb(0x101850), gold = rgb(0xF0D060), white = rgb(0xFFFFFF);
    const Rgb dim = rgb(0x8890C8);
    c.fill(night);
    uint32_t seed = 0xA57Au;
    for (int i = 0; i < 34; ++i) {
        const int x = static_cast<int>(nextSeed(seed) % c.width());
        const int y = static_cast<int>(nextSeed(seed) % c.height());
        c.set(x, y, i % 3 == 0 ? white : dim);
    }
    const float cx = c.width() / 2.0f, cy = c.height() / 2.0f;
    c.fillCircle(cx, cy, 10.5f, night);
    c.ring(cx, cy, 9.3f, 10.4f, gold);
    for (int i = 0; i < 12; ++i) {
        const float a = i * kPi / 6.0f;
        const float x = cx + 8.3f * std::cos(a), y = cy + 8.3f * std::sin(a);
        c.set(static_cast<int>(x), static_cast<int>(y), i % 2 ? white : gold);
    }
    // Crescent: a gold disc with a night disc bitten out of it.
    c.fillCircle(cx - 0.5f, cy, 5.0f, gold);
    c.fillCircle(cx + 1.8f, cy - 1.2f, 4.4f, night);
    // Bright four-point stars in two corners.
    for (auto [sx, sy] : {std::pair{4, 4}, std::pair{c.width() - 5, c.height() - 5}}) {
        c.set(sx, sy, white);
        c.set(sx - 1, sy, gold);
        c.set(sx + 1, sy, gold);
        c.set(sx, sy - 1, gold);
        c.set(sx, sy + 1, gold);
    }
}

// Burgundy with a bunch of grapes on a vine leaf above a glass of wine.
void drawWineAndArt(Canvas& c) {
    const Rgb burgundy = rgb(0x70102C), grape = rgb(0x8848B8), shine = rgb(0xD8B8F0);
    const Rgb leaf = rgb(0x48A040), cream = rgb(0xF4ECDC), wine = rgb(0xC01838);
    const Rgb gold = rgb(0xE0C060);
    c.fill(burgundy);
    c.frameRect(1, 1, c.width() - 2, c.height() - 2, gold);
    const float cx = c.width() / 2.0f;
    // Leaf and stem.
    c.fillEllipse(cx + 4.0f, 5.0f, 4.0f, 2.2f, leaf);
    c.line(static_cast<int>(cx), 3, static_cast<int>(cx), 7, leaf);
    // Grapes: rows of 4, 3, 2, 1.
    const int rows[] = {4, 3, 3, 2, 1};
    for (int r = 0; r < 5; ++r) {
        for (int i = 0; i < rows[r]; ++i) {
            const float gx = cx + (i - (rows[r] - 1) / 2.0f) * 3.6f;
            const float gy = 8.5f + r * 3.0f;
            c.fillCircle(gx, gy, 1.9f, grape);
            c.set(static_cast<int>(gx) - 1, static_cast<int>(gy) - 1, shine);
        }
    }
    // The glass: a bowl with wine, a stem and a foot.
    const float by = 27.0f;
    c.fillEllipse(cx, by, 5.5f, 5.0f, cream);
    c.fillRect(static_cast<int>(cx) - 6, static_cast<int>(by) - 6, 12, 5, burgundy);
    c.fillEllipse(cx, by, 4.4f, 3.9f, wine);
    c.fillRect(static_cast<int>(cx) - 5, static_cast<int>(by) - 6, 10, 5, burgundy);
    c.line(static_cast<int>(cx) - 5, static_cast<int>(by) - 3, static_cast<int>(cx) - 5,
           static_cast<int>(by), cream);
    c.line(static_cast<int>(cx) + 4, static_cast<int>(by) - 3, static_cast<int>(cx) + 4,
           static_cast<int>(by), cream);
    c.fillRect(static_cast<int>(cx) - 5, static_cast<int>(by) - 1, 10, 1, wine);
    c.fillRect(static_cast<int>(cx) - 1, static_cast<int>(by) + 5, 2, 4, cream);
    c.fillEllipse(cx, by + 9.5f, 4.0f, 1.2f, cream);
}

// A calm pale blue-grey field, a brush-stroke circle left open at the top
// right, and three stacked stones.
void drawZen(Canvas& c) {
    const Rgb mist = rgb(0xC8D4DE), ink = rgb(0x3C4650), sand = rgb(0xDCE4EA);
    const Rgb stone1 = rgb(0x707C88), stone2 = rgb(0x8C98A4), stone3 = rgb(0x5C6670);
    c.fill(mist);
    // Raked sand lines at the bottom.
    for (int y = c.height() - 9; y < c.height(); y += 3) c.fillRect(0, y, c.width(), 1, sand);
    const float cx = c.width() / 2.0f, cy = 13.0f;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const float u = x + 0.5f - cx, v = y + 0.5f - cy;
            const float d = std::sqrt(u * u + v * v);
            float a = std::atan2(v, u);  // -pi..pi, 0 at the right
            // Brush: thick at the lower left, thinning to an open end at the
            // upper right.
            const float t = std::fmod(a + 2.0f * kPi + 0.6f, 2.0f * kPi) / (2.0f * kPi);
            if (t > 0.9f) continue;
            const float thickness = 0.8f + 1.6f * std::sin(t * kPi / 0.9f);
            if (std::abs(d - 8.5f) <= thickness / 2.0f + 0.3f) c.set(x, y, ink);
        }
    }
    const float sx = cx, base = c.height() - 4.0f;
    c.fillEllipse(sx, base - 1.5f, 7.0f, 2.6f, stone3);
    c.fillEllipse(sx + 0.5f, base - 5.5f, 5.0f, 2.2f, stone1);
    c.fillEllipse(sx - 0.5f, base - 9.0f, 3.2f, 1.8f, stone2);
}

// A dark sea under a night sky: moon, its path on the water and a palm.
void drawIslandNight(Canvas& c) {
    const Rgb skyTop = rgb(0x081030), skyLow = rgb(0x283878), sea = rgb(0x04283C);
    const Rgb moon = rgb(0xF8F0B8), glint = rgb(0xC8C890), palm = rgb(0x000000);
    const int horizon = 26;
    for (int y = 0; y < c.height(); ++y) {
        const Rgb colour = y < horizon ? mix(skyTop, skyLow, y / static_cast<float>(horizon)) : sea;
        c.fillRect(0, y, c.width(), 1, colour);
    }
    c.fillCircle(17.0f, 8.0f, 4.0f, moon);
    c.set(5, 3, moon);
    c.set(10, 6, glint);
    c.set(21, 16, glint);
    // The moon's path: broken streaks under it, shrinking with distance.
    for (int y = horizon + 1, i = 0; y < c.height(); y += 2, ++i) {
        const int half = 1 + i / 2;
        c.fillRect(17 - half + (i % 2), y, 2 * half - 1, 1, glint);
    }
    // Island, trunk and fronds.
    c.fillEllipse(6.0f, horizon + 1.5f, 8.0f, 2.5f, palm);
    for (int y = 10; y <= horizon; ++y) {
        const float x = 5.0f + 0.04f * (horizon - y) * (horizon - y) / 2.0f;
        c.fillRect(static_cast<int>(x), y, 2, 1, palm);
    }
    const float tx = 9.5f, ty = 10.0f;
    const float fronds[][2] = {{-7, 3}, {-6, -2}, {-1, -5}, {5, -3}, {8, 2}, {4, 5}};
    for (const auto& f : fronds) {
        c.line(static_cast<int>(tx), static_cast<int>(ty), static_cast<int>(tx + f[0]),
               static_cast<int>(ty + f[1]), palm);
        c.line(static_cast<int>(tx), static_cast<int>(ty) + 1, static_cast<int>(tx + f[0]),
               static_cast<int>(ty + f[1]) + 1, palm);
    }
}

}  // namespace installer
