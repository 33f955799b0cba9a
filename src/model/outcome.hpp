#pragma once
// How an editor operation ended.

#include <string>

namespace meshsmith {

enum class Outcome {
    Done,      // the operation did what it was asked
    Cancelled, // the user cancelled a question or dialog; nothing changed
    Refused,   // a precondition failed; its message was shown; nothing changed
    Failed,    // an error was shown; the operation's contract says what changed
};

struct OperationResult {
    Outcome outcome = Outcome::Done;
    std::string message;  // for Refused and Failed: what went wrong
    std::size_t line = 0; // for an input file at fault: its 1-based line (0: the whole file)
};

} // namespace meshsmith
