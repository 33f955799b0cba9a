#pragma once
// Export of the project's geometry as an AutoCAD R12 DXF drawing.

#include "outcome.hpp"
#include "project.hpp"
#include "user_interaction.hpp"

#include <optional>
#include <string>

namespace meshsmith {

enum class DxfExportMode {
    Vertices,              // "Vertices only"
    VerticesLines,         // "Vertices && Lines"
    VerticesLinesPolygons, // "Vertices && Lines && Polygons"
};

// The menu command's precondition: Refused with "No Vertices defined !" (no
// geometry), "No Lines defined !" or "No Polygons defined !" by mode; Done
// otherwise. Shows nothing.
OperationResult checkDxfExport(const Project& p, DxfExportMode mode);

// The whole file: the drawing template up to its ENTITIES section, a POINT per
// vertex, in the modes with lines a LINE per line, in the polygon mode a 3D
// POLYLINE per polygon (a VERTEX per entry of its index list, the closing one
// included, then SEQEND), and the template's end. Entities are on layer 0 and
// carry the handles 000177, 000178 ... in writing order; $HANDSEED names the
// handle after the last. Lines end with CR LF. nullopt, with `error` set, when
// a line or polygon refers to a vertex that does not exist.
std::optional<std::string> dxfExportText(const Project& p, DxfExportMode mode, std::string& error);

// Writes dxfExportText to `path` (the file is replaced only when every byte
// was written) and logs what was saved: nv + " Vertices saved to DXF-File " +
// path, nv + " Vertices & " + nl + " Lines saved to DXF-File " + path, or nv +
// " Vertices & " + nl + " Lines & " + np + " Polygons saved to DXF-File " +
// path. Failed, with the reason logged and returned, when it cannot be written.
// Does not check the precondition.
OperationResult exportDxf(const Project& p, const std::string& path, DxfExportMode mode,
                          LogSink& log);

} // namespace meshsmith
