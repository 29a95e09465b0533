#pragma once

namespace gamekit {
class Surface;
}

namespace gallery {

// Every drawing primitive, in each of its modes, on one page.
void drawShapesPage(gamekit::Surface& surface);

}  // namespace gallery
