#pragma once
// Answers for the operations' questions when no one sits at a screen: offsets
// come from the command line, bitmaps are never re-selected, log lines go to
// standard output. Message boxes are only recorded: they speak to someone at
// a screen ("Re-select file !"); the commands print their own error lines.

#include "model/user_interaction.hpp"

#include <iosfwd>
#include <string>
#include <vector>

namespace meshsmith::batch {

class BatchPrompts : public UserPrompts {
  public:
    void showMessage(const std::string& text) override;
    Answer askYesNo(const std::string& title, const std::string& text) override;
    Answer askYesNoCancel(const std::string& title, const std::string& text) override;
    std::optional<VertexOffset> askVertexOffset() override;
    std::optional<std::string> reselectBitmap(const std::string& storedPath) override;
    std::optional<std::string> askProjectName() override { return std::nullopt; }
    std::optional<std::string> chooseProjectSavePath() override;

    VertexOffset offset;               // the answer to "Offset New Vertices ?"
    std::string savePath;              // the answer to the save dialog (empty: Cancel)
    std::vector<std::string> messages; // every message shown, in order
};

class StreamLog : public LogSink {
  public:
    explicit StreamLog(std::ostream* out) : out_(out) {}
    void addLine(const std::string& line) override;

  private:
    std::ostream* out_; // null: quiet
};

// Keeps log lines until the operation's outcome says whether they are worth showing.
class HeldLog : public LogSink {
  public:
    void addLine(const std::string& line) override { lines_.push_back(line); }
    void passTo(LogSink& log) const;

  private:
    std::vector<std::string> lines_;
};

// One error line for the terminal: "error: FILE, line N: MESSAGE" (without
// the line when `line` is 0).
std::string fileErrorLine(const std::string& path, std::size_t line, const std::string& message);

// "\r" in a message text is a line break on screen and on a terminal.
std::string messageForTerminal(const std::string& text);

} // namespace meshsmith::batch
