#pragma once

// Frames drawn again only where they changed. The main loop draws the whole
// screen every frame, and most frames are the one before: a record notes
// every drawing call of a frame (what it draws and the box it may write),
// compares the list with the last frame's, and paints only the calls that
// touch a box where the two differ, cut to those boxes.
//
// The screen's pixels are the last frame's, kept: whatever else writes them
// between frames must say so (forget), and the next frame is painted whole.
// A call is painted after the frame's drawing code has run, so whatever it
// copies from (a sheet, a cached picture) must outlive the frame: a picture
// drawn for one frame only is drawn on a window of the screen instead.
// Every drawing call paints over what lies beneath (keyed and transparent
// pixels leave it as it was), so painting a frame again over itself changes
// nothing; that is what lets the unchanged part stay as it is.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "gamekit/graphics/Surface.h"

namespace gamekit {

// A box of screen pixels, right and bottom excluded.
struct ScreenBox {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return left >= right || top >= bottom; }
    bool meets(const ScreenBox& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool within(const ScreenBox& o) const {
        return left >= o.left && right <= o.right && top >= o.top && bottom <= o.bottom;
    }
    ScreenBox cutTo(const ScreenBox& o) const;
    ScreenBox joinedWith(const ScreenBox& o) const;
    long area() const { return empty() ? 0 : long{right - left} * (bottom - top); }
};

// One drawing call with everything its pixels depend on: the function that
// paints it, its numbers and pointers, the surface it was made on (where
// that lies on the screen) and the box it may write. Free of padding, so
// that two calls compare as bytes.
struct DrawCommand {
    // Paints the call on `target`, every coordinate moved by (dx, dy);
    // `extra` is the call's text or colour table.
    using Painter = void (*)(Surface& target, const DrawCommand& command, int dx, int dy,
                             const uint8_t* extra);

    Painter painter = nullptr;
    const void* pointer = nullptr;
    int32_t value[12] = {};
    // A call that paints the same pixels on a window of its surface, moved
    // to the window's corner, can be painted cut to any box. Any other one
    // is painted whole, on the surface it was made on.
    int32_t cuttable = 0;
    int32_t extraBytes = 0;
    int32_t originX = 0, originY = 0, width = 0, height = 0;
    ScreenBox box;
    // Where the extra bytes lie in the record's store: not compared.
    uint32_t extraAt = 0;
    uint32_t unused = 0;

    static DrawCommand make(Painter painter, bool cuttable, std::initializer_list<int32_t> values,
                            const void* pointer = nullptr) {
        DrawCommand c;
        c.painter = painter;
        c.cuttable = cuttable ? 1 : 0;
        std::copy_n(values.begin(), std::min(values.size(), std::size(c.value)), c.value);
        c.pointer = pointer;
        return c;
    }
};

static_assert(sizeof(DrawCommand) == 2 * sizeof(void*) + 4 * 24,
              "DrawCommand must have no padding");

// The boxes a frame painted: at most kMaxBoxes, apart from one another.
class ChangedArea {
  public:
    static constexpr int kMaxBoxes = 8;

    void clear() { count_ = 0; }
    // Adds the box, joining boxes that meet and, when there are too many,
    // the two whose join grows least; true when the area grew.
    bool add(const ScreenBox& box);
    bool meets(const ScreenBox& box) const;
    int count() const { return count_; }
    const ScreenBox& operator[](int i) const { return boxes_[i]; }
    long area() const;
    // The one box holding them all (empty when nothing changed).
    ScreenBox bounds() const;

  private:
    void joinMeeting(int index);

    ScreenBox boxes_[kMaxBoxes];
    int count_ = 0;
};

class DrawingRecord {
  public:
    DrawingRecord() = default;
    DrawingRecord(const DrawingRecord&) = delete;
    DrawingRecord& operator=(const DrawingRecord&) = delete;

    // Draws one frame: `scene` draws on `screen` while the record listens,
    // then whatever changed since the last frame is painted.
    template <typename Scene>
    void drawFrame(Surface& screen, Scene&& scene) {
        beginFrame(screen);
        scene(screen);
        endFrame(screen);
    }
    void beginFrame(Surface& screen);
    void endFrame(Surface& screen);

    // The screen was written by someone else: the next frame is painted
    // whole.
    void forget() { kept_ = false; }

    // What the last frame painted.
    const ChangedArea& changed() const { return changed_; }
    // How many calls the last frame made.
    size_t calls() const { return frames_[current_].commands.size(); }

    // For the drawing calls: notes `command`, made on `on`, that may write
    // the pixels left..right-1 by top..bottom-1 of `on`, with `bytes` bytes
    // of `extra`. False when the frame is being painted straight away: the
    // caller then draws as usual.
    bool note(const Surface& on, const DrawCommand& command, long long left, long long top,
              long long right, long long bottom, const void* extra = nullptr, size_t bytes = 0);
    // Paints everything noted so far and lets the rest of the frame draw
    // straight away (someone reads or writes the pixels themselves).
    void paint();

  private:
    struct Frame {
        std::vector<DrawCommand> commands;
        std::vector<uint8_t> extra;
        void clear() {
            commands.clear();
            extra.clear();
        }
    };

    void findChanges();
    void paintCommand(const DrawCommand& c, const ScreenBox* cut) const;
    void paintChanged() const;
    void paintWhole();

    Frame frames_[2];
    int current_ = 0;
    uint16_t* screenPixels_ = nullptr;
    int screenWidth_ = 0, screenHeight_ = 0;
    bool kept_ = false;       // the screen holds the last frame as noted
    bool listening_ = false;  // between beginFrame and endFrame, not painted yet
    // A frame known to be painted whole from its start paints each call as
    // it is noted, in order, as drawing straight onto the screen would.
    bool through_ = false;
    ChangedArea changed_;
};

}  // namespace gamekit
