#include "gamekit/ui/Menu.h"

#include <cstring>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"

namespace gamekit {

namespace {

constexpr Colour kEngraved = 0x8410;

char* copyText(const char* text) {
    size_t n = std::strlen(text ? text : "");
    char* copy = new char[n + 1];
    std::memcpy(copy, text ? text : "", n + 1);
    return copy;
}

// The pressed look of an open title.
void drawPressed(Surface& surface, const MenuRect& r, const MenuBar& bar) {
    drawSunkenBox(surface, r.left, r.top, r.right, r.bottom, bar.barColour, bar.barLightColour,
                  bar.barDarkColour, 1);
}

}  // namespace

MenuItem::MenuItem(const char* text, MenuBar* bar, MenuCallback callback)
    : bar_(bar),
      text_(copyText(text)),
      textWidth_(bar->font()->measure(text_)),
      children_(4),
      columnWidth_(textWidth_),
      callback_(std::move(callback)) {}

MenuItem::~MenuItem() {
    for (int i = 0; i < children_.iSize; ++i) delete children_[i];
    delete[] text_;
}

int MenuItem::getWidth() const { return bar_->titleMargin + textWidth_; }

int MenuItem::halfMargin() const { return bar_->titleMargin / 2; }

void MenuItem::close() {
    open_ = false;
    for (int i = 0; i < children_.iSize; ++i) children_[i]->close();
}

void MenuItem::addItem(MenuItem* child) {
    children_[children_.iSize] = child;
    if (child->getWidth() > columnWidth_) columnWidth_ = child->getWidth();
}

void MenuItem::drawText(Surface& surface, Point text) const {
    BitmapFont& font = *bar_->font();
    if (enabled_) {
        font.draw(surface, text.x, text.y, text_);
        return;
    }
    Colour colour = font.foreground();
    font.setForeground(bar_->barLightColour);
    font.draw(surface, text.x + 1, text.y + 1, text_);
    font.setForeground(kEngraved);
    font.draw(surface, text.x, text.y, text_);
    font.setForeground(colour);
}

void MenuItem::draw(Surface& surface, Point text, Point anchor) {
    drawText(surface, text);
    if (children_.iSize == 0 || !open_) return;
    const int fontHeight = bar_->font()->height();
    dropRect_.left = anchor.x;
    dropRect_.top = bar_->barHeight;
    dropRect_.right = dropRect_.left + dropWidth() - 1;
    dropRect_.bottom = dropRect_.top + bar_->rowHeight * (children_.iSize - 1) + fontHeight + 2 * 5 - 1;
    drawRaisedBox(surface, dropRect_.left, dropRect_.top, dropRect_.right, dropRect_.bottom,
                  bar_->barColour, bar_->barLightColour, bar_->barDarkColour, 1);
    for (int i = 0; i < children_.iSize; ++i) {
        MenuItem* child = children_[i];
        const int rowTop = dropRect_.top + bar_->rowHeight * i;
        child->setRect({dropRect_.left, rowTop + 4, dropRect_.right, rowTop + bar_->rowHeight + 3});
        child->draw(surface, {dropRect_.left + checkColumnWidth() + 5, rowTop + 5}, anchor);
    }
}

bool MenuItem::handleTap(Point p) {
    if (titleRect_.contains(p)) {
        activate(p);
        return true;
    }
    if (open_ && dropRect_.contains(p)) {
        for (int i = 0; i < children_.iSize; ++i) {
            if (children_[i]->handleTap(p)) break;
        }
        return true;  // a tap on the frame between entries is consumed too
    }
    return false;
}

bool MenuItem::activate(Point p) {
    if (!callback_) return false;
    if (callback_(p, 0)) {
        bar_->closeAll();
        return true;
    }
    return false;
}

MenuCommand::MenuCommand(const char* text, MenuItem* parent, MenuCallback callback)
    : MenuItem(text, parent->bar(), std::move(callback)), parent_(parent) {}

MenuCheckItem::MenuCheckItem(const char* text, MenuItem* parent, MenuCallback callback, bool ticked)
    : MenuCommand(text, parent, std::move(callback)), ticked_(ticked) {}

void MenuCheckItem::draw(Surface& surface, Point text, Point anchor) {
    MenuItem::draw(surface, text, anchor);
    if (!ticked_) return;
    const int x = parent_->dropLeft() + 5;
    const int y = text.y + bar_->rowHeight / 2 - 4;
    Colour ink = bar_->barTextColour;
    if (!enabled_) {
        drawLine(surface, x + 3, y + 5, x + 8, y, bar_->barLightColour);
        ink = kEngraved;
    }
    drawLine(surface, x, y, x + 2, y + 2, ink);
    drawLine(surface, x + 2, y + 2, x + 6, y - 2, ink);
    drawLine(surface, x, y + 1, x + 2, y + 3, ink);
    drawLine(surface, x + 2, y + 3, x + 7, y - 2, ink);
    drawLine(surface, x - 1, y + 1, x + 2, y + 4, ink);
    drawLine(surface, x + 2, y + 4, x + 7, y - 1, ink);
}

bool MenuCheckItem::activate(Point p) {
    ticked_ = !ticked_;
    if (!callback_) return false;
    bar_->closeAll();
    return callback_(p, ticked_ ? 1 : 0);
}

MenuBar::MenuBar(BitmapFont* font) : font_(font) {}

bool MenuBar::addMenu(MenuItem* item, int side) {
    if (side == 0) {
        leftMenus_[leftMenus_.iSize] = item;
    } else if (side == 1) {
        rightMenus_[rightMenus_.iSize] = item;
    } else {
        return false;
    }
    return true;
}

bool MenuBar::anyOpen() const {
    for (int i = 0; i < leftMenus_.iSize; ++i) {
        if (leftMenus_[i]->isOpen()) return true;
    }
    for (int i = 0; i < rightMenus_.iSize; ++i) {
        if (rightMenus_[i]->isOpen()) return true;
    }
    return false;
}

void MenuBar::closeAll() {
    for (int i = 0; i < leftMenus_.iSize; ++i) leftMenus_[i]->close();
    for (int i = 0; i < rightMenus_.iSize; ++i) rightMenus_[i]->close();
}

void MenuBar::draw(Surface& surface) {
    drawRaisedBox(surface, 0, 0, barWidth - 1, barHeight - 1, barColour, barLightColour, barDarkColour, 1);
    FontStyle style(*font_, barTextColour, barColour, true);
    const int textY = (barHeight - font_->height()) / 2 + 1;
    int edge = 0;
    int x = 5;  // half the title margin
    for (int i = 0; i < leftMenus_.iSize; ++i) {
        MenuItem* title = leftMenus_[i];
        title->setRect({edge, 1, edge + title->getWidth(), barHeight - 2});
        if (title->isOpen()) drawPressed(surface, title->titleRect(), *this);
        title->draw(surface, {x, textY}, {edge, barHeight});
        x += title->getWidth();
        edge += title->getWidth();
    }
    int right = barWidth + 5;
    for (int i = 0; i < rightMenus_.iSize; ++i) {
        MenuItem* title = rightMenus_[i];
        // The drop-down ends one pixel left of right - 5: the first one at
        // the screen's last column.
        const int anchor = right - 5 - title->dropWidth();
        right -= title->getWidth();
        title->setRect({right - 5, 1, right - 5 + title->getWidth(), barHeight - 2});
        if (title->isOpen()) drawPressed(surface, title->titleRect(), *this);
        title->draw(surface, {right, textY}, {anchor, barHeight});
    }
}

bool MenuBar::handleTap(Point p) {
    if (p.y >= barHeight) {
        for (int i = 0; i < leftMenus_.iSize; ++i) {
            if (leftMenus_[i]->handleTap(p)) return true;
        }
        for (int i = 0; i < rightMenus_.iSize; ++i) {
            if (rightMenus_[i]->handleTap(p)) return true;
        }
        closeAll();
        return false;
    }
    MenuItem* target = nullptr;
    int end = 0;
    for (int i = 0; i < leftMenus_.iSize && target == nullptr; ++i) {
        end += leftMenus_[i]->getWidth();
        if (end > p.x) target = leftMenus_[i];
    }
    int start = barWidth;
    for (int i = 0; i < rightMenus_.iSize && target == nullptr; ++i) {
        start -= rightMenus_[i]->getWidth();
        if (start < p.x) target = rightMenus_[i];
    }
    if (target == nullptr) {
        closeAll();
        return false;
    }
    if (target->isOpen()) {
        target->close();
    } else {
        closeAll();
        target->setOpen(true);
        target->activate(p);
    }
    return true;
}

}  // namespace gamekit
