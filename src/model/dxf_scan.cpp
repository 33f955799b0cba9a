#include "dxf_scan.hpp"

#include "dxf_import.hpp"
#include "model/edits/edit.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "paths.hpp"
#include "text_file.hpp"

namespace meshsmith {

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
    const std::array<std::size_t, 5> counts = countDxfEntities(text);
    if (counts == std::array<std::size_t, 5>{}) {
        scan.message = "Unable to import from file '" + path + "'" + "\r" +
                       " No POINT, VERTEX, LINE or 3DFACE entities found !";
        return scan;
    }
    scan.ok = true;
    scan.caption = "Scanning file '" + fileNameOf(path) + "'";
    std::size_t all = 0;
    for (std::size_t k = 0; k < kDxfKinds.size(); ++k) {
        scan.counts[k] = counts[k];
        scan.radioCaptions[k] =
            std::to_string(counts[k]) + " " + dxfEntityName(kDxfKinds[k]) + " objects in DXF";
        if (kDxfKinds[k] != DxfKind::Vertex) all += counts[k];
    }
    const auto a = static_cast<std::size_t>(DxfKind::All);
    scan.counts[a] = all;
    scan.radioCaptions[a] =
        std::to_string(all) + " POINT, LINE, 3DFACE and POLYLINE objects in DXF";
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
