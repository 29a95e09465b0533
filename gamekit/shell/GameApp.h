#pragma once

namespace gamekit {

class Surface;

// What the shell needs of a program's game object: the current screen state,
// drawing, the stylus handlers, the commands of the keys and the settings.
class GameApp {
public:
    virtual ~GameApp() = default;

    virtual int state() const = 0;
    virtual bool soundOn() const = 0;

    // Draws the whole screen for the current state.
    virtual void draw(Surface& surface) = 0;
    virtual void penDown(int x, int y) = 0;
    virtual void penMove(int /*x*/, int /*y*/) {}
    virtual void penUp(int x, int y) = 0;

    // The New command (the Up key, the "New" menu entry).
    virtual void commandNew() = 0;
    // The Left and Right keys, for programs that have them.
    virtual void commandLeft() {}
    virtual void commandRight() {}

    // Copies the options into the settings record and writes them.
    virtual void saveSettings() = 0;
};

// Loads the settings and builds the program's game object; null when that
// failed (the factory has then shown why).
using GameAppFactory = GameApp* (*)();

}  // namespace gamekit
