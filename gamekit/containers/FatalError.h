#pragma once

// The framework's only error reporter. A violated container bound, a failed
// allocation or a missing picture file ends the program here: there is no
// recoverable error path.

namespace gamekit {

// Reports `message` and ends the program; never returns.
[[noreturn]] void fatalError(const char* message);

// Formats a message with printf-style placeholders into a bounded buffer
// (never overflowing, whatever the numbers) and hands it to fatalError.
[[noreturn]] void fatalErrorf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// What fatalError does with the message. The default shows the system message
// box and shuts the program down; tests install one that records the message
// and unwinds instead. A handler that returns makes fatalError abort.
using FatalErrorHandler = void (*)(const char* message);
FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler);

// The default behaviour, for the shell to call once it exists: writes the
// message to stderr and ends the process with exit code 1.
[[noreturn]] void reportFatalErrorAndExit(const char* message);

}  // namespace gamekit
