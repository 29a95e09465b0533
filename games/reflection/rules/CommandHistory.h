#pragma once

#include <memory>

#include "gamekit/containers/GVector.h"
#include "games/reflection/rules/Commands.h"

namespace reflection {

// The moves of one game for unlimited undo and redo. Commands at positions 0
// to currentIndex() have been executed; those above it can be redone. The
// history owns its commands and deletes them when they are cut off or
// cleared. Undo and redo act only while the game is in the Playing state, so
// the final position of an ended game stays as it was recorded.
class CommandHistory {
  public:
    static constexpr int kInitialCapacity = 150;

    CommandHistory();
    CommandHistory(const CommandHistory&) = delete;
    CommandHistory& operator=(const CommandHistory&) = delete;
    virtual ~CommandHistory();

    // Executes the command and keeps it, cutting off everything that could
    // have been redone. A refused command (including outside Playing) is
    // deleted, the history is unchanged, and false is returned.
    bool doCommand(std::unique_ptr<Command> command);
    // Reverses the command at the current index; false when there is none.
    bool undoLast();
    // Executes the command above the current index again. If it refuses, the
    // index stays where it was, so a later undo reverses the right move.
    bool redoNext();
    // At a new game or a restart.
    void clearHistory();

    // For the "Undo" and "Redo" menu entries and the Left and Right keys.
    bool canUndo() const;
    bool canRedo() const;

    int currentIndex() const { return current_; }
    int size() const { return commands_.iSize; }
    const Command& commandAt(int index) const { return *commands_[index]; }

  private:
    void deleteFrom(int index);

    gamekit::GVector<Command*> commands_;
    int current_ = -1;
};

}  // namespace reflection
