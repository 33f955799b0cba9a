#include "text3do_file.hpp"

#include "edits/edit.hpp"

#include "number_text.hpp"
#include "text_file.hpp"

#include <algorithm>

namespace meshsmith {

Text3DOFile text3DOFileText(const Project& p) {
    Text3DOFile file;
    std::string& out = file.text;
    out.reserve(48 * p.object.vertices.size() + 32 * p.object.polygons.size() + 32);
    out += Text3DOHeader;
    out += "\r\n" + std::to_string(p.object.vertices.size()) + "\r\n";
    for (const auto& v : p.object.vertices)
        out += "p " + generalReal(v.X) + " " + generalReal(v.Y) + " " + generalReal(v.Z) + "\r\n";
    for (const auto& poly : p.object.polygons) {
        // The closing corner is left out; a record shorter than its count is
        // written as far as it goes rather than read past its end.
        const auto corners = std::min<std::size_t>(
            static_cast<std::size_t>(std::max(poly.corners(), 0)), poly.VertexIndices.size());
        if (corners == 0) {
            ++file.polygonsLeftOut;
            continue;
        }
        out += "v " + std::to_string(corners) + " " + Text3DOColourToken + " ";
        for (std::size_t j = 0; j < corners; ++j)
            out += std::to_string(poly.VertexIndices[j]) + " ";
        out += "\r\n";
    }
    out += Text3DOEndMark;
    out += "\r\n";
    return file;
}

OperationResult export3DOText(const Project& p, const std::string& path, LogSink& log) {
    if (auto check = checkGeometryExport(p); check.outcome != Outcome::Done) return check;
    Text3DOFile file = text3DOFileText(p);
    if (file.polygonsLeftOut > 0)
        log.addLine("Warning: " + std::to_string(file.polygonsLeftOut) +
                    " polygon(s) without corners were not written to " + path);
    return writeGeometryExport(path, file.text, "Data saved to 3DO Text file " + path, log);
}

OperationResult import3DOTextLines(Project& p, const std::vector<std::string>& lines,
                                   const std::string& path, UserPrompts& prompts, LogSink& log,
                                   RandomColours& colours) {
    ImportedGeometry file;
    FileError error;
    switch (read3DOText(lines, file, error)) {
    case ReadStatus::WrongHeader:
        return OperationResult::refused(Not3DOTextMessage);
    case ReadStatus::Faulty:
        return fileFailure(log, "importing", path, error);
    case ReadStatus::Read:
        break;
    }
    const ImportMode mode = importModeOf(p);
    auto offset = importOffset(mode, prompts);
    if (!offset) return OperationResult::cancelled();
    const std::size_t vertices = file.vertices.size(), polygons = file.polygons.size();
    if (auto failure = addImportedGeometry(p, std::move(file), mode, *offset, colours))
        return fileFailure(log, "importing", path, *failure);
    logImportedCounts(log, mode, vertices, polygons, path);
    return {};
}

OperationResult import3DOText(Project& p, const std::string& path, UserPrompts& prompts,
                              LogSink& log, RandomColours& colours) {
    TextLines file = readTextLines(path);
    if (!file.ok()) return fileFailure(log, "importing", path, {file.error, 0});
    return applyEdit(p, "Import 3DOText", [&](Project& project) {
        return import3DOTextLines(project, file.lines, path, prompts, log, colours);
    });
}

} // namespace meshsmith
