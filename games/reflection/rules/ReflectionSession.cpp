#include "games/reflection/rules/ReflectionSession.h"

namespace reflection {

void ReflectionSession::startGame(uint32_t seed, const ClockTime& now) {
    history_.clearHistory();
    game_.newGame(seed);
    start_ = now;
    end_ = now;
    hasGame_ = true;
    ended_ = false;
}

GameEndRecord ReflectionSession::newGame(uint32_t seed, const ClockTime& now) {
    GameEndRecord record = recordGameEnd(now);
    startGame(seed, now);
    return record;
}

GameEndRecord ReflectionSession::setExpertMode(bool expert, uint32_t seed, const ClockTime& now) {
    GameEndRecord record = recordGameEnd(now);
    game_.setExpertMode(expert);
    startGame(seed, now);
    return record;
}

bool ReflectionSession::restartGame(const ClockTime& now) {
    if (!hasGame_) return false;
    history_.clearHistory();
    game_.restartGame();
    start_ = now;
    end_ = now;
    ended_ = false;
    return true;
}

GameEndRecord ReflectionSession::recordGameEnd(const ClockTime& now) {
    GameEndRecord record;
    if (!hasGame_ || ended_ || game_.score() <= kOpeningScore) return record;
    end_ = now;
    record.seconds = elapsedSeconds(start_, end_);
    record.expert = game_.expertMode();
    const int row = currentList().insert(game_.score(), record.seconds);
    if (row >= 0) {
        record.outcome = GameEnd::EnteredList;
        record.row = row;
    } else if (game_.isWon()) {
        record.outcome = GameEnd::Won;
    } else {
        return record;
    }
    ended_ = true;
    game_.setPlaying(false);
    return record;
}

int ReflectionSession::displayedSeconds(const ClockTime& now) const {
    if (!hasGame_) return 0;
    return elapsedSeconds(start_, ended_ ? end_ : now);
}

}  // namespace reflection
