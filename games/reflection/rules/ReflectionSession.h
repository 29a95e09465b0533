#pragma once

#include <cstdint>
#include <memory>

#include "games/reflection/rules/CommandHistory.h"
#include "games/reflection/rules/GameClock.h"
#include "games/reflection/rules/HighScoreList.h"
#include "games/reflection/rules/ReflectionGame.h"

namespace reflection {

enum class GameEnd {
    Nothing,      // no card moved onto a sequence, already recorded, or no place
                  // in the list for an unfinished game
    EnteredList,  // "You made the high score list"; the High Scores screen follows
    Won,          // all 52 cards out but no place in the list: "You Won."
};

struct GameEndRecord {
    GameEnd outcome = GameEnd::Nothing;
    int row = -1;         // the list row entered, for EnteredList
    int seconds = 0;      // the playing time recorded
    bool expert = false;  // the mode whose list was used
};

// One player's games: the table, its move history, the start and end times
// and the best lists of both modes. It makes sure a game is recorded at most
// once, in the list of the mode it was played in, however it ends: by a win,
// by "New" or Up, or by switching the mode (recorded before the switch).
class ReflectionSession {
  public:
    ReflectionSession() = default;
    ReflectionSession(const ReflectionSession&) = delete;
    ReflectionSession& operator=(const ReflectionSession&) = delete;
    virtual ~ReflectionSession() = default;

    ReflectionGame& game() { return game_; }
    const ReflectionGame& game() const { return game_; }
    CommandHistory& history() { return history_; }

    // Records the current game (see recordGameEnd), then shuffles with
    // `seed`, clears the history and starts the clock at `now`. The table
    // then deals the four opening cards (game().dealOpeningCard()).
    GameEndRecord newGame(uint32_t seed, const ClockTime& now);
    // The "Expert Mode" toggle: records the current game in the list of the
    // mode it was played in, switches the mode, and starts a new game.
    GameEndRecord setExpertMode(bool expert, uint32_t seed, const ClockTime& now);
    // Replays the current deal from its first card. False (nothing done)
    // before any game was dealt. A restart is a new attempt: not recorded.
    bool restartGame(const ClockTime& now);
    bool hasGame() const { return hasGame_; }

    // The end-of-game check, after every stylus move that reaches 200 and by
    // "New": nothing unless a card went onto a sequence (score above 8) and
    // the game was not recorded already. Otherwise the time is stopped, the
    // game enters the current mode's list if it has a place, and a game that
    // entered or was won leaves the Playing state (GameOver).
    GameEndRecord recordGameEnd(const ClockTime& now);
    bool hasEnded() const { return ended_; }
    // The time to show: until now while playing, until the end afterwards.
    int displayedSeconds(const ClockTime& now) const;

    // Moves, undo and redo (the table plays the card sound on true).
    bool doCommand(std::unique_ptr<Command> command) {
        return history_.doCommand(std::move(command));
    }
    bool undoLast() { return history_.undoLast(); }
    bool redoNext() { return history_.redoNext(); }

    HighScoreList& normalList() { return normal_; }
    HighScoreList& expertList() { return expert_; }
    // The lists of the mode being played, shown on the High Scores screen.
    HighScoreList& currentList() { return game_.expertMode() ? expert_ : normal_; }
    // The "Reset" button: the current mode's lists only.
    void resetHighScores() { currentList().reset(); }

  private:
    void startGame(uint32_t seed, const ClockTime& now);

    ReflectionGame game_;
    CommandHistory history_;
    HighScoreList normal_;
    HighScoreList expert_;
    ClockTime start_;
    ClockTime end_;
    bool hasGame_ = false;
    bool ended_ = false;
};

}  // namespace reflection
