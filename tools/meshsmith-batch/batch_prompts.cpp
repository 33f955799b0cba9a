#include "batch_prompts.hpp"

#include <ostream>

namespace meshsmith::batch {

std::string messageForTerminal(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\r') c = '\n';
    return out;
}

void BatchPrompts::showMessage(const std::string& text) {
    messages.push_back(text);
}

Answer BatchPrompts::askYesNo(const std::string&, const std::string&) {
    return Answer::Yes;
}
Answer BatchPrompts::askYesNoCancel(const std::string&, const std::string&) {
    return Answer::No;
}
std::optional<VertexOffset> BatchPrompts::askVertexOffset() {
    return offset;
}

std::optional<std::string> BatchPrompts::reselectBitmap(const std::string&) {
    return std::nullopt;
}

std::optional<std::string> BatchPrompts::chooseProjectSavePath() {
    if (savePath.empty()) return std::nullopt;
    return savePath;
}

void StreamLog::addLine(const std::string& line) {
    if (out_) *out_ << line << '\n';
}

void HeldLog::passTo(LogSink& log) const {
    for (const std::string& line : lines_)
        log.addLine(line);
}

std::string fileErrorLine(const std::string& path, std::size_t line, const std::string& message) {
    const std::string where = line == 0 ? "" : ", line " + std::to_string(line);
    return "error: " + path + where + ": " + messageForTerminal(message);
}

} // namespace meshsmith::batch
