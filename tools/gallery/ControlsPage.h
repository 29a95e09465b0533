#pragma once

namespace gamekit {
class Button;
class MessageLog;
class Surface;
}  // namespace gamekit

namespace gallery {

// The three fonts, two buttons (one disabled) and a message log.
void drawControlsPage(gamekit::Surface& surface, gamekit::Button& hello, gamekit::Button& disabled,
                      gamekit::MessageLog& log, int taps);

}  // namespace gallery
