// The toolkit gallery's sprite sheet, drawn at the positions its sprite map
// declares.
#include "tools/gallery/GallerySprites.h"
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

void drawGallerySheet(Canvas& sheet) {
    using namespace gallery_sprites;
    drawStandardPieces(sheet, {kLogo, kAboutLogo, kNameArt, kEmblem, kAboutEmblem},
                       "DECKHOLLOW", "GALLERY", "THE GAMEKIT TOOLKIT");
    drawCheckBox(sheet, kCheckBoxEmpty.x, kCheckBoxEmpty.y, false);
    drawCheckBox(sheet, kCheckBoxTicked.x, kCheckBoxTicked.y, true);
}

}  // namespace installer
