#include "vertex_text_file.hpp"

#include "edits/edit.hpp"

#include "number_text.hpp"
#include "text_file.hpp"

#include <algorithm>

namespace meshsmith {

std::string vertexTextFileText(const Project& p) {
    std::vector<std::string> lines = {
        VertexTextHeader,
        "    Following the Keyword \"VertexXYZ\" are blocks",
        "  of Data X,Y,Z, each block preceeded by a blank line",
        "=====================================================",
        VertexTextKeyword,
    };
    lines.reserve(lines.size() + 4 * p.object.vertices.size());
    for (const auto& v : p.object.vertices) {
        lines.emplace_back();
        lines.push_back(generalReal(v.X));
        lines.push_back(generalReal(v.Y));
        lines.push_back(generalReal(v.Z));
    }
    return joinCrLf(lines);
}

OperationResult exportVertexText(const Project& p, const std::string& path, LogSink& log) {
    if (auto check = checkGeometryExport(p); check.outcome != Outcome::Done) return check;
    return writeGeometryExport(
        path, vertexTextFileText(p),
        std::to_string(p.object.vertices.size()) + " Vertices saved to file " + path, log);
}

namespace {

bool readCoordinate(const std::vector<std::string>& lines, std::size_t index, float& value,
                    FileError& error) {
    auto v = parseReal(lines[index]);
    if (!v) {
        error = {notAFloatMessage(lines[index]), index + 1};
        return false;
    }
    value = *v;
    return true;
}

} // namespace

ReadStatus readVertexText(const std::vector<std::string>& lines, ImportedGeometry& out,
                          FileError& error) {
    if (lines.empty() || lines[0] != VertexTextHeader) return ReadStatus::WrongHeader;
    const auto keyword = std::find(lines.begin(), lines.end(), VertexTextKeyword);
    if (keyword == lines.end()) {
        error = {"The file has no \"VertexXYZ\" line", 0};
        return ReadStatus::Faulty;
    }
    const auto count =
        static_cast<std::size_t>(std::count(lines.begin(), lines.end(), std::string()));
    const auto key = static_cast<std::size_t>(keyword - lines.begin());
    const std::size_t blocks = (lines.size() - 1 - key) / 4;
    if (count > blocks) {
        // The first block that is cut short starts on the line after the last whole one.
        error = {"The file has " + std::to_string(count) +
                     " empty lines, one per vertex, but only " + std::to_string(blocks) +
                     " whole vertex blocks follow \"VertexXYZ\"",
                 key + 4 * blocks + 2};
        return ReadStatus::Faulty;
    }
    out.vertices.assign(count, Vertex{});
    out.lineOfVertex.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t x = key + 4 * k + 2;
        out.lineOfVertex[k] = x + 1;
        Vertex& v = out.vertices[k];
        if (!readCoordinate(lines, x, v.X, error) || !readCoordinate(lines, x + 1, v.Y, error) ||
            !readCoordinate(lines, x + 2, v.Z, error))
            return ReadStatus::Faulty;
    }
    return ReadStatus::Read;
}

OperationResult importVertexTextLines(Project& p, const std::vector<std::string>& lines,
                                      const std::string& path, UserPrompts& prompts, LogSink& log) {
    ImportedGeometry file;
    FileError error;
    switch (readVertexText(lines, file, error)) {
    case ReadStatus::WrongHeader:
        return OperationResult::refused(NotVertexTextMessage);
    case ReadStatus::Faulty:
        return fileFailure(log, "importing", path, error);
    case ReadStatus::Read:
        break;
    }
    const ImportMode mode = importModeOf(p);
    auto offset = importOffset(mode, prompts);
    if (!offset) return OperationResult::cancelled();
    const std::size_t count = file.vertices.size();
    RandomColours noPolygons(0); // a vertex text file carries no polygons to colour
    if (auto failure = addImportedGeometry(p, std::move(file), mode, *offset, noPolygons))
        return fileFailure(log, "importing", path, *failure);
    log.addLine(std::to_string(count) +
                (mode == ImportMode::Replace ? " Vertices loaded from file "
                                             : " additional Vertices added from file ") +
                path);
    return {};
}

OperationResult importVertexText(Project& p, const std::string& path, UserPrompts& prompts,
                                 LogSink& log) {
    TextLines file = readTextLines(path);
    if (!file.ok()) return fileFailure(log, "importing", path, {file.error, 0});
    return applyEdit(p, "Import Vertex Text", [&](Project& project) {
        return importVertexTextLines(project, file.lines, path, prompts, log);
    });
}

} // namespace meshsmith
