#include "games/reflection/rules/CommandHistory.h"

namespace reflection {

CommandHistory::CommandHistory() : commands_(kInitialCapacity) {}

CommandHistory::~CommandHistory() {
    deleteFrom(0);
}

void CommandHistory::deleteFrom(int index) {
    while (commands_.iSize > index) delete commands_.popBack();
}

bool CommandHistory::doCommand(std::unique_ptr<Command> command) {
    if (command == nullptr || !command->execute()) return false;
    deleteFrom(current_ + 1);
    ++current_;
    commands_[current_] = command.release();
    return true;
}

bool CommandHistory::canUndo() const {
    return current_ >= 0 && commands_[current_]->game().isPlaying();
}

bool CommandHistory::canRedo() const {
    return current_ + 1 < commands_.iSize && commands_[current_ + 1]->game().isPlaying();
}

bool CommandHistory::undoLast() {
    if (!canUndo()) return false;
    commands_[current_]->undo();
    --current_;
    return true;
}

bool CommandHistory::redoNext() {
    if (current_ + 1 >= commands_.iSize) return false;
    ++current_;
    if (!commands_[current_]->execute()) {
        --current_;
        return false;
    }
    return true;
}

void CommandHistory::clearHistory() {
    deleteFrom(0);
    current_ = -1;
}

}  // namespace reflection
