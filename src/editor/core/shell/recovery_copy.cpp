#include "editor/core/shell/recovery_copy.hpp"

#include "model/edits/edit.hpp"
#include "model/text_file.hpp"

#include <algorithm>

namespace meshsmith {
namespace {

constexpr const char* kFirstLine = "Meshsmith recovery copy";
constexpr const char* kLastLine = "End of recovery copy";
constexpr std::size_t kHeaderLines = 5;

// A header value stays on its line.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// The value of "Key=value" at `line`, or nullopt when the line is not that key.
std::optional<std::string> valueOf(const std::string& line, const std::string& key) {
    if (line.rfind(key + "=", 0) != 0) return std::nullopt;
    return line.substr(key.size() + 1);
}

} // namespace

std::string recoveryCopyText(const Project& p, const std::string& copyPath) {
    // The writer names bitmaps from the folder of the file it writes: the copy's.
    Project copy;
    copy.object = p.object;
    copy.options = p.options;
    copy.ProjectFile = copyPath;
    const std::vector<std::string> project = splitLines(projectFileText(copy));
    std::vector<std::string> lines{
        kFirstLine, "Project=" + oneLine(p.ProjectFile), "Name=" + oneLine(p.ProjectName),
        "Caption=" + oneLine(p.viewCaption), "Lines=" + std::to_string(project.size())};
    lines.insert(lines.end(), project.begin(), project.end());
    lines.push_back(kLastLine);
    return joinCrLf(lines);
}

RecoveryCopyCheck checkRecoveryCopy(const std::vector<std::string>& lines) {
    if (lines.empty() || lines[0] != kFirstLine)
        return {std::nullopt, "it is not a recovery copy of Meshsmith"};
    if (lines.size() < kHeaderLines) return {std::nullopt, "it ends inside its header"};
    const auto file = valueOf(lines[1], "Project"), name = valueOf(lines[2], "Name"),
               caption = valueOf(lines[3], "Caption"), count = valueOf(lines[4], "Lines");
    if (!file || !name || !caption || !count) return {std::nullopt, "its header is damaged"};
    // Nine digits at most: no count can overflow, and no copy is that long.
    if (count->empty() || count->size() > 9 ||
        !std::all_of(count->begin(), count->end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {std::nullopt, "its header is damaged"};
    const std::size_t n = std::stoul(*count);
    if (lines.size() != kHeaderLines + n + 1 || lines.back() != kLastLine)
        return {std::nullopt, "it was not written to its end"};
    return {RecoveryHeader{*file, *name, *caption}, {}};
}

OperationResult recoverProject(ProjectSession& s, const std::string& copyPath,
                               const RecoveryHeader& header) {
    const OperationResult loaded = loadProject(s.project, copyPath, s.prompts, s.log);
    if (!loaded.done()) return loaded;
    Project& p = s.project;
    p.ProjectFile = header.projectFile;
    p.ProjectName = header.projectName;
    p.viewCaption = header.caption;
    markUnsaved(p);
    s.log.addLine("Recovered the unsaved changes of " + header.caption + ".");
    return {};
}

} // namespace meshsmith
