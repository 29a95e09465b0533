// The toolkit gallery's sprite sheet, drawn at the positions its sprite map
// declares.
#include "tools/gallery/GallerySprites.h"
#include "tools/installer/SheetArt.h"
#include "tools/installer/SpriteSheets.h"

namespace installer {

void drawGallerySheet(Canvas& sheet) {
    using namespace gallery_sprites;
    // The start-up screen is pure blue, which is also the key: the start-up
    // pieces use light ink; the About screen is white and gets dark ink.
    const LogoStyle onBlue{rgb(0xFFFFFF), rgb(0xF8D030), rgb(0x000040)};
    const LogoStyle onWhite{rgb(0x001080), rgb(0xC00000), rgb(0xA0A8C0)};
    drawLogo(sheet, kLogo.x, kLogo.y, kLogo.width, kLogo.height, "DECKHOLLOW", onBlue);
    drawLogo(sheet, kAboutLogo.x, kAboutLogo.y, kAboutLogo.width, kAboutLogo.height, "DECKHOLLOW",
             onWhite);
    drawNameArt(sheet, kNameArt.x, kNameArt.y, kNameArt.width, kNameArt.height, "GALLERY",
                "THE GAMEKIT TOOLKIT", onBlue);
    drawEmblem(sheet, kEmblem.x, kEmblem.y, rgb(0xF8D030), rgb(0x000040));
    drawEmblem(sheet, kAboutEmblem.x, kAboutEmblem.y, rgb(0x001080), rgb(0xFFFFFF));
    drawCheckBox(sheet, kCheckBoxEmpty.x, kCheckBoxEmpty.y, false);
    drawCheckBox(sheet, kCheckBoxTicked.x, kCheckBoxTicked.y, true);
}

}  // namespace installer
