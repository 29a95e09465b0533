#pragma once


#include "gamekit/containers/GArray.h"

namespace pellandine {

constexpr int kScoreListSize = 10;

// The four high-score lists of cards removed, one per variation, each sorted
// from best to worst with 0 for a free place.
class ScoreLists {
  public:
    ScoreLists();

    // The list of a variation (normalised).
    gamekit::GArray<int>& list(int gameType);
    const gamekit::GArray<int>& list(int gameType) const;

    // Enters the score at the first place whose entry is strictly lower; the
    // entries from there move down one and the tenth drops out. A score of 0
    // (or anything outside 1 to 52) records nothing. Returns the place
    // (0 = best) or -1.
    int recordScore(int gameType, int score);

    // Every entry of the variation's list back to 0.
    void resetScores(int gameType);

  private:
    gamekit::GArray<int> lists_[4];
};

}  // namespace pellandine
