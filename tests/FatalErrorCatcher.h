#pragma once

#include <string>

#include "gamekit/containers/FatalError.h"

namespace testing_support {

// Thrown by the test handler of fatalError, so a test can check the exact
// message and go on.
struct FatalErrorRaised {
    std::string message;
};

inline void throwFatalError(const char* message) { throw FatalErrorRaised{message}; }

// Installs the throwing handler for the lifetime of the object.
class CatchFatalErrors {
public:
    CatchFatalErrors() : previous_(gamekit::setFatalErrorHandler(&throwFatalError)) {}
    ~CatchFatalErrors() { gamekit::setFatalErrorHandler(previous_); }

private:
    gamekit::FatalErrorHandler previous_;
};

// The message fatalError received while running `action`, or "" if none.
template <typename Action>
std::string fatalMessageOf(Action&& action) {
    CatchFatalErrors scope;
    try {
        action();
    } catch (const FatalErrorRaised& raised) {
        return raised.message;
    }
    return "";
}

}  // namespace testing_support
