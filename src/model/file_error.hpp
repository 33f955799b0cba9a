#pragma once
// Errors found in an input file: the message with the line at fault. The
// operation logs the file and line and returns the failure; the caller shows
// it (messageBoxText names the file and line too).

#include "outcome.hpp"
#include "user_interaction.hpp"

#include <string>

namespace meshsmith {

struct FileError {
    std::string message;  // the text shown to the user
    std::size_t line = 0; // 1-based line of the file; 0 when the file as a whole is at fault
};

// Logs "Error <doing> <path>, line <n>: <message>" and returns the failure.
OperationResult fileFailure(LogSink& log, const std::string& doing, const std::string& path,
                            const FileError& error);

} // namespace meshsmith
