#pragma once

#include <cstddef>
#include <vector>

namespace gamekit {

// The screen a program shows and the screens its open pages return to. A
// page may open over another (a key that shows the score list while the
// rules are open), so each OK goes back one step: the list to the rules,
// the rules to the table. The bottom entry stays: it is where a page leads
// when nothing was remembered (the table, or the finished game).
class ScreenStack {
  public:
    ScreenStack(int first, int returnTo) : screen_(first), returns_{returnTo} {}

    int screen() const { return screen_; }
    int returnScreen() const { return returns_.back(); }

    // A move within the game (dealt, won, left the start-up screen):
    // nothing is remembered.
    void show(int screen) { screen_ = screen; }
    // Opens a page over the current screen; the page already shown is not
    // opened again, so its OK still leads back where it came from.
    void open(int page) {
        if (screen_ == page) return;
        // A page left by a key that moves the game on (Up deals from a
        // page) is never closed: its step is forgotten once the stack is
        // deeper than any way through the pages.
        if (returns_.size() >= kDepth) returns_.erase(returns_.begin() + 1);
        returns_.push_back(screen_);
        screen_ = page;
    }
    void close() {
        screen_ = returns_.back();
        if (returns_.size() > 1) returns_.pop_back();
    }
    // Where the page shown now leads back to, when the game moved on under
    // it (a new deal made from a settings page, a won game's list).
    void setReturn(int screen) { returns_.back() = screen; }

  private:
    static constexpr size_t kDepth = 8;
    int screen_;
    std::vector<int> returns_;
};

}  // namespace gamekit
