#pragma once
// What an operation must tell or ask the user on its way. The editor answers
// with real dialogs, the batch tool from its command line, tests from a script.
// Core code never opens a window itself.

#include "outcome.hpp"

#include <optional>
#include <string>

namespace meshsmith {

// Receives the one-line progress and result messages of the operations.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void addLine(const std::string& line) = 0;
};

struct VertexOffset {
    float x = 0, y = 0, z = 0;
};

enum class Answer { Yes, No, Cancel };

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;
    // A modal information box with an OK button. "\r" in the text is a line break.
    virtual void showMessage(const std::string& text) = 0;
    // A Yes/No box (Cancel is never returned) or a Yes/No/Cancel box.
    virtual Answer askYesNo(const std::string& title, const std::string& text) = 0;
    virtual Answer askYesNoCancel(const std::string& title, const std::string& text) = 0;
    // "Offset New Vertices ?": the three offsets, or nullopt for Cancel.
    virtual std::optional<VertexOffset> askVertexOffset() = 0;
    // The open dialog that re-selects a bitmap that was not found; nullopt = Cancel.
    virtual std::optional<std::string> reselectBitmap(const std::string& storedPath) = 0;
    // "Assign Project Name": the text typed, or nullopt for Cancel.
    virtual std::optional<std::string> askProjectName() = 0;
    // The save dialog for a project file; nullopt = Cancel.
    virtual std::optional<std::string> chooseProjectSavePath() = 0;
};

// Tells the user of a refusal or failure (messageBoxText); nothing for Done
// and Cancelled.
inline void report(UserPrompts& prompts, const OperationResult& r) {
    if (const std::string text = messageBoxText(r); !text.empty()) prompts.showMessage(text);
}

} // namespace meshsmith
