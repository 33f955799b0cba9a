#include "support/scripted_prompts.hpp"

#include <algorithm>

namespace meshsmith::test {
namespace {
template <typename T> std::optional<T> pop(std::deque<std::optional<T>>& q) {
    if (q.empty()) return std::nullopt;
    auto v = q.front();
    q.pop_front();
    return v;
}
} // namespace

Answer ScriptedPrompts::askYesNo(const std::string& title, const std::string& text) {
    questions.push_back(title + "|" + text);
    if (answers.empty()) return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

Answer ScriptedPrompts::askYesNoCancel(const std::string& title, const std::string& text) {
    questions.push_back(title + "|" + text);
    if (answers.empty()) return Answer::Cancel;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<VertexOffset> ScriptedPrompts::askVertexOffset() {
    ++offsetQuestions;
    return pop(offsets);
}

std::optional<std::string> ScriptedPrompts::reselectBitmap(const std::string& storedPath) {
    reselected.push_back(storedPath);
    return pop(bitmaps);
}

std::optional<std::string> ScriptedPrompts::askProjectName() {
    return pop(names);
}
std::optional<std::string> ScriptedPrompts::chooseProjectSavePath() {
    return pop(savePaths);
}

bool RecordingLog::contains(const std::string& line) const {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace meshsmith::test
