#pragma once

#include <functional>

#include "gamekit/containers/GVector.h"
#include "gamekit/graphics/Surface.h"

namespace gamekit {

class BitmapFont;
class MenuBar;

struct Point {
    int x;
    int y;
};

// An inclusive rectangle.
struct MenuRect {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// What a menu entry runs: (tap point, state) -> consumed. The state is 0 for a
// command and the new check state for a check entry.
using MenuCallback = std::function<bool(Point, int)>;

// A title of the bar, and the base of the drop-down entries. A title owns
// the entries added to it.
class MenuItem {
public:
    MenuItem(const char* text, MenuBar* bar, MenuCallback callback = nullptr);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    virtual ~MenuItem();

    virtual const char* getText() const { return text_; }
    virtual int getWidth() const;
    virtual void setRect(const MenuRect& rect) { titleRect_ = rect; }
    virtual int checkColumnWidth() const { return hasCheckColumn_ ? 11 : 0; }
    virtual bool getHasCheckColumn() const { return hasCheckColumn_; }
    virtual void setHasCheckColumn(bool has) { hasCheckColumn_ = has; }
    virtual bool isOpen() const { return open_; }
    virtual void setOpen(bool open) { open_ = open; }
    virtual void close();
    virtual int dropWidth() const { return checkColumnWidth() + columnWidth_; }
    virtual int halfMargin() const;
    virtual int dropLeft() const { return dropRect_.left; }
    virtual int dropRight() const { return dropRect_.right; }
    // Draws the text at `text` and, when open, the drop-down below `anchor`.
    virtual void draw(Surface& surface, Point text, Point anchor);
    virtual void addItem(MenuItem* child);
    virtual bool handleTap(Point p);
    virtual bool activate(Point p);

    bool enabled() const { return enabled_; }
    // Changes only the drawing: a disabled entry still runs its callback.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    MenuBar* bar() const { return bar_; }
    const MenuRect& titleRect() const { return titleRect_; }
    const MenuRect& dropRect() const { return dropRect_; }
    int textWidth() const { return textWidth_; }
    int columnWidth() const { return columnWidth_; }
    int childCount() const { return children_.iSize; }
    MenuItem* child(int i) const { return children_[i]; }

protected:
    void drawText(Surface& surface, Point text) const;

    MenuBar* bar_;
    char* text_;
    int textWidth_;
    MenuRect titleRect_;
    GVector<MenuItem*> children_;
    int columnWidth_;
    MenuRect dropRect_;
    bool open_ = false;
    bool hasCheckColumn_ = false;
    bool enabled_ = true;
    MenuCallback callback_;
};

// An entry of a drop-down.
class MenuCommand : public MenuItem {
public:
    MenuCommand(const char* text, MenuItem* parent, MenuCallback callback);
    void addItem(MenuItem*) override {}
    MenuItem* parent() const { return parent_; }

protected:
    MenuItem* parent_;
};

// An entry with a check mark; a tap flips the mark before the callback runs
// with the new state.
class MenuCheckItem : public MenuCommand {
public:
    MenuCheckItem(const char* text, MenuItem* parent, MenuCallback callback, bool ticked);
    void draw(Surface& surface, Point text, Point anchor) override;
    bool activate(Point p) override;
    bool ticked() const { return ticked_; }
    void setTicked(bool ticked) { ticked_ = ticked; }

private:
    bool ticked_;
};

// The menu bar across the top of the screen: titles from the left and from
// the right, each opening a drop-down.
class MenuBar {
public:
    explicit MenuBar(BitmapFont* font);
    virtual ~MenuBar() = default;

    bool addMenu(MenuItem* item, int side);  // side 0 left, 1 right
    bool anyOpen() const;
    void closeAll();
    void draw(Surface& surface);
    bool handleTap(Point p);

    BitmapFont* font() const { return font_; }

    Colour barColour = 0xC618;
    Colour barTextColour = 0x0000;
    Colour barLightColour = 0xFFFF;
    Colour barDarkColour = 0x4208;
    int barHeight = 18;
    int barWidth = kScreenWidth;
    int titleMargin = 10;
    int rowHeight = 16;

private:
    BitmapFont* font_;
    GVector<MenuItem*> leftMenus_{4};
    GVector<MenuItem*> rightMenus_{4};
};

}  // namespace gamekit
