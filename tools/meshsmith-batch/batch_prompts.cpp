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
    err_ << messageForTerminal(text) << '\n';
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

std::optional<std::string> BatchPrompts::reselectBitmap(const std::string& storedPath) {
    missingBitmaps.push_back(storedPath);
    return std::nullopt;
}

std::optional<std::string> BatchPrompts::chooseProjectSavePath() {
    if (savePath.empty()) return std::nullopt;
    return savePath;
}

void StreamLog::addLine(const std::string& line) {
    if (out_) *out_ << line << '\n';
}

} // namespace meshsmith::batch
