#include "dxf_scan.hpp"

#include "dxf_import.hpp"
#include "paths.hpp"
#include "remove_double_vertices.hpp"
#include "text_file.hpp"

namespace meshsmith {

DxfScan scanDxf(const std::string& path) {
    TextLines file = readTextLines(path);
    if (!file.ok()) {
        DxfScan scan;
        scan.message = "Unable to load file " + path;
        return scan;
    }
    return scanDxfLines(file.lines, path);
}

DxfScan scanDxfLines(const std::vector<std::string>& lines, const std::string& path) {
    DxfScan scan;
    if (isBinaryDxf(lines)) {
        scan.message = kBinaryDxfMessage;
        return scan;
    }
    scan.counts = countDxfEntities(lines);
    if (scan.counts == std::array<std::size_t, 4>{}) {
        scan.message = "Unable to import from file '" + path + "'" + "\r" +
                       " No POINT, VERTEX, LINE or 3DFACE entities found !";
        return scan;
    }
    scan.ok = true;
    scan.caption = "Scanning file '" + fileNameOf(path) + "'";
    for (std::size_t k = 0; k < kDxfKinds.size(); ++k) {
        scan.radioCaptions[k] =
            std::to_string(scan.counts[k]) + " " + dxfEntityName(kDxfKinds[k]) + " objects in DXF";
        scan.enabled[k] = scan.counts[k] > 0;
    }
    return scan;
}

std::optional<DxfKind> chosenDxfKind(const DxfScan& scan, std::optional<DxfKind> checked) {
    if (checked && scan.enabled[static_cast<std::size_t>(*checked)]) return checked;
    return std::nullopt;
}

OperationResult importScannedDxf(Project& p, const std::string& path, DxfKind kind,
                                 UserPrompts& prompts, LogSink& log, RandomColours& colours) {
    OperationResult result = importDxf(p, path, kind, prompts, log, colours);
    // Merging runs only after a real import: a cancelled or failed one must
    // leave the project as it was.
    if (result.done()) removeDoubleVerticesCommand(p, log);
    return result;
}

} // namespace meshsmith
