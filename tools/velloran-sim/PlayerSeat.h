#pragma once

#include "games/velloran/rules/VelloranGame.h"

namespace velloran_sim {

// A computer player in the person's seat: it plays the person's side only
// through the actions a person's taps make, deciding with the computer's
// rules for its level applied to the person's hand.
class PlayerSeat {
  public:
    explicit PlayerSeat(velloran::Level level) : level_(level) {}

    // The next action for the phase (Play, Meld or LayOff) and the person's
    // part of it; false when the seat has nothing to do there.
    bool act(velloran::VelloranGame& game);

  private:
    bool play(velloran::VelloranGame& game);
    bool meld(velloran::VelloranGame& game);
    bool layOff(velloran::VelloranGame& game);

    velloran::Level level_;
};

}  // namespace velloran_sim
