#include "gamekit/shell/MessagePanel.h"

#include "gamekit/containers/GVector.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Primitives.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/Shell.h"

namespace gamekit {

namespace {
constexpr int kBreakWidth = 150;
constexpr Colour kHeadingBar = colours::kDarkBlue;
}  // namespace

std::vector<std::string> panelLines(const BitmapFont& font, const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        int width = 0;
        size_t lastBreak = std::string::npos;
        size_t i = start;
        size_t end = text.size();
        size_t next = text.size();
        for (; i < text.size(); ++i) {
            char c = text[i];
            if (c == '\n') {
                end = i;
                next = i + 1;
                break;
            }
            if (c == ' ') lastBreak = i;
            int w = font.glyphWidth(static_cast<unsigned char>(c));
            width += w > 0 ? w + 1 : 0;
            if (width >= kBreakWidth && i + 1 < text.size()) {
                if (lastBreak != std::string::npos) {
                    end = lastBreak;
                    next = lastBreak + 1;
                } else {
                    end = i + 1;  // no blank to break at: cut the word
                    next = i + 1;
                }
                break;
            }
        }
        lines.push_back(text.substr(start, end - start));
        start = next;
    }
    if (lines.empty()) lines.push_back("");
    return lines;
}

int drawMessagePanel(Surface& target, const char* text, const char* heading) {
    BitmapFont& font = font1();
    const int h = font.height();
    std::vector<std::string> lines = panelLines(font, text ? text : "");
    // Line starts are kept in a checked vector of initial capacity 5, like
    // every list of the framework.
    GVector<int> lineStarts(5);
    for (size_t i = 0; i < lines.size(); ++i) lineStarts[lineStarts.iSize] = static_cast<int>(i);
    const int count = lineStarts.iSize;

    drawRect(target, 35, 117, 205, 203 + (h + 3) * (count - 1), kShapeOutlineFilled, colours::kBlack,
             colours::kWhite);
    drawRect(target, 35, 117, 205, 140, kShapeOutlineFilled, colours::kBlack, kHeadingBar);
    drawCircle(target, 194, 128, 7, kShapeFilled, colours::kWhite, colours::kWhite);

    FontStyle style(font, kHeadingBar, colours::kWhite, true);
    const int headingY = 117 + (23 - h) / 2;
    font.draw(target, 194 - font.measure("ok") / 2, headingY, "ok");
    font.setForeground(colours::kWhite);
    font.draw(target, 40, headingY, heading ? heading : "");
    font.setForeground(colours::kBlack);
    for (int i = 0; i < count; ++i) {
        font.draw(target, 45, 167 + (h + 3) * i, lines[static_cast<size_t>(i)].c_str());
    }
    return count;
}

void messagePanel(Surface& target, const char* text, const char* heading) {
    drawMessagePanel(target, text, heading);
    // A tap from before the panel opened does not close it.
    while (takeTap()) pumpMessages(true);
    for (;;) {
        pumpMessages(true);
        if (takeTap()) break;
        waitForMessages(30);
    }
}

}  // namespace gamekit
