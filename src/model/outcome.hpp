#pragma once
// How an operation ended: the one result type of every operation of the
// model, the exports and the editor's commands.
//
// Who tells the user: an operation never shows its own refusal or error. It
// returns it here (and may log a line); the caller reports it: a window shows
// messageBoxText in a message box, the batch tool prints it. Questions that an
// operation must ask on its way come through UserPrompts.

#include <cstddef>
#include <string>

namespace meshsmith {

enum class Outcome {
    Done,      // the operation did what it was asked
    Cancelled, // the user cancelled a question or dialog; nothing changed
    Refused,   // a precondition failed; nothing changed
    Failed,    // an error (an unusable file, a failed write); the contract says what changed
};

struct OperationResult {
    Outcome outcome = Outcome::Done;
    std::string message;  // for Refused and Failed: what the user is told
    std::string file;     // an input or output file at fault, when there is one
    std::size_t line = 0; // its 1-based line at fault; 0 for the file as a whole

    bool done() const { return outcome == Outcome::Done; }
    static OperationResult refused(std::string message) {
        return {Outcome::Refused, std::move(message), {}, 0};
    }
    static OperationResult failed(std::string message, std::string file = {},
                                  std::size_t line = 0) {
        return {Outcome::Failed, std::move(message), std::move(file), line};
    }
    static OperationResult cancelled() { return {Outcome::Cancelled, {}, {}, 0}; }
};

// What a message box says for a refusal or failure: the message, then the
// file and line it is about ("\r" is a line break). Empty for Done and
// Cancelled, which tell the user nothing.
std::string messageBoxText(const OperationResult& r);

} // namespace meshsmith
