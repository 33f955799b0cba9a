#pragma once
// Answers for the operations' questions when no one sits at a screen: offsets
// come from the command line, bitmaps are never re-selected, messages go to
// standard error, log lines to standard output.

#include "model/user_interaction.hpp"

#include <iosfwd>
#include <string>
#include <vector>

namespace meshsmith::batch {

class BatchPrompts : public UserPrompts {
  public:
    explicit BatchPrompts(std::ostream& err) : err_(err) {}

    void showMessage(const std::string& text) override;
    Answer askYesNo(const std::string& title, const std::string& text) override;
    Answer askYesNoCancel(const std::string& title, const std::string& text) override;
    std::optional<VertexOffset> askVertexOffset() override;
    std::optional<std::string> reselectBitmap(const std::string& storedPath) override;
    std::optional<std::string> askProjectName() override { return std::nullopt; }
    std::optional<std::string> chooseProjectSavePath() override;

    VertexOffset offset;  // the answer to "Offset New Vertices ?"
    std::string savePath; // the answer to the save dialog (empty: Cancel)
    std::vector<std::string> missingBitmaps;
    std::vector<std::string> messages; // every message shown, in order

  private:
    std::ostream& err_;
};

class StreamLog : public LogSink {
  public:
    explicit StreamLog(std::ostream* out) : out_(out) {}
    void addLine(const std::string& line) override;

  private:
    std::ostream* out_; // null: quiet
};

// "\r" in a message text is a line break on screen and on a terminal.
std::string messageForTerminal(const std::string& text);

} // namespace meshsmith::batch
