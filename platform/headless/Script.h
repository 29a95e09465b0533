#pragma once

// The headless input script: one command a line, '#' starts a comment.
//
//   wait MS               advance the virtual clock, running frames
//   tap X Y               move to (X,Y), press, release 60 ms later
//   press X Y | drag X Y | release X Y
//   key up|down|left|right
//   focus off|on          lose / regain the focus
//   shot PATH             write the decoded display as a PNG
//   boxshot PATH          the same when the next message box opens: what
//                         the player sees behind it
//   close                 the window is closed
//   realwait MS           pause MS of real time

#include <string>
#include <vector>

namespace platform::headless {

struct ScriptCommand {
    enum Kind { Wait, Tap, Press, Drag, Release, Key, Focus, Shot, BoxShot, Close, RealWait };
    Kind kind;
    int a = 0;  // milliseconds, x, virtual key, or 1 for focus on
    int b = 0;  // y
    std::string path;
    int line = 0;
};

// Parses the whole script; on the first bad line returns false with a
// message naming the line.
bool parseScript(const std::string& text, std::vector<ScriptCommand>* commands, std::string* error);

}  // namespace platform::headless
