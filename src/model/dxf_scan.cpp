#include "dxf_scan.hpp"

#include "dxf_import.hpp"
#include "model/edits/edit.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "paths.hpp"
#include "text_file.hpp"

namespace meshsmith {
namespace {

// "12 POINT objects in DXF"; for polyface meshes the meshes and their faces.
std::string radioCaption(DxfKind kind, std::size_t count, std::size_t faces) {
    const std::string n = std::to_string(count);
    if (kind == DxfKind::Polyface)
        return n + " polyface meshes with " + std::to_string(faces) + " faces in DXF";
    if (kind == DxfKind::All) return n + " POINT, LINE, 3DFACE and POLYLINE objects in DXF";
    return n + " " + dxfEntityName(kind) + " objects in DXF";
}

} // namespace

DxfScan scanDxf(const std::string& path) {
    const std::optional<std::string> text = readWholeFile(path, nullptr);
    if (!text) {
        DxfScan scan;
        scan.message = "Unable to load file " + path;
        return scan;
    }
    return scanDxfText(*text, path);
}

DxfScan scanDxfLines(const std::vector<std::string>& lines, const std::string& path) {
    return scanDxfText(dxfTextOf(lines), path);
}

DxfScan scanDxfText(std::string_view text, const std::string& path) {
    DxfScan scan;
    if (isBinaryDxf(text)) {
        scan.message = kBinaryDxfMessage;
        return scan;
    }
    const DxfCounts counts = countDxfEntities(text);
    if (counts.entities == decltype(counts.entities){}) {
        scan.message = "Unable to import from file '" + path + "'" + "\r" +
                       " No POINT, VERTEX, LINE or 3DFACE entities found !";
        return scan;
    }
    scan.ok = true;
    scan.caption = "Scanning file '" + fileNameOf(path) + "'";
    scan.polyfaceFaces = counts.faces;
    std::size_t all = 0;
    for (std::size_t k = 0; k < kDxfKinds.size(); ++k) {
        scan.counts[k] = counts.entities[k];
        scan.radioCaptions[k] = radioCaption(kDxfKinds[k], counts.entities[k], counts.faces);
        if (kDxfKinds[k] != DxfKind::Vertex) all += counts.entities[k];
    }
    const auto a = static_cast<std::size_t>(DxfKind::All);
    scan.counts[a] = all;
    scan.radioCaptions[a] = radioCaption(DxfKind::All, all, 0);
    for (std::size_t k = 0; k < kDxfChoices.size(); ++k)
        scan.enabled[k] = scan.counts[k] > 0;
    return scan;
}

std::optional<DxfKind> chosenDxfKind(const DxfScan& scan, std::optional<DxfKind> checked) {
    if (checked && scan.enabled[static_cast<std::size_t>(*checked)]) return checked;
    return std::nullopt;
}

OperationResult importScannedDxf(Project& p, const std::string& path, DxfKind kind,
                                 UserPrompts& prompts, LogSink& log, RandomColours& colours) {
    return applyEdit(p, "Import DXF", [&](Project& project) {
        OperationResult result = importDxf(project, path, kind, prompts, log, colours);
        // Merging runs only after a real import: a cancelled or failed one must
        // leave the project as it was.
        if (result.done()) removeDoubleVerticesCommand(project, log);
        return result;
    });
}

} // namespace meshsmith
