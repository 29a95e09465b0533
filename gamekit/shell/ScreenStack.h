#pragma once

namespace gamekit {

// The screen a program shows and the one its open page returns to. Pages
// are opened from table screens and menus, never from another page, so one
// remembered screen is the whole stack.
class ScreenStack {
  public:
    ScreenStack(int first, int returnTo) : screen_(first), return_(returnTo) {}

    int screen() const { return screen_; }
    int returnScreen() const { return return_; }

    // A move within the game (dealt, won, left the start-up screen):
    // nothing is remembered.
    void show(int screen) { screen_ = screen; }
    // Opens a page over the current screen; the page already shown is not
    // opened again, so its OK still leads back where it came from.
    void open(int page) {
        if (screen_ == page) return;
        return_ = screen_;
        screen_ = page;
    }
    void close() { screen_ = return_; }
    // Where the page shown now leads back to, when the game moved on under
    // it (a new deal made from a settings page, a won game's list).
    void setReturn(int screen) { return_ = screen; }

  private:
    int screen_;
    int return_;
};

}  // namespace gamekit
