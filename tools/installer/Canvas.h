#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace installer {

// A 24-bit colour. The games read pictures as 5-6-5, so only the top 5/6/5
// bits of each channel survive.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb rgb(uint32_t hex) {
    return Rgb{static_cast<uint8_t>(hex >> 16), static_cast<uint8_t>(hex >> 8),
               static_cast<uint8_t>(hex)};
}

// Pure blue: the transparent key of every sprite sheet (0x001F once read).
constexpr Rgb kSheetKey{0, 0, 255};

Rgb mix(Rgb a, Rgb b, float t);  // t = 0 gives a, 1 gives b

// A 24-bit picture the installer paints into; every write outside is dropped,
// so art may run off an edge.
class Canvas {
  public:
    Canvas(int width, int height, Rgb background = Rgb{});

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb get(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    void set(int x, int y, Rgb colour);

    void fill(Rgb colour) { fillRect(0, 0, width_, height_, colour); }
    void fillRect(int x, int y, int w, int h, Rgb colour);
    void frameRect(int x, int y, int w, int h, Rgb colour);
    void line(int x1, int y1, int x2, int y2, Rgb colour);
    // Discs and rings are centred on (cx, cy) in pixel units, so a centre of
    // 13.5 is symmetric over a 28-pixel width.
    void fillCircle(float cx, float cy, float radius, Rgb colour);
    void fillEllipse(float cx, float cy, float rx, float ry, Rgb colour);
    void ring(float cx, float cy, float inner, float outer, Rgb colour);
    void fillTriangle(float x1, float y1, float x2, float y2, float x3, float y3, Rgb colour);
    // Copies `source` with its top-left at (x, y); pixels equal to `key` are
    // skipped when skipKey is set.
    void blit(const Canvas& source, int x, int y, bool skipKey = false, Rgb key = kSheetKey);

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace installer
