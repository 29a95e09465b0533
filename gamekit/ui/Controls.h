#pragma once

#include "gamekit/containers/GQueue.h"
#include "gamekit/graphics/Surface.h"

namespace gamekit {

class BitmapFont;

// The base of the stylus controls.
class Control {
public:
    Control(int width, int height, const char* label, int left, int top, BitmapFont* font, int style);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    virtual void setEnabled(bool enabled) { enabled_ = enabled; }
    virtual void setShown(bool shown) { shown_ = shown; }
    virtual bool contains(int /*unused*/, int x, int y) const { return hitTest(x, y); }
    // Right and bottom bounds inclusive: one pixel beyond the drawn box.
    virtual bool hitTest(int x, int y) const;
    virtual bool isToggled() const { return toggled_; }
    virtual void setToggled(bool toggled) { toggled_ = toggled; }
    virtual void toggle() { toggled_ = !isToggled(); }
    virtual void draw(Surface& /*surface*/) {}
    virtual int centreX() const { return left_ + width_ / 2; }
    virtual int centreY() const { return top_ + height_ / 2; }
    virtual int getLeft() const { return left_; }
    virtual int getTop() const { return top_; }

    bool enabled() const { return enabled_; }
    const char* label() const { return label_; }
    int width() const { return width_; }
    int height() const { return height_; }

protected:
    int width_, height_, left_, top_;
    int style_;
    bool enabled_ = true;
    bool toggled_ = false;
    bool shown_ = true;
    char* label_;
    BitmapFont* font_;
};

// A raised button with a centred label; disabled, it is engraved and never hit.
class Button : public Control {
public:
    Button(int width, int height, const char* label, int left, int top, BitmapFont* font, int style = 2)
        : Control(width, height, label, left, top, font, style) {}
    void draw(Surface& surface) override;
};

// A framed box of the last lines added, the newest in white. Lines longer
// than the box are cut at its edge.
class MessageLog {
public:
    static constexpr int kLineCapacity = 100;  // characters a line keeps, with its terminator

    MessageLog(int left, int top, int width, int height, BitmapFont* font);
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
    virtual ~MessageLog();

    void addLine(const char* text);
    void clear();
    void draw(Surface& surface);

    int maxLines() const { return maxLines_; }
    int lineCount() const { return lines_.iSize; }
    const wchar_t* line(int i) { return lines_[i]; }

private:
    int left_, top_, width_, height_;
    int radius_ = 3;
    int maxLines_;
    BitmapFont* font_;
    GQueue<wchar_t*> lines_;
};

// A 10 x 10 check box copied from a program's sprite sheet (0x001F keyed).
void drawCheckBox(Surface& surface, int x, int y, const uint16_t* sheet, int sheetStride, int sheetX,
                  int sheetY);

}  // namespace gamekit
