#pragma once

// The Configure Game page: three groups of exclusive choices (the
// computer's strength, the advice shown, single games or sets), each line
// chosen at once by a tap anywhere along it.

#include "gamekit/graphics/Surface.h"
#include "gamekit/ui/Controls.h"
#include "gamekit/ui/Menu.h"
#include "gamekit/ui/Screens.h"

namespace cribbage {

struct CribbageOptions;

class ConfigureGameScreen {
  public:
    explicit ConfigureGameScreen(CribbageOptions& options) : options_(options) {}

    void draw(gamekit::Surface& surface, const gamekit::MenuBar& bar,
              const gamekit::ScreenSprites& sprites, gamekit::Button& ok) const;

    enum class Tap { None, Ok, Changed };
    // Applies a tap on a choice's line (x 15 to 210); Changed when one was
    // chosen (the caller clicks, even when it was chosen already).
    Tap tap(gamekit::Point p, gamekit::Button& ok);

  private:
    CribbageOptions& options_;
};

}  // namespace cribbage
