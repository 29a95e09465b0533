#include "gamekit/sound/CardFlight.h"

#include <vector>

#include "gamekit/cards/CardDrawing.h"
#include "gamekit/cards/PlayingCard.h"
#include "gamekit/graphics/Sprite.h"
#include "gamekit/graphics/Surface.h"
#include "gamekit/shell/Shell.h"
#include "platform/Windows.h"

namespace gamekit {

namespace {

// The flying picture carries one column beyond the card's own.
constexpr int kCardImageWidth = kCardWidth + 1;
constexpr int kCardImageHeight = kCardHeight;
constexpr uint32_t kStepMs = 16;

// Waits until `ms` have passed since `start`, differences taken modulo 2^32
// and compared signed, so the counter's wrap does not lengthen the wait.
void waitSince(uint32_t start, uint32_t ms) {
    while (static_cast<int32_t>(GetTickCount() - start) < static_cast<int32_t>(ms)) Sleep(1);
}

void fly(Surface& target, const PlayingCard* card, const CardTheme* theme, int fromX, int fromY, int toX,
         int toY, int steps, int pauseMs) {
    if (card == nullptr) return;
    Surface image(kCardImageWidth, kCardImageHeight);
    Sprite sprite(image);
    sprite.clearToKey();
    drawCard(image, *card, theme, 0, 0, 0, 0, false);
    if (steps <= 0) {
        // Asked for no steps: the card goes to its end point at once.
        sprite.moveTo(target, toX, toY);
        pumpMessages(true);
        return;
    }
    std::vector<FlightPosition> positions(static_cast<size_t>(steps) + 1);
    const int count = cardFlightPositions(fromX, fromY, toX, toY, steps, positions.data());
    for (int i = 0; i < count; ++i) {
        uint32_t stepStart = GetTickCount();
        sprite.moveTo(target, positions[i].x, positions[i].y);
        pumpMessages(true);
        if (pauseMs >= 0) {
            Sleep(static_cast<DWORD>(pauseMs));
        } else {
            waitSince(stepStart, kStepMs);
        }
    }
}

}  // namespace

int cardFlightPositions(int fromX, int fromY, int toX, int toY, int steps, FlightPosition* out) {
    if (steps <= 0) return 0;
    const float f = 1.0f / static_cast<float>(steps);
    int count = 0;
    for (float i = 0; i <= static_cast<float>(steps); i += 1.0f) {
        const float t = f * i;
        out[count].x = static_cast<int>(static_cast<float>(fromX) + static_cast<float>(toX - fromX) * t);
        out[count].y = static_cast<int>(static_cast<float>(fromY) + static_cast<float>(toY - fromY) * t);
        ++count;
    }
    return count;
}

int animationSteps(int speed) {
    static const int kSteps[] = {28, 24, 20, 16, 14, 12, 10, 8, 6, 4};
    if (speed == -1) return 0;
    if (speed >= 0 && speed <= 9) return kSteps[speed];
    return 10;
}

void animateCardMove(Surface& target, const PlayingCard* card, const CardTheme* theme, int fromX,
                     int fromY, int toX, int toY, int steps) {
    fly(target, card, theme, fromX, fromY, toX, toY, steps, -1);
}

void animateCardMovePaused(Surface& target, const PlayingCard* card, const CardTheme* theme, int fromX,
                           int fromY, int toX, int toY, int steps, int pauseMs) {
    fly(target, card, theme, fromX, fromY, toX, toY, steps, pauseMs < 0 ? 0 : pauseMs);
}

}  // namespace gamekit
