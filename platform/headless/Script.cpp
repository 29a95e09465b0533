#include "Script.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>

#include "platform/Windows.h"

namespace platform::headless {
namespace {

bool parseInt(const std::string& word, long min, long max, int* value) {
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < min || v > max) return false;
    *value = static_cast<int>(v);
    return true;
}

std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

}  // namespace

bool parseScript(const std::string& text, std::vector<ScriptCommand>* commands, std::string* error) {
    std::istringstream in(text);
    std::string raw;
    int lineNumber = 0;
    while (std::getline(in, raw)) {
        ++lineNumber;
        // A control byte (a NUL above all) would cut the line short where
        // the numbers are read: the whole line is refused instead.
        for (char byte : raw) {
            auto b = static_cast<unsigned char>(byte);
            if ((b < 0x20 && b != '\t' && b != '\r') || b == 0x7F) {
                *error = "script line " + std::to_string(lineNumber) +
                         ": a control character (byte " + std::to_string(b) + ") in the line";
                return false;
            }
        }
        std::string line = raw.substr(0, raw.find('#'));
        std::istringstream words(line);
        std::string verb;
        if (!(words >> verb)) continue;
        std::vector<std::string> args;
        for (std::string w; words >> w;) args.push_back(w);
        ScriptCommand c{};
        c.line = lineNumber;
        auto fail = [&](const std::string& why) {
            *error = "script line " + std::to_string(lineNumber) + ": " + why + ": \"" + trim(raw) + "\"";
            return false;
        };
        constexpr long kCoordinate = 100000;
        if (verb == "wait" || verb == "realwait") {
            c.kind = verb == "wait" ? ScriptCommand::Wait : ScriptCommand::RealWait;
            if (args.size() != 1 || !parseInt(args[0], 0, 3600000, &c.a)) {
                return fail("expected '" + verb + " MS' with MS from 0 to 3600000");
            }
        } else if (verb == "tap" || verb == "press" || verb == "drag" || verb == "release") {
            c.kind = verb == "tap"     ? ScriptCommand::Tap
                     : verb == "press" ? ScriptCommand::Press
                     : verb == "drag"  ? ScriptCommand::Drag
                                       : ScriptCommand::Release;
            if (args.size() != 2 || !parseInt(args[0], -kCoordinate, kCoordinate, &c.a) ||
                !parseInt(args[1], -kCoordinate, kCoordinate, &c.b)) {
                return fail("expected '" + verb + " X Y' with integer coordinates");
            }
        } else if (verb == "key") {
            c.kind = ScriptCommand::Key;
            const std::string k = args.size() == 1 ? args[0] : "";
            if (k == "up") c.a = VK_UP;
            else if (k == "down") c.a = VK_DOWN;
            else if (k == "left") c.a = VK_LEFT;
            else if (k == "right") c.a = VK_RIGHT;
            else return fail("expected 'key up|down|left|right'");
        } else if (verb == "focus") {
            c.kind = ScriptCommand::Focus;
            if (args.size() != 1 || (args[0] != "off" && args[0] != "on")) {
                return fail("expected 'focus off|on'");
            }
            c.a = args[0] == "on" ? 1 : 0;
        } else if (verb == "shot") {
            c.kind = ScriptCommand::Shot;
            c.path = trim(line.substr(line.find("shot") + 4));
            if (c.path.empty()) return fail("expected 'shot PATH'");
        } else if (verb == "boxshot") {
            c.kind = ScriptCommand::BoxShot;
            c.path = trim(line.substr(line.find(verb) + verb.size()));
            if (c.path.empty()) return fail("expected 'boxshot PATH'");
        } else if (verb == "close") {
            c.kind = ScriptCommand::Close;
            if (!args.empty()) return fail("'close' takes no arguments");
        } else {
            return fail("unknown command '" + verb + "'");
        }
        commands->push_back(c);
    }
    return true;
}

}  // namespace platform::headless
