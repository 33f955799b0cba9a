#pragma once
// Errors found in an input file, and how they reach the user: the message is
// shown as it stands, the log names the file and the line.

#include "user_interaction.hpp"

#include <string>

namespace meshsmith {

struct FileError {
    std::string message;  // the text shown to the user
    std::size_t line = 0; // 1-based line of the file; 0 when the file as a whole is at fault
};

// The message box text: the message, then the file and line it is about.
std::string fileErrorBoxText(const std::string& path, const FileError& error);

// Shows fileErrorBoxText and logs "Error <doing> <path>, line <n>: <message>".
void reportFileError(UserPrompts& prompts, LogSink& log, const std::string& doing,
                     const std::string& path, const FileError& error);

} // namespace meshsmith
