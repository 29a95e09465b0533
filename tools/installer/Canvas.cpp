#include "tools/installer/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace installer {

Rgb mix(Rgb a, Rgb b, float t) {
    auto channel = [t](uint8_t p, uint8_t q) {
        return static_cast<uint8_t>(std::lround(p + (q - p) * std::clamp(t, 0.0f, 1.0f)));
    };
    return Rgb{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, background) {}

void Canvas::set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<size_t>(y) * width_ + x] = colour;
    }
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb colour) {
    const int x0 = std::max(x, 0), x1 = std::min(x + w, width_);
    const int y0 = std::max(y, 0), y1 = std::min(y + h, height_);
    for (int yy = y0; yy < y1; ++yy) {
        for (int xx = x0; xx < x1; ++xx) pixels_[static_cast<size_t>(yy) * width_ + xx] = colour;
    }
}

void Canvas::frameRect(int x, int y, int w, int h, Rgb colour) {
    if (w <= 0 || h <= 0) return;
    fillRect(x, y, w, 1, colour);
    fillRect(x, y + h - 1, w, 1, colour);
    fillRect(x, y, 1, h, colour);
    fillRect(x + w - 1, y, 1, h, colour);
}

void Canvas::line(int x1, int y1, int x2, int y2, Rgb colour) {
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        set(x1, y1, colour);
        if (x1 == x2 && y1 == y2) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

void Canvas::fillCircle(float cx, float cy, float radius, Rgb colour) {
    fillEllipse(cx, cy, radius, radius, colour);
}

// A pixel belongs to a shape when its centre (x + 0.5, y + 0.5) lies inside.
void Canvas::fillEllipse(float cx, float cy, float rx, float ry, Rgb colour) {
    if (rx <= 0 || ry <= 0) return;
    const int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    const int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float u = (x + 0.5f - cx) / rx, v = (y + 0.5f - cy) / ry;
            if (u * u + v * v <= 1.0f) set(x, y, colour);
        }
    }
}

void Canvas::ring(float cx, float cy, float inner, float outer, Rgb colour) {
    const int x0 = static_cast<int>(std::floor(cx - outer)),
              x1 = static_cast<int>(std::ceil(cx + outer));
    const int y0 = static_cast<int>(std::floor(cy - outer)),
              y1 = static_cast<int>(std::ceil(cy + outer));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float u = x + 0.5f - cx, v = y + 0.5f - cy;
            const float d = std::sqrt(u * u + v * v);
            if (d >= inner && d <= outer) set(x, y, colour);
        }
    }
}

void Canvas::fillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, Rgb colour) {
    const int xa = static_cast<int>(std::floor(std::min({x1, x2, x3})));
    const int xb = static_cast<int>(std::ceil(std::max({x1, x2, x3})));
    const int ya = static_cast<int>(std::floor(std::min({y1, y2, y3})));
    const int yb = static_cast<int>(std::ceil(std::max({y1, y2, y3})));
    auto edge = [](float ax, float ay, float bx, float by, float px, float py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    for (int y = ya; y <= yb; ++y) {
        for (int x = xa; x <= xb; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float e1 = edge(x1, y1, x2, y2, px, py);
            const float e2 = edge(x2, y2, x3, y3, px, py);
            const float e3 = edge(x3, y3, x1, y1, px, py);
            if ((e1 >= 0 && e2 >= 0 && e3 >= 0) || (e1 <= 0 && e2 <= 0 && e3 <= 0)) {
                set(x, y, colour);
            }
        }
    }
}

void Canvas::blit(const Canvas& source, int x, int y, bool skipKey, Rgb key) {
    for (int sy = 0; sy < source.height(); ++sy) {
        for (int sx = 0; sx < source.width(); ++sx) {
            const Rgb pixel = source.get(sx, sy);
            if (skipKey && pixel == key) continue;
            set(x + sx, y + sy, pixel);
        }
    }
}

}  // namespace installer
