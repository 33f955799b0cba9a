#pragma once
// Answers to the operations' questions taken from a script, and a log that
// keeps its lines, so tests drive the operations exactly as a user would.

#include "model/user_interaction.hpp"

#include <deque>
#include <string>
#include <vector>

namespace meshsmith::test {

class ScriptedPrompts : public UserPrompts {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    Answer askYesNo(const std::string& title, const std::string& text) override;
    Answer askYesNoCancel(const std::string& title, const std::string& text) override;
    std::optional<VertexOffset> askVertexOffset() override;
    std::optional<std::string> reselectBitmap(const std::string& storedPath) override;
    std::optional<std::string> askProjectName() override;
    std::optional<std::string> chooseProjectSavePath() override;

    // Queued answers; an empty queue answers Cancel (or No).
    std::deque<Answer> answers;
    std::deque<std::optional<VertexOffset>> offsets;
    std::deque<std::optional<std::string>> bitmaps, names, savePaths;

    // What was asked, in order.
    std::vector<std::string> messages, questions, reselected;
    int offsetQuestions = 0;
};

class RecordingLog : public LogSink {
  public:
    void addLine(const std::string& line) override { lines.push_back(line); }
    bool contains(const std::string& line) const;
    std::vector<std::string> lines;
};

} // namespace meshsmith::test
