#include "gamekit/graphics/Sprite.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "gamekit/graphics/Blit.h"

namespace gamekit {

Sprite::Sprite(Surface& picture) {
    if (picture.pixels() == nullptr || picture.width() <= 0 || picture.height() <= 0) return;
    width_ = picture.width();
    height_ = picture.height();
    picture_ = picture.pixels();
    // Without a buffer every move is refused, which leaves the scene intact.
    saved_ = new (std::nothrow) uint16_t[static_cast<size_t>(width_) * height_];
}

Sprite::~Sprite() {
    delete[] saved_;
}

void Sprite::clearToKey() {
    if (picture_ != nullptr)
        std::fill_n(picture_, static_cast<size_t>(width_) * height_, colourKey_);
    keyEnabled_ = true;
    backgroundSaved_ = false;
}

void Sprite::putBackground(Surface& target) const {
    // The saved pixels came from a target on which the rectangle fitted;
    // another target may be smaller, so the copy is clipped.
    blitOpaque(target, x_, y_, saved_, width_, 0, 0, width_, height_);
}

bool Sprite::moveTo(Surface& target, int x, int y) {
    if (target.pixels() == nullptr || picture_ == nullptr || saved_ == nullptr) return false;
    if (x < 0 || y < 0) return false;
    if (static_cast<long long>(x) + width_ >= target.width()) return false;
    if (static_cast<long long>(y) + height_ >= target.height()) return false;

    if (backgroundSaved_) putBackground(target);
    x_ = x;
    y_ = y;
    const size_t rowBytes = static_cast<size_t>(width_) * sizeof(uint16_t);
    for (int row = 0; row < height_; ++row)
        std::memcpy(saved_ + static_cast<size_t>(row) * width_, target.row(y + row) + x, rowBytes);
    backgroundSaved_ = true;

    for (int row = 0; row < height_; ++row) {
        const uint16_t* from = picture_ + static_cast<size_t>(row) * width_;
        uint16_t* to = target.row(y + row) + x;
        if (!keyEnabled_) {
            std::memcpy(to, from, rowBytes);
            continue;
        }
        // Masks rather than a branch per pixel, so it becomes vector code.
        for (int i = 0; i < width_; ++i) {
            const uint16_t shown = static_cast<uint16_t>(0u - (from[i] != colourKey_));
            to[i] = static_cast<uint16_t>((from[i] & shown) | (to[i] & ~shown));
        }
    }
    return true;
}

bool Sprite::restoreBackground(Surface& target) {
    if (!backgroundSaved_ || target.pixels() == nullptr) return false;
    putBackground(target);
    backgroundSaved_ = false;
    return true;
}

}  // namespace gamekit
