#pragma once

#include <string>
#include <vector>

namespace gamekit {

class BitmapFont;
class Surface;

// Breaks `text` into the message panel's lines: a line ends after a line
// break, or once its measured width reaches 150 pixels, at the last blank or
// line break seen (a word with no blank in 150 pixels is cut where the width
// was reached).
std::vector<std::string> panelLines(const BitmapFont& font, const std::string& text);

// Draws the message panel (white body, dark blue heading bar, round "ok"
// mark) with `text` and `heading` on `target`; returns the number of lines.
int drawMessagePanel(Surface& target, const char* text, const char* heading);

// The modal message panel: draws it over the screen image, keeps the screen
// presented and waits for a new tap. A tap pending from before it opened
// does not close it.
void messagePanel(Surface& target, const char* text, const char* heading);

}  // namespace gamekit
