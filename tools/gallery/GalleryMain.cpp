// The toolkit gallery: a small program on the shell that shows the pieces of
// gamekit and lets them be driven by stylus, keys or script.

#include "GalleryApp.h"
#include "gamekit/shell/Shell.h"

namespace {

const gamekit::ProgramInfo kGallery = {
    L"DeckhollowGallery",       // window class and title
    "Toolkit Gallery",          // farewell heading
    "Thank you for playing",    // farewell text
    30,                         // frame period, ms
    {gallery::kStateSplash},    // Up does not start anew on the splash
    1,
    true,  // Left and Right page through the gallery
    true,  // drags move the sprite
};

gamekit::GameApp* createGallery() { return new gallery::GalleryApp(); }

}  // namespace

int main() { return gamekit::runProgram(kGallery, &createGallery); }
