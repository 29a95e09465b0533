#pragma once

namespace pellandine_sim {

// "pellandine-sim replay ..." and "pellandine-sim position": argv[0] is the
// word naming the command. Returns the exit code: 0 done, 2 refused input.
bool isReplayCommand(int argc, char** argv);
int runReplayCommand(int argc, char** argv);

}  // namespace pellandine_sim
