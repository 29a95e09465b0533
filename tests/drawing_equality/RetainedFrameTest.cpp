// Frames painted only where they changed (DrawingRecord) against the same
// frames drawn whole over the last one: random lists of drawing calls, each
// frame the last with a few calls moved, recoloured, added or dropped, some
// on windows of the screen, must leave the very same pixels every frame,
// and a frame that changed little must paint little.
#include <gtest/gtest.h>
#ifndef SEEDS
#define SEEDS 200
#endif

#include <random>
#include <string>
#include <vector>

#include "RandomPictures.h"
#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/CardTheme.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/BitmapFont.h"
#include "gamekit/graphics/Blit.h"
#include "gamekit/graphics/DrawingRecord.h"
#include "gamekit/graphics/Primitives.h"

// Named apart from the other file of this program, which is compiled with it.
namespace retained_frames {

using gamekit::Colour;
using gamekit::DrawingRecord;
using gamekit::Surface;

constexpr int kWidth = 240, kHeight = 320;
constexpr int kSheetWidth = 64, kSheetHeight = 48;
constexpr Colour kKey = gamekit::colours::kSheetKey;

enum Kind {
    kFill,
    kPixel,
    kRect,
    kRoundRect,
    kCircle,
    kLine,
    kTriangle,
    kBox,
    kBlit,
    kText,
    kCard,
    kKinds
};

// One drawing call, on the screen or on a window of it.
struct Call {
    Kind kind = kFill;
    int v[8] = {};
    Colour c[3] = {};
    std::string text;
    bool onWindow = false;
    int window[4] = {};
};

class Calls {
  public:
    explicit Calls(uint32_t seed)
        : random_(seed),
          strip_(drawing_test::randomBackStrip(random_)),
          themes_(gamekit::makeStandardThemes(strip_.data())) {
        sheet_.resize(kSheetWidth * kSheetHeight);
        for (Colour& pixel : sheet_) pixel = chance(3) ? kKey : chance(2) ? 0x0000 : colour();
    }
    ~Calls() { gamekit::destroyThemes(themes_); }

    Call make() {
        Call call;
        call.kind = static_cast<Kind>(chance(12) ? kFill : number(kPixel, kKinds - 1));
        reroll(call);
        if (chance(6)) {
            call.onWindow = true;
            call.window[0] = number(-30, kWidth);
            call.window[1] = number(-30, kHeight);
            call.window[2] = number(0, 150);
            call.window[3] = number(0, 150);
        }
        return call;
    }

    // A new place, colour or text for the same kind of call.
    void reroll(Call& call) {
        const int x = coordinate(kWidth), y = coordinate(kHeight);
        call.v[0] = x;
        call.v[1] = y;
        call.v[2] = chance(3) ? x + number(-3, 60) : coordinate(kWidth);
        call.v[3] = chance(3) ? y + number(-3, 60) : coordinate(kHeight);
        call.v[4] = number(0, 3);                                // mode, or the kind of blit
        call.v[5] = chance(10) ? number(-2, 47) : number(1, 8);  // radius, or the font
        call.v[6] = number(0, 60);
        call.v[7] = number(0, 60);
        for (Colour& c : call.c) c = colour();
        call.text.assign(static_cast<size_t>(number(0, 20)), ' ');
        for (char& ch : call.text)
            ch = static_cast<char>(chance(8) ? number(1, 255) : number(32, 126));
    }

    // Moves a call a little: the usual change from one frame to the next.
    void nudge(Call& call) {
        const int d = number(-6, 6);
        call.v[0] += d;
        call.v[2] += d;
        call.v[1] += number(-3, 3);
        if (chance(3)) call.c[0] = colour();
    }

    void draw(Surface& screen, const Call& call) {
        if (call.onWindow) {
            Surface window(screen, call.window[0], call.window[1], call.window[2], call.window[3]);
            drawOn(window, call);
        } else {
            drawOn(screen, call);
        }
    }

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int oneIn) { return number(1, oneIn) == 1; }

  private:
    Colour colour() { return static_cast<Colour>(random_()); }
    int coordinate(int size) { return chance(25) ? number(-3000, 3000) : number(-40, size + 40); }

    void drawOn(Surface& s, const Call& k) {
        const int* v = k.v;
        switch (k.kind) {
            case kFill:
                s.fill(k.c[0]);
                break;
            case kPixel:
                s.putPixel(v[0], v[1], k.c[0]);
                break;
            case kRect:
                gamekit::drawRect(s, v[0], v[1], v[2], v[3], v[4], k.c[0], k.c[1]);
                break;
            case kRoundRect:
                gamekit::drawRoundRect(s, v[0], v[1], v[2], v[3], v[5], v[4], k.c[0], k.c[1]);
                break;
            case kCircle:
                gamekit::drawCircle(s, v[0], v[1], v[5], v[4], k.c[0], k.c[1]);
                break;
            case kLine:
                gamekit::drawLine(s, v[0], v[1], v[2], v[3], k.c[0]);
                break;
            case kTriangle:
                gamekit::drawTriangle(s, v[0], v[1], v[2], v[3], v[0] + v[6] - 30, v[1] + v[7],
                                      v[4], k.c[0], k.c[1]);
                break;
            case kBox:
                gamekit::drawRaisedBox(s, v[0], v[1], v[2], v[3], k.c[0], k.c[1], k.c[2], v[4]);
                break;
            case kBlit:
                blit(s, k);
                break;
            case kText: {
                gamekit::BitmapFont* fonts[] = {&gamekit::font1(), &gamekit::font2(),
                                                &gamekit::font3()};
                gamekit::BitmapFont& font = *fonts[(v[5] & 0xFF) % 3];
                const gamekit::FontStyle style(font, k.c[0], k.c[1], v[4] % 2 == 0);
                font.draw(s, v[0], v[1], k.text.c_str());
                break;
            }
            case kCard: {
                const gamekit::PlayingCard card(v[6] % 14, v[7] % 5, v[4] != 0);
                const gamekit::CardTheme* theme =
                    v[6] % 5 == 0 ? nullptr : themes_[v[7] % themes_.size()];
                const int clipWidth = v[6] % 4 == 0 ? v[2] & 0xFF : 0;
                const int clipHeight = v[7] % 4 == 0 ? v[3] & 0x1FF : 0;
                gamekit::drawCard(s, card, theme, v[0], v[1], clipWidth, clipHeight, v[5] % 2 == 0);
                break;
            }
            default:
                break;
        }
    }

    void blit(Surface& s, const Call& k) {
        const int* v = k.v;
        const int sx = v[6] % kSheetWidth, sy = v[7] % kSheetHeight;
        const int w = (v[2] & 0x3F) % (kSheetWidth - sx + 1),
                  h = (v[3] & 0x3F) % (kSheetHeight - sy + 1);
        const Colour from[2] = {0x0000, kKey}, to[2] = {k.c[1], k.c[2]};
        const uint16_t* sheet = sheet_.data();
        switch (v[4]) {
            case 0:
                gamekit::blitOpaque(s, v[0], v[1], sheet, kSheetWidth, sx, sy, w, h);
                break;
            case 1:
                gamekit::blitKeyed(s, v[0], v[1], sheet, kSheetWidth, sx, sy, w, h, kKey);
                break;
            case 2:
                gamekit::blitRecoloured(s, v[0], v[1], sheet, kSheetWidth, sx, sy, w, h, from, to,
                                        2);
                break;
            default:
                gamekit::blitRecolouredKeyed(s, v[0], v[1], sheet, kSheetWidth, sx, sy, w, h, from,
                                             to, 1, kKey);
                break;
        }
    }

    std::mt19937 random_;
    std::vector<uint16_t> strip_;
    std::vector<uint16_t> sheet_;
    gamekit::GArray<gamekit::CardTheme*> themes_;
};

std::string firstDifference(const std::vector<uint16_t>& painted,
                            const std::vector<uint16_t>& whole) {
    for (size_t i = 0; i < painted.size(); ++i) {
        if (painted[i] != whole[i]) {
            return std::to_string(i % kWidth) + "," + std::to_string(i / kWidth) + ": " +
                   std::to_string(painted[i]) + " vs " + std::to_string(whole[i]);
        }
    }
    return "";
}

// Runs frames of a changing list of calls both ways; `change` edits the
// list between frames.
template <typename Change>
void compareFrames(uint32_t seed, int frames, Change change) {
    Calls calls(seed);
    std::vector<Call> list;
    // Most frames begin by covering the screen, as the tables do; some not.
    if (!calls.chance(4)) {
        Call floor;
        floor.c[0] = 0x0400;
        list.push_back(floor);
    }
    for (int i = calls.number(5, 60); i > 0; --i) list.push_back(calls.make());
    std::vector<uint16_t> painted(kWidth * kHeight, 0x1234), whole(painted);
    Surface paintedScreen(painted.data(), kWidth, kHeight),
        wholeScreen(whole.data(), kWidth, kHeight);
    DrawingRecord record;
    for (int frame = 0; frame < frames; ++frame) {
        record.drawFrame(paintedScreen, [&](Surface& s) {
            for (const Call& call : list) calls.draw(s, call);
        });
        for (const Call& call : list) calls.draw(wholeScreen, call);
        ASSERT_EQ(firstDifference(painted, whole), "") << "seed " << seed << ", frame " << frame;
        change(calls, list);
    }
}

void editSome(Calls& calls, std::vector<Call>& list) {
    for (int edits = calls.number(0, 3); edits > 0 && !list.empty(); --edits) {
        const size_t at = static_cast<size_t>(calls.number(0, static_cast<int>(list.size()) - 1));
        switch (calls.number(0, 4)) {
            case 0:
                list.insert(list.begin() + static_cast<long>(at), calls.make());
                break;
            case 1:
                list.erase(list.begin() + static_cast<long>(at));
                break;
            case 2:
                calls.reroll(list[at]);
                break;
            default:
                calls.nudge(list[at]);
                break;
        }
    }
}

TEST(RetainedFrames, LeaveThePixelsOfWholeFrames) {
    for (uint32_t seed = 1; seed <= SEEDS; ++seed) compareFrames(seed, 12, editSome);
}

// Cards cut short by the screen's edges, their corners meeting, with a
// small change beside them each frame, so that the changed box cuts
// through them: a rare case among random scenes.
TEST(RetainedFrames, CardsCutShortByTheEdgesStayWhole) {
    std::vector<uint16_t> strip(gamekit::kBackStripWidth * gamekit::kBackHeight, 0x7BEF);
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes(strip.data());
    for (const bool faceUp : {true, false}) {
        for (int edge = 1; edge <= 12; ++edge) {
            std::vector<uint16_t> painted(kWidth * kHeight, 0), whole(painted);
            Surface paintedScreen(painted.data(), kWidth, kHeight),
                wholeScreen(whole.data(), kWidth, kHeight);
            DrawingRecord record;
            for (int frame = 0; frame < 12; ++frame) {
                auto table = [&](Surface& s) {
                    s.fill(0x0400);
                    gamekit::drawCard(s, {4, 2, faceUp}, themes[2], 100, kHeight - edge, 0, 0,
                                      frame % 3 == 0);
                    gamekit::drawCard(s, {9, 0, faceUp}, themes[2], kWidth - edge, 100, 0, 0,
                                      false);
                    gamekit::drawRect(s, 95 + frame * 3, kHeight - 4, 97 + frame * 3,
                                      kHeight - 2 - frame % 2, gamekit::kShapeFilled, 0xFFFF,
                                      0xFFFF);
                    gamekit::drawRect(s, kWidth - 5, 95 + frame * 4, kWidth - 3 + frame % 2,
                                      97 + frame * 4, gamekit::kShapeFilled, 0xFFFF, 0xFFFF);
                };
                record.drawFrame(paintedScreen, table);
                table(wholeScreen);
                ASSERT_EQ(firstDifference(painted, whole), "")
                    << edge << " pixels showing, frame " << frame;
            }
        }
    }
    gamekit::destroyThemes(themes);
}

// Whatever reads the pixels in the middle of a frame sees it as drawn so
// far, and the rest of that frame is drawn straight away.
TEST(RetainedFrames, AReadInTheMiddlePaintsWhatCameBefore) {
    std::vector<uint16_t> pixels(kWidth * kHeight, 0);
    Surface screen(pixels.data(), kWidth, kHeight);
    DrawingRecord record;
    Colour seen = 0;
    record.drawFrame(screen, [&](Surface& s) {
        s.fill(0x1111);
        gamekit::drawRect(s, 0, 0, 9, 9, gamekit::kShapeFilled, 0x2222, 0x2222);
        seen = s.pixel(5, 5);
        gamekit::drawRect(s, 0, 0, 9, 9, gamekit::kShapeFilled, 0x3333, 0x3333);
        EXPECT_EQ(s.pixel(5, 5), 0x3333);
    });
    EXPECT_EQ(seen, 0x2222);
    EXPECT_EQ(pixels[20 * kWidth + 20], 0x1111);
    // Such a frame was not noted whole, so the next one is painted whole.
    record.drawFrame(screen, [&](Surface& s) { s.fill(0x1111); });
    EXPECT_EQ(record.changed().area(), long{kWidth} * kHeight);
    EXPECT_EQ(pixels[5 * kWidth + 5], 0x1111);
}

// The point of it all: an unchanged frame paints nothing, a moved card
// paints about its old and new places, and forget() paints everything.
TEST(RetainedFrames, PaintOnlyWhatChanged) {
    std::vector<uint16_t> strip(gamekit::kBackStripWidth * gamekit::kBackHeight, 0x7BEF);
    gamekit::GArray<gamekit::CardTheme*> themes = gamekit::makeStandardThemes(strip.data());
    std::vector<uint16_t> pixels(kWidth * kHeight, 0);
    Surface screen(pixels.data(), kWidth, kHeight);
    DrawingRecord record;
    int cardX = 50;
    auto table = [&](Surface& s) {
        s.fill(0x0400);
        for (int i = 0; i < 10; ++i)
            gamekit::drawCard(s, {i, 1, true}, themes[5], 5 + 22 * i, 200, 0, 0, false);
        gamekit::drawCard(s, {3, 2, true}, themes[5], cardX, 60, 0, 0, true);
        gamekit::font1().draw(s, 4, 300, "Score: 12");
    };
    record.drawFrame(screen, table);
    EXPECT_EQ(record.changed().area(), long{kWidth} * kHeight);
    record.drawFrame(screen, table);
    EXPECT_EQ(record.changed().area(), 0);
    cardX = 54;
    record.drawFrame(screen, table);
    // A card's box is 34 x 50 (the selection block and a row for the
    // backs' frames); the old and new overlap.
    EXPECT_EQ(record.changed().area(), long{38} * 50);
    record.forget();
    record.drawFrame(screen, table);
    EXPECT_EQ(record.changed().area(), long{kWidth} * kHeight);
    gamekit::destroyThemes(themes);
}

}  // namespace retained_frames
