#pragma once

#include <string>
#include <string_view>

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

// The registry form: each number followed by one blank, the last included.
std::string formatScoreList(const gamekit::GArray<int>& list);

// Reads a registry string into the list. Only a string of exactly ten whole
// numbers, each 0 to 52, separated by blanks, is taken; anything else (too
// few or too many numbers, other characters, a string over 99 characters)
// leaves the list as it was and returns false, so the settings code can
// repair the stored value.
bool parseScoreList(std::string_view text, gamekit::GArray<int>& list);
bool parseScoreList(std::wstring_view text, gamekit::GArray<int>& list);

}  // namespace pellandine
