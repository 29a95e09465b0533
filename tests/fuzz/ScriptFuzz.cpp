// Feeds arbitrary text to the headless script parser. It either refuses the
// text naming a line that exists, or every command it returns is within the
// documented bounds and on a line of the text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/headless/Script.h"

using platform::headless::ScriptCommand;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<ScriptCommand> commands;
    std::string error;
    int lines = 1;
    for (char c : text) lines += c == '\n';
    if (!platform::headless::parseScript(text, &commands, &error)) {
        if (error.rfind("script line ", 0) != 0) abort();
        int line = std::atoi(error.c_str() + 12);
        if (line < 1 || line > lines) abort();
        return 0;
    }
    int previous = 0;
    for (const ScriptCommand& c : commands) {
        if (c.line <= previous || c.line > lines) abort();
        previous = c.line;
        switch (c.kind) {
            case ScriptCommand::Wait:
            case ScriptCommand::RealWait:
                if (c.a < 0 || c.a > 3600000) abort();
                break;
            case ScriptCommand::Tap:
            case ScriptCommand::Press:
            case ScriptCommand::Drag:
            case ScriptCommand::Release:
                if (c.a < -100000 || c.a > 100000 || c.b < -100000 || c.b > 100000) abort();
                break;
            case ScriptCommand::Shot:
                if (c.path.empty() || c.path.find('\0') != std::string::npos) abort();
                break;
            case ScriptCommand::Focus:
                if (c.a != 0 && c.a != 1) abort();
                break;
            default:
                break;
        }
    }
    return 0;
}
