#include "gamekit/graphics/DrawingRecord.h"

#include <algorithm>
#include <cstring>

namespace gamekit {

ScreenBox ScreenBox::cutTo(const ScreenBox& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
}

ScreenBox ScreenBox::joinedWith(const ScreenBox& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
}

bool ChangedArea::add(const ScreenBox& box) {
    if (box.empty()) return false;
    for (int i = 0; i < count_; ++i) {
        if (box.within(boxes_[i])) return false;
    }
    if (count_ < kMaxBoxes) {
        boxes_[count_] = box;
        joinMeeting(count_++);
        return true;
    }
    int best = 0;
    long bestGrowth = 0;
    for (int i = 0; i < count_; ++i) {
        const long growth = boxes_[i].joinedWith(box).area() - boxes_[i].area();
        if (i == 0 || growth < bestGrowth) {
            best = i;
            bestGrowth = growth;
        }
    }
    boxes_[best] = boxes_[best].joinedWith(box);
    joinMeeting(best);
    return true;
}

// Box `index` has grown: every box it now meets joins it, until it meets
// none, so the boxes stay apart.
void ChangedArea::joinMeeting(int index) {
    for (int j = 0; j < count_;) {
        if (j == index || !boxes_[j].meets(boxes_[index])) {
            ++j;
            continue;
        }
        boxes_[index] = boxes_[index].joinedWith(boxes_[j]);
        boxes_[j] = boxes_[--count_];
        if (index == count_) index = j;
        j = 0;
    }
}

bool ChangedArea::meets(const ScreenBox& box) const {
    for (int i = 0; i < count_; ++i) {
        if (boxes_[i].meets(box)) return true;
    }
    return false;
}

ScreenBox ChangedArea::bounds() const {
    ScreenBox all;
    for (int i = 0; i < count_; ++i) all = all.joinedWith(boxes_[i]);
    return all;
}

long ChangedArea::area() const {
    long sum = 0;
    for (int i = 0; i < count_; ++i) sum += boxes_[i].area();
    return sum;
}

namespace {

bool sameCall(const DrawCommand& a, const std::vector<uint8_t>& extraA, const DrawCommand& b,
              const std::vector<uint8_t>& extraB) {
    if (std::memcmp(&a, &b, offsetof(DrawCommand, extraAt)) != 0) return false;
    return a.extraBytes == 0 ||
           std::memcmp(extraA.data() + a.extraAt, extraB.data() + b.extraAt, a.extraBytes) == 0;
}

int clampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30));
}

}  // namespace

void DrawingRecord::beginFrame(Surface& screen) {
    if (screen.pixels_ != screenPixels_ || screen.width_ != screenWidth_ ||
        screen.height_ != screenHeight_ || screen.stride_ != screen.width_) {
        kept_ = false;
    }
    screenPixels_ = screen.pixels_;
    screenWidth_ = screen.width_;
    screenHeight_ = screen.height_;
    current_ = 1 - current_;
    frames_[current_].clear();
    through_ = !kept_;
    screen.record_ = this;
    screen.originX_ = screen.originY_ = 0;
    listening_ = screenPixels_ != nullptr;
}

bool DrawingRecord::note(const Surface& on, const DrawCommand& command, long long left,
                         long long top, long long right, long long bottom, const void* extra,
                         size_t bytes) {
    if (!listening_) return false;
    const auto* source = static_cast<const uint16_t*>(command.pointer);
    if (source >= screenPixels_ && source < screenPixels_ + long{screenWidth_} * screenHeight_) {
        // A copy from the screen itself reads the frame as drawn so far.
        paint();
        return false;
    }
    const ScreenBox surface{on.originX_, on.originY_, on.originX_ + on.width_,
                            on.originY_ + on.height_};
    const ScreenBox box =
        ScreenBox{clampToInt(left + on.originX_), clampToInt(top + on.originY_),
                  clampToInt(right + on.originX_), clampToInt(bottom + on.originY_)}
            .cutTo(surface);
    if (box.empty()) return true;  // nothing of it shows
    Frame& frame = frames_[current_];
    frame.commands.push_back(command);
    DrawCommand& noted = frame.commands.back();
    noted.originX = on.originX_;
    noted.originY = on.originY_;
    noted.width = on.width_;
    noted.height = on.height_;
    noted.box = box;
    noted.extraBytes = static_cast<int32_t>(bytes);
    noted.extraAt = static_cast<uint32_t>(frame.extra.size());
    if (bytes > 0) {
        const auto* from = static_cast<const uint8_t*>(extra);
        frame.extra.insert(frame.extra.end(), from, from + bytes);
    }
    if (through_) paintCommand(noted, nullptr);
    return true;
}

// A call is painted on a window of the screen: the surface it was made on
// when whole, else that surface cut to `cut`, the call moved to match.
void DrawingRecord::paintCommand(const DrawCommand& c, const ScreenBox* cut) const {
    Surface screen(screenPixels_, screenWidth_, screenHeight_);
    const uint8_t* extra = frames_[current_].extra.data() + c.extraAt;
    if (cut == nullptr || c.cuttable == 0) {
        Surface window(screen, c.originX, c.originY, c.width, c.height);
        c.painter(window, c, 0, 0, extra);
        return;
    }
    const ScreenBox part = cut->cutTo(c.box);
    if (part.empty()) return;
    Surface window(screen, part.left, part.top, part.right - part.left, part.bottom - part.top);
    c.painter(window, c, c.originX - part.left, c.originY - part.top, extra);
}

void DrawingRecord::paint() {
    if (!listening_) return;
    listening_ = false;
    kept_ = false;  // the rest of the frame goes unnoted
    paintWhole();
}

// The whole screen changes: every call noted so far is painted, unless the
// frame paints its calls as they come.
void DrawingRecord::paintWhole() {
    changed_.clear();
    changed_.add({0, 0, screenWidth_, screenHeight_});
    if (through_) return;
    for (const DrawCommand& c : frames_[current_].commands) paintCommand(c, nullptr);
}

// The boxes where this frame's calls differ from the last frame's: the
// calls both frames begin and end with are the same; between them, calls
// at the same place compared one by one when both frames have as many
// there, else every call between counts as changed.
void DrawingRecord::findChanges() {
    changed_.clear();
    const Frame& was = frames_[1 - current_];
    const Frame& now = frames_[current_];
    const std::vector<DrawCommand>& a = was.commands;
    const std::vector<DrawCommand>& b = now.commands;
    const size_t n = a.size(), m = b.size();
    size_t first = 0;
    while (first < n && first < m && sameCall(a[first], was.extra, b[first], now.extra)) ++first;
    size_t last = 0;
    while (last < n - first && last < m - first &&
           sameCall(a[n - 1 - last], was.extra, b[m - 1 - last], now.extra)) {
        ++last;
    }
    if (n == m) {
        for (size_t i = first; i < n - last; ++i) {
            if (sameCall(a[i], was.extra, b[i], now.extra)) continue;
            changed_.add(a[i].box);
            changed_.add(b[i].box);
        }
    } else {
        for (size_t i = first; i < n - last; ++i) changed_.add(a[i].box);
        for (size_t i = first; i < m - last; ++i) changed_.add(b[i].box);
    }
    // A call that cannot be cut is painted whole, so the area must hold all
    // of it wherever it reaches the area.
    for (bool grew = true; grew;) {
        grew = false;
        for (const DrawCommand& c : b) {
            if (c.cuttable == 0 && changed_.meets(c.box)) grew = changed_.add(c.box) || grew;
        }
    }
}

// Every call, in order, wherever it reaches the changed area: a pixel there
// gets every call that covers it, as in a whole frame.
void DrawingRecord::paintChanged() const {
    for (const DrawCommand& c : frames_[current_].commands) {
        if (!changed_.meets(c.box)) continue;
        if (c.cuttable == 0) {
            paintCommand(c, nullptr);
            continue;
        }
        for (int k = 0; k < changed_.count(); ++k) {
            if (changed_[k].meets(c.box)) paintCommand(c, &changed_[k]);
        }
    }
}

void DrawingRecord::endFrame(Surface& screen) {
    screen.record_ = nullptr;
    if (!listening_) return;  // painted as it was drawn
    listening_ = false;
    if (kept_ && !through_) {
        findChanges();
        paintChanged();
    } else {
        paintWhole();
    }
    kept_ = true;
}

}  // namespace gamekit
