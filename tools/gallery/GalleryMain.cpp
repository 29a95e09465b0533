// The toolkit gallery: a small program on the shell that shows every piece
// of gamekit and lets them be driven by stylus, keys or script.

#include "GalleryApp.h"
#include "GallerySettings.h"
#include "gamekit/shell/ProgramSettings.h"
#include "gamekit/shell/Shell.h"

namespace {

const gamekit::ProgramInfo kGallery = {
    L"DeckhollowGallery",                           // window class (the single-instance key)
    "Toolkit Gallery",                              // window title and farewell heading
    "Thank you for playing",                        // farewell text
    30,                                             // frame period, ms
    {gallery::kStateSplash, gallery::kStateAbout},  // Up does not start anew here
    2,
    true,  // Left and Right page through the gallery
    true,  // drags move the ball
};

gamekit::GameApp* createGallery() {
    gamekit::SettingsRecord* record = gamekit::loadProgramSettings(gallery::gallerySettings);
    return record ? new gallery::GalleryApp(record) : nullptr;
}

}  // namespace

int main() { return gamekit::runProgram(kGallery, &createGallery); }
