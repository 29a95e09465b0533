#include "gamekit/ui/Controls.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/Primitives.h"

namespace gamekit {

namespace {
constexpr Colour kFace = 0xC618;
constexpr Colour kLight = 0xFFFF;
constexpr Colour kDark = 0x4208;
constexpr Colour kEngraved = 0x8410;
}  // namespace

Control::Control(int width, int height, const char* label, int left, int top, BitmapFont* font, int style)
    : width_(width), height_(height), left_(left), top_(top), style_(style), font_(font) {
    size_t n = std::strlen(label ? label : "");
    label_ = new char[n + 1];
    std::memcpy(label_, label ? label : "", n + 1);
}

Control::~Control() { delete[] label_; }

bool Control::hitTest(int x, int y) const {
    if (!enabled_) return false;
    return x >= left_ && x <= left_ + width_ && y >= top_ && y <= top_ + height_;
}

void Button::draw(Surface& surface) {
    drawRaisedBox(surface, left_, top_, left_ + width_ - 1, top_ + height_ - 1, kFace, kLight, kDark, style_);
    FontStyle style(*font_, colours::kBlack, kFace, true);
    const int x = left_ + (width_ - font_->measure(label_)) / 2;
    const int y = top_ + (1 - font_->height() + height_) / 2;
    if (enabled_) {
        font_->draw(surface, x, y + 1, label_);
    } else {
        font_->setForeground(colours::kWhite);
        font_->draw(surface, x + 1, y + 2, label_);
        font_->setForeground(kEngraved);
        font_->draw(surface, x, y + 1, label_);
    }
}

MessageLog::MessageLog(int left, int top, int width, int height, BitmapFont* font)
    : left_(left), top_(top), width_(width), height_(height), maxLines_(height / 13), font_(font) {}

MessageLog::~MessageLog() { clear(); }

void MessageLog::clear() {
    while (!lines_.empty()) delete[] lines_.dequeue();
}

void MessageLog::addLine(const char* text) {
    // A line keeps at most 99 characters: a longer text is cut, never
    // written past its buffer.
    auto* line = new wchar_t[kLineCapacity];
    size_t n = 0;
    for (; text && text[n] != '\0' && n + 1 < kLineCapacity; ++n) {
        line[n] = static_cast<unsigned char>(text[n]);
    }
    line[n] = L'\0';
    lines_.enqueue(line);
    if (lines_.iSize > maxLines_) delete[] lines_.dequeue();
}

void MessageLog::draw(Surface& surface) {
    drawRoundRect(surface, left_, top_, left_ + width_, top_ + height_, radius_, kShapeOutlineFilled,
                  colours::kWhite, colours::kBlack);
    if (lines_.empty()) return;  // an empty log is just its box
    // The lines are drawn on a window of the box's inside, so that nothing
    // reaches beyond the frame. The window starts where the inside meets
    // the surface.
    const int innerWidth = width_ - 1, innerHeight = height_ - 1;
    if (innerWidth <= 0 || innerHeight <= 0) return;
    Surface inside(surface, left_ + 1, top_ + 1, innerWidth, innerHeight);
    const int dx = std::min(0, left_ + 1), dy = std::min(0, top_ + 1);
    FontStyle style(*font_, 0x001F, colours::kBlack, true);
    const wchar_t* newest = lines_.back();
    for (int i = 0; i < lines_.iSize; ++i) {
        std::string text;
        for (const wchar_t* c = lines_[i]; *c; ++c) text += static_cast<char>(*c < 256 ? *c : '?');
        font_->setForeground(lines_[i] == newest ? colours::kWhite : 0x001F);
        font_->draw(inside, 4 + dx, 1 + 13 * i + dy, text.c_str());
    }
}

void drawCheckBox(Surface& surface, int x, int y, const uint16_t* sheet, int sheetStride, int sheetX,
                  int sheetY) {
    blitKeyed(surface, x, y, sheet, sheetStride, sheetX, sheetY, 10, 10, colours::kSheetKey);
}

}  // namespace gamekit
