#include "gamekit/containers/FatalError.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace gamekit {

namespace {
FatalErrorHandler currentHandler = nullptr;
}

FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler) {
    FatalErrorHandler previous = currentHandler;
    currentHandler = handler;
    return previous;
}

void reportFatalErrorAndExit(const char* message) {
    std::fprintf(stderr, "fatal error: %s\n", message);
    std::fflush(stderr);
    std::exit(1);
}

void fatalError(const char* message) {
    if (currentHandler != nullptr) {
        currentHandler(message);
        std::abort();  // a handler must not return
    }
    reportFatalErrorAndExit(message);
}

void fatalErrorf(const char* format, ...) {
    // The longest container message with two INT_MIN values is about 120
    // characters; vsnprintf cuts anything longer instead of overflowing.
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    fatalError(buffer);
}

}  // namespace gamekit
