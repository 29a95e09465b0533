#pragma once

#include <cstdint>

#include "gamekit/graphics/Surface.h"

namespace gamekit {

// A rectangular picture that moves over a scene without the scene being
// redrawn: it remembers what lies beneath it and puts that back before it
// moves on. Pixels of the key colour are transparent while the key is
// enabled.
//
// The picture is the pixels of the Surface it is made from, which must
// outlive the sprite; the saved background is the sprite's own.
class Sprite {
  public:
    explicit Sprite(Surface& picture);
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;
    virtual ~Sprite();

    // Fills the picture with the key colour, enables the key and forgets any
    // saved background, so that whatever is drawn into the picture next shows
    // and the rest stays transparent.
    void clearToKey();

    // Puts back the background at the old position (if one is saved), saves
    // the background at (x, y) and draws the picture there. Refused (false,
    // nothing changes) when the target has no pixels, the sprite has no
    // picture or no background buffer, x or y is negative, or the sprite
    // would reach the target's last column or row: it must end at least one
    // pixel inside.
    bool moveTo(Surface& target, int x, int y);

    // Puts the saved background back at the current position; false when
    // none is saved. The sprite is then off the target and nothing stays
    // saved, so a later move or restore cannot paste that stale background
    // over what has been drawn since.
    bool restoreBackground(Surface& target);

    int x() const { return x_; }
    int y() const { return y_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const uint16_t* picture() const { return picture_; }
    bool backgroundSaved() const { return backgroundSaved_; }

    Colour colourKey() const { return colourKey_; }
    void setColourKey(Colour key) { colourKey_ = key; }
    bool keyEnabled() const { return keyEnabled_; }
    void setKeyEnabled(bool enabled) { keyEnabled_ = enabled; }

  private:
    void putBackground(Surface& target) const;

    int width_ = 0;
    int height_ = 0;
    int x_ = 0;
    int y_ = 0;
    uint16_t* picture_ = nullptr;
    uint16_t* saved_ = nullptr;
    Colour colourKey_ = colours::kTransparentKey;
    bool keyEnabled_ = true;
    bool backgroundSaved_ = false;
};

}  // namespace gamekit
