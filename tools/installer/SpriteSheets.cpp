#include "tools/installer/SpriteSheets.h"

#include "games/cribbage/CribbageSprites.h"
#include "games/pellandine/PellandineSprites.h"
#include "games/reflection/ReflectionSprites.h"
#include "games/velloran/VelloranSprites.h"
#include "tools/gallery/GallerySprites.h"

namespace installer {

namespace {

const SheetGenerator kSheets[] = {
    {cribbage_sprites::kSheetFile, cribbage_sprites::kSheetWidth, cribbage_sprites::kSheetHeight,
     drawCribbageSheet},
    {gallery_sprites::kSheetFile, gallery_sprites::kSheetWidth, gallery_sprites::kSheetHeight,
     drawGallerySheet},
    {pellandine_sprites::kSheetFile, pellandine_sprites::kSheetWidth,
     pellandine_sprites::kSheetHeight, drawPellandineSheet},
    {reflection_sprites::kSheetFile, reflection_sprites::kSheetWidth,
     reflection_sprites::kSheetHeight, drawReflectionSheet},
    {velloran_sprites::kSheetFile, velloran_sprites::kSheetWidth, velloran_sprites::kSheetHeight,
     drawVelloranSheet},
};

}  // namespace

const SheetGenerator* sheetGenerators(int& count) {
    count = static_cast<int>(sizeof kSheets / sizeof kSheets[0]);
    return kSheets;
}

Canvas drawSheet(const SheetGenerator& generator) {
    Canvas sheet(generator.width, generator.height, kSheetKey);
    generator.draw(sheet);
    return sheet;
}

}  // namespace installer
