#pragma once

#include "tools/installer/Canvas.h"

namespace installer {

// One program's sprite sheet: its file name, its size and the function that
// paints it. The canvas handed to `draw` is already filled with the
// transparent key (pure blue).
struct SheetGenerator {
    const char* fileName;
    int width;
    int height;
    void (*draw)(Canvas& sheet);
};

// Every sheet the installer writes. A program gets its sheet by adding one
// line to the table in SpriteSheets.cpp and a draw function that reads its
// positions from the program's own sprite-map header.
const SheetGenerator* sheetGenerators(int& count);

// The sheet painted by its generator on a key-filled canvas.
Canvas drawSheet(const SheetGenerator& generator);

// The sheets' draw functions.
void drawCribbageSheet(Canvas& sheet);
void drawGallerySheet(Canvas& sheet);
void drawPellandineSheet(Canvas& sheet);
void drawReflectionSheet(Canvas& sheet);
void drawVelloranSheet(Canvas& sheet);

}  // namespace installer
